#include "app/frmsplash.h"

#include "settings/productinfo.h"

#include "ui/resources.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {

QLabel *verdanaLabel(const QString &text, QWidget *parent, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    QFont font(QStringLiteral("Verdana"), 8);
    font.setBold(bold);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmSplash::frmSplash(int displayMilliseconds, QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    ensureResources();
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    setWindowIcon(QIcon(QStringLiteral(":/brimfold/icons/brimfold-32.png")));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgLogo"));
    icon->setPixmap(QPixmap(QStringLiteral(":/brimfold/icons/brimfold-32.png")));
    icon->setFixedSize(32, 32);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setHorizontalSpacing(14);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(verdanaLabel(QString::fromLatin1(ProductInfo::kVersionLine), this, true), 0, 1);
    const QString website = QString::fromLatin1(ProductInfo::kWebsite);
    const QString support = QString::fromLatin1(ProductInfo::kSupportEmail);
    layout->addWidget(verdanaLabel(tr("Website: %1").arg(website), this), 1, 1);
    layout->addWidget(verdanaLabel(tr("Support at: %1").arg(support), this), 2, 1);
    layout->addWidget(verdanaLabel(ProductInfo::kCopyright, this), 3, 1);
    layout->addWidget(verdanaLabel(ProductInfo::kLicense, this), 4, 1);
    setStyleSheet(QStringLiteral("frmSplash { background: white; border: 1px solid #1d3b6e; }"));
    setFixedWidth(420);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(displayMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();
}

void frmSplash::Timer1_Timer()
{
    Timer1->stop();
    m_closing = true;
    Q_EMIT finished_Timer1();
    close();
}

// Only the timer closes the splash: keys, clicks and close requests are ignored.
void frmSplash::keyPressEvent(QKeyEvent *event)
{
    event->accept();
}

void frmSplash::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
}

void frmSplash::closeEvent(QCloseEvent *event)
{
    if (m_closing)
        event->accept();
    else
        event->ignore();
}
