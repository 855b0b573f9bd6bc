#include "platform/posix/filemanagerbus.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QStringList>

namespace FileManagerBus {

namespace {
const QString kService = QStringLiteral("org.freedesktop.FileManager1");
const QString kObjectPath = QStringLiteral("/org/freedesktop/FileManager1");
} // namespace

bool send(const QDBusConnection &bus, const char *method, const QUrl &item,
          const std::function<void()> &onFailure)
{
    if (!bus.isConnected() || !item.isValid() || !QCoreApplication::instance())
        return false;
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kObjectPath, kService,
                                                          QString::fromLatin1(method));
    // The URI stays percent-encoded ASCII so every byte of the name arrives;
    // the empty startup id lets the file manager raise its window as it likes.
    message << QStringList{QString::fromLatin1(item.toEncoded())} << QString();
    const QDBusPendingCall pending = bus.asyncCall(message);
    // Owned by the application so a reply arriving after the caller has gone
    // still finds its watcher; the watcher captures nothing of the caller.
    auto *watcher = new QDBusPendingCallWatcher(pending, QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [onFailure](QDBusPendingCallWatcher *finished) {
                         if (finished->isError() && onFailure)
                             onFailure();
                         finished->deleteLater();
                     });
    return true;
}

} // namespace FileManagerBus
