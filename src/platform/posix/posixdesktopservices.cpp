#include "platform/posix/posixdesktopservices.h"

#include "platform/posix/filemanagerbus.h"
#include "base/pathcodec.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A handler query reads a few small files; a desktop that takes longer is
// left to try opening the link itself.
constexpr int kHandlerQueryMs = 2000;

} // namespace

std::unique_ptr<DesktopServices> createDesktopServices()
{
    return std::make_unique<PosixDesktopServices>();
}

PosixDesktopServices::PosixDesktopServices()
    : m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); }),
      m_searchPath(qEnvironmentVariable("PATH"))
{
}

QDBusConnection PosixDesktopServices::bus()
{
    if (!m_bus)
        m_bus = QDBusConnection::sessionBus();
    return *m_bus;
}

bool PosixDesktopServices::openPath(const QString &path)
{
    const QUrl url = fileUrlOfPath(path);
    return url.isValid() && m_openUrl(url);
}

bool PosixDesktopServices::openFile(const QString &path)
{
    return openPath(path);
}

bool PosixDesktopServices::openFolder(const QString &path)
{
    return openPath(path);
}

bool PosixDesktopServices::showProperties(const QString &path)
{
    const QUrl url = fileUrlOfPath(path);
    return url.isValid() && FileManagerBus::send(bus(), FileManagerBus::kShowItemProperties, url);
}

bool PosixDesktopServices::showInFolder(const QString &path)
{
    const QUrl url = fileUrlOfPath(path);
    if (!url.isValid())
        return false;
    const QUrl folder = fileUrlOfPath(containingFolder(path));
    const UrlOpener open = m_openUrl;
    const auto openFolderInstead = [open, folder] { open(folder); };
    if (FileManagerBus::send(bus(), FileManagerBus::kShowItems, url, openFolderInstead))
        return true;
    return open(folder);
}

bool PosixDesktopServices::openUrl(const QUrl &url)
{
    return url.isValid() && m_openUrl(url);
}

bool PosixDesktopServices::hasApplicationFor(const QUrl &url) const
{
    // The desktop's own table of handlers, as xdg-open reads it.
    const QString type = url.isLocalFile()
            ? QMimeDatabase().mimeTypeForFile(url.toLocalFile(), QMimeDatabase::MatchExtension).name()
            : QStringLiteral("x-scheme-handler/") + url.scheme();
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(kHandlerQueryMs) || query.exitStatus() != QProcess::NormalExit
        || query.exitCode() != 0)
        return true; // no answer: let the desktop try
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

bool PosixDesktopServices::deleteFile(const QString &path, QString *errorText)
{
    const QByteArray bytes = PathCodec::encode(path);
    // A NUL would cut the name short and name another file; a relative path
    // would depend on the current folder.
    if (!bytes.startsWith('/') || bytes.contains('\0')) {
        if (errorText)
            *errorText = QCoreApplication::translate("PosixDesktopServices", "Not a valid file path.");
        return false;
    }
    // unlinkat without AT_REMOVEDIR removes a link itself and refuses folders.
    if (::unlinkat(AT_FDCWD, bytes.constData(), 0) == 0)
        return true;
    if (errorText)
        *errorText = qt_error_string(errno);
    return false;
}

QString PosixDesktopServices::systemInfoProgram() const
{
    return findProgramOnPath(systemInfoProgramNames(), m_searchPath);
}

bool PosixDesktopServices::startDetached(const QString &program)
{
    return !program.isEmpty() && QProcess::startDetached(program, {});
}
