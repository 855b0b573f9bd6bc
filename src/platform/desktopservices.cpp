#include "platform/desktopservices.h"

#include "base/pathcodec.h"

#include <QStandardPaths>

QUrl fileUrlOfPath(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return {};
    const QByteArray encoded = PathCodec::encode(path).toPercentEncoding("/");
    return QUrl::fromEncoded(QByteArrayLiteral("file://") + encoded, QUrl::StrictMode);
}

QString containingFolder(const QString &path)
{
    const qsizetype separator = path.lastIndexOf(QLatin1Char('/'));
    return separator < 0 ? QString() : path.left(separator + 1);
}

QStringList systemInfoProgramNames()
{
    return {QStringLiteral("hardinfo2"),
            QStringLiteral("hardinfo"),
            QStringLiteral("cpu-x"),
            QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"),
            QStringLiteral("mate-system-monitor"),
            QStringLiteral("xfce4-taskmanager")};
}

QString findProgramOnPath(const QStringList &names, const QString &searchPath)
{
    QStringList folders = searchPath.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    // Relative entries would depend on the folder the program was started in.
    folders.removeIf([](const QString &folder) { return !folder.startsWith(QLatin1Char('/')); });
    if (folders.isEmpty())
        return {};
    for (const QString &name : names) {
        const QString found = QStandardPaths::findExecutable(name, folders);
        if (!found.isEmpty())
            return found;
    }
    return {};
}
