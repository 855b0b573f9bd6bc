#pragma once

#include "platform/desktopservices.h"

#include <QDBusConnection>

#include <functional>
#include <optional>

// Desktop services of a freedesktop.org desktop: the desktop's URL handlers
// for opening, the file manager over D-Bus for properties and show-in-folder,
// unlink for deletion, PATH for the system-information tool.
class PosixDesktopServices : public DesktopServices
{
public:
    using UrlOpener = std::function<bool(const QUrl &)>;

    PosixDesktopServices();

    // Test seams: what opens URLs, which bus reaches the file manager, and the
    // PATH searched for programs.
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    void setBus(const QDBusConnection &bus) { m_bus = bus; }
    void setSearchPath(const QString &searchPath) { m_searchPath = searchPath; }

    bool openFile(const QString &path) override;
    bool openFolder(const QString &path) override;
    bool showProperties(const QString &path) override;
    bool showInFolder(const QString &path) override;
    bool openUrl(const QUrl &url) override;
    bool hasApplicationFor(const QUrl &url) const override;
    bool deleteFile(const QString &path, QString *errorText) override;
    QString systemInfoProgram() const override;
    bool startDetached(const QString &program) override;

private:
    bool openPath(const QString &path);
    QDBusConnection bus();

    UrlOpener m_openUrl;
    // The session bus is reached only when first needed.
    std::optional<QDBusConnection> m_bus;
    QString m_searchPath;
};
