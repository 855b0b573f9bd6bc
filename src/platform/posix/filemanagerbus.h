#pragma once

#include <QDBusConnection>
#include <QString>
#include <QUrl>

#include <functional>

// The desktop file manager's D-Bus interface (org.freedesktop.FileManager1).
namespace FileManagerBus {

inline constexpr const char *kShowItems = "ShowItems";
inline constexpr const char *kShowItemProperties = "ShowItemProperties";

// Sends `method` for one item to the file manager and returns at once. When
// the call later fails (no file manager on the bus, an error, no answer in
// time) `onFailure` runs from the event loop. Returns false, and never runs
// `onFailure`, when the request could not be sent at all.
bool send(const QDBusConnection &bus, const char *method, const QUrl &item,
          const std::function<void()> &onFailure = {});

} // namespace FileManagerBus
