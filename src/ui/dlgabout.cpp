#include "ui/dlgabout.h"

#include "ui/desktoplinks.h"

#include "platform/desktopservices.h"
#include "settings/productinfo.h"
#include "ui/captionroom.h"
#include "ui/controlfactory.h"
#include "ui/prompts.h"
#include "ui/resources.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>

using Controls::named;

namespace {

const QColor kLinkColor(0, 0, 128);
constexpr int kClientWidth = 6930;
constexpr int kClientHeight = 4230;

QFont labelFont(bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QLabel *textLabel(const QString &text, QWidget *parent, const char *name, int left, int top,
                  int width, int height)
{
    auto *label = named(new QLabel(text, parent), name, left, top, width, height);
    label->setFont(labelFont());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

dlgAbout::dlgAbout(std::shared_ptr<DesktopServices> desktop, std::shared_ptr<Prompts> prompts,
                   QWidget *parent)
    // A tool window: it has no owner to outlive, yet stays out of the task bar.
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_desktop(std::move(desktop)), m_prompts(std::move(prompts))
{
    ensureResources();
    setObjectName(QStringLiteral("dlgAbout"));
    setWindowTitle(tr("About"));
    setWindowIcon(QIcon(QStringLiteral(":/brimfold/icons/brimfold-32.png")));
    setModal(false);
    setAttribute(Qt::WA_QuitOnClose); // a tool window would not keep the program running
    buildControls();
    setFixedSize(twipsToRect({0, 0, kClientWidth, kClientHeight}, widgetDpi(this)).size());
    CaptionRoom::fitFixedWindow(this); // a longer caption (another language) widens its button
    if (const QScreen *screen = this->screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
}

void dlgAbout::buildControls()
{
    Frame1 = named(new QGroupBox(this), "Frame1", 60, 0, 6795, 4155);
    Picture1 = named(new QLabel(Frame1), "Picture1", 420, 390, 705, 765);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/brimfold/icons/brimfold-32.png")));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1 = textLabel(QString::fromLatin1(ProductInfo::kVersionLine), Frame1, "Label1", 1245, 390,
                       5295, 285);
    Label1->setFont(labelFont(true));
    // The copyright line stays as it is; the line under it is in the user's language.
    Label4 =
        textLabel(ProductInfo::kCopyright.text() + u'\n' + tr("All rights reserved."),
                  Frame1, "Label4", 1245, 810, 5295, 405);
    Label3 = linkLabel(QString::fromLatin1(ProductInfo::kSupportEmail), "Label3", 1260, 1410);
    Label5 = linkLabel(QString::fromLatin1(ProductInfo::kWebsite), "Label5", 1245, 1860);

    // A rule in the window-background colour, wider than the frame it sits in.
    Line1 = named(new QFrame(Frame1), "Line1", -60, 2760, 7140, 15);
    Line1->setAutoFillBackground(true);
    QPalette rule = Line1->palette();
    rule.setColor(QPalette::Window, rule.color(QPalette::Base));
    Line1->setPalette(rule);

    Label6 = textLabel(
        tr("Warning: this program is protected by copyright law. Copying or distributing it, "
           "in whole or in part, without the maker's permission is not allowed and may be "
           "prosecuted."),
        Frame1, "Label6", 360, 3060, 4605, 885);
    Label6->setWordWrap(true);

    // System Info comes first in the tab order and holds the focus at opening;
    // Enter still means OK (a focused System Info does not take over as default).
    cmdSysInfo =
        named(new QPushButton(tr("System Info..."), Frame1), "cmdSysInfo", 5220, 3510, 1395, 375);
    cmdSysInfo->setAutoDefault(false);
    cmdOk = named(new QPushButton(tr("&OK"), Frame1), "cmdOk", 5220, 3090, 1395, 375);
    cmdOk->setDefault(true);
    QWidget::setTabOrder(cmdSysInfo, cmdOk);
    cmdSysInfo->setFocus();

    connect(cmdOk, &QPushButton::clicked, this, &dlgAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &dlgAbout::cmdSysInfo_Click);
}

QLabel *dlgAbout::linkLabel(const QString &text, const char *name, int left, int top)
{
    QLabel *label = textLabel(text, Frame1, name, left, top, 4155, 285);
    Controls::setTextColor(label, kLinkColor);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
    return label;
}

QString dlgAbout::sysInfoUnavailable()
{
    return tr("System Information Is Unavailable At This Time");
}

dlgAbout *dlgAbout::openInstance()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        // A closed box is hidden until its deletion comes round: it does not count.
        auto *box = qobject_cast<dlgAbout *>(window);
        if (box && box->isVisible())
            return box;
    }
    return nullptr;
}

bool dlgAbout::eventFilter(QObject *watched, QEvent *event)
{
    const bool click = event->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (click && watched == Label3)
        Label3_Click();
    else if (click && watched == Label5)
        Label5_Click();
    return QDialog::eventFilter(watched, event);
}

void dlgAbout::keyPressEvent(QKeyEvent *event)
{
    // Escape does not close the box: only OK and the close box do.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void dlgAbout::cmdOK_Click()
{
    close();
}

void dlgAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void dlgAbout::Label3_Click()
{
    RunShellExecute(QStringLiteral("mailto:") + QString::fromLatin1(ProductInfo::kSupportEmail) +
                    QStringLiteral("?subject=Brimfold"));
}

void dlgAbout::Label5_Click()
{
    RunShellExecute(QString::fromLatin1(ProductInfo::kWebsite));
}

void dlgAbout::RunShellExecute(const QString &target)
{
    // The desktop picks the handler; when it has none, this says so.
    if (desktopCanOpen(*m_desktop, *m_prompts, this, QUrl(target), target))
        m_desktop->openUrl(QUrl(target));
}

void dlgAbout::StartSysInfo()
{
    const QString program = m_desktop->systemInfoProgram();
    if (program.isEmpty() || !m_desktop->startDetached(program))
        m_prompts->inform(this, sysInfoUnavailable(), Prompts::Icon::None);
}
