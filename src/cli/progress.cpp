#include "cli/progress.h"

#include "base/pathcodec.h"
#include "cli/fieldcodec.h"
#include "platform/console.h"

#include <QCoreApplication>

namespace {
constexpr int kDrawEveryMs = 250;
constexpr int kFolderChars = 60;
const QByteArray kClearLine = "\r\x1b[K";
} // namespace

Progress::Progress(bool enabled) : m_enabled(enabled)
{
    m_sinceStart.start();
}

void Progress::update(qint64 files, qint64 pages, const QString &folder)
{
    if (!m_enabled || (m_sinceDraw.isValid() && m_sinceDraw.elapsed() < kDrawEveryMs))
        return;
    m_sinceDraw.start();
    const qint64 ms = std::max<qint64>(m_sinceStart.elapsed(), 1);
    // The end of a long path says more than its start.
    QString shown = PathCodec::decode(FieldCodec::table(PathCodec::encode(folder)));
    if (shown.size() > kFolderChars)
        shown = QStringLiteral("...") + shown.right(kFolderChars - 3);
    const QString text = tr("%1 files, %2 pages, %3 files/s, %4")
                                 .arg(QString::number(files), QString::number(pages),
                                      QString::number(files * 1000 / ms), shown);
    Console::writeAll(Console::Stream::Error, kClearLine + PathCodec::encode(text));
    m_shown = true;
}

void Progress::clear()
{
    if (!m_shown)
        return;
    Console::writeAll(Console::Stream::Error, kClearLine);
    m_shown = false;
}
