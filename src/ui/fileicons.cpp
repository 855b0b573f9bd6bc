#include "ui/fileicons.h"

#include "base/pathcodec.h"

#include <QFileIconProvider>
#include <QIcon>

namespace {

constexpr int kIconSize = 16;

void ensureIconTheme()
{
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    if (QIcon::fallbackThemeName().isEmpty())
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
}

QIcon themedIcon(const QMimeType &type)
{
    for (const QString &name : {type.iconName(), type.genericIconName(), QStringLiteral("image-x-generic")}) {
        if (!name.isEmpty() && QIcon::hasThemeIcon(name))
            return QIcon::fromTheme(name);
    }
    return {};
}

} // namespace

ThemeFileIcons::ThemeFileIcons()
{
    ensureIconTheme();
}

QVariant ThemeFileIcons::iconFor(const QString &fullPath)
{
    // By name only: reading the file's content to guess its type would cost
    // another open for every listed file.
    const QMimeType type = m_mimeTypes.mimeTypeForFile(fullPath, QMimeDatabase::MatchExtension);
    const auto cached = m_byMimeType.constFind(type.name());
    if (cached != m_byMimeType.constEnd())
        return *cached;
    QIcon icon = themedIcon(type);
    if (icon.isNull())
        icon = QFileIconProvider().icon(QAbstractFileIconProvider::File);
    const QImage image = icon.pixmap(kIconSize, kIconSize).toImage();
    m_byMimeType.insert(type.name(), image);
    return image;
}
