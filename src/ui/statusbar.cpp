#include "ui/statusbar.h"

#include "ui/twips.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QTime>
#include <QTimer>

namespace {

constexpr int kFilesWidthTwips = 3528;
constexpr int kClockWidthTwips = 2540;
constexpr int kMessageMinimumTwips = 2540;

QLabel *makePanel(const QString &key, int widthTwips, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(key);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Folder names are shown as written, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setMouseTracking(true);
    const int pixels = twipsToPixels(widthTwips, widgetDpi(parent));
    if (key == StatusBar::MessageKey)
        label->setMinimumWidth(pixels);
    else
        label->setFixedWidth(pixels);
    return label;
}

} // namespace

StatusBar::StatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("sbGeneral"));
    setSizeGripEnabled(true);
    setMouseTracking(true);
    m_message = makePanel(MessageKey, kMessageMinimumTwips, this);
    m_files = makePanel(FilesKey, kFilesWidthTwips, this);
    m_clock = makePanel(ClockKey, kClockWidthTwips, this);
    addWidget(m_message, 1);
    addPermanentWidget(m_files);
    addPermanentWidget(m_clock);
    for (QLabel *label : {m_message, m_files, m_clock})
        label->installEventFilter(this);

    m_clockTimer = new QTimer(this);
    connect(m_clockTimer, &QTimer::timeout, this, &StatusBar::updateClock);
    m_clockTimer->start(1000);
    updateClock();
}

QLabel *StatusBar::panel(const QString &key) const
{
    if (key == MessageKey)
        return m_message;
    if (key == FilesKey)
        return m_files;
    if (key == ClockKey)
        return m_clock;
    return nullptr;
}

void StatusBar::setPanelText(const QString &key, const QString &text)
{
    if (QLabel *label = panel(key))
        label->setText(text);
}

void StatusBar::updateClock()
{
    m_clock->setText(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat));
}

void StatusBar::pointerMovedTo(int x, const QDate &today)
{
    const int left = m_files->geometry().left();
    if (x >= left && x <= left + m_files->width())
        //: A date pattern (dddd weekday, MMMM month name, dd day, yyyy year).
        m_files->setToolTip(QLocale().toString(today, tr("dddd, MMMM dd, yyyy"))
                            + (m_filesNote.isEmpty() ? QString() : u'\n' + m_filesNote));
}

void StatusBar::mouseMoveEvent(QMouseEvent *event)
{
    pointerMovedTo(event->position().toPoint().x(), QDate::currentDate());
    QStatusBar::mouseMoveEvent(event);
}

bool StatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        auto *label = static_cast<QWidget *>(watched);
        const auto *move = static_cast<QMouseEvent *>(event);
        pointerMovedTo(label->mapTo(this, move->position().toPoint()).x(), QDate::currentDate());
    }
    return QStatusBar::eventFilter(watched, event);
}
