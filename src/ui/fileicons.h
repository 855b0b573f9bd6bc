#pragma once

#include "search/searchinterfaces.h"

#include <QHash>
#include <QImage>
#include <QMimeDatabase>

// Small file-type icons from the desktop's icon theme: the file's MIME type
// names the icon; the generic file icon serves when the theme has none.
class ThemeFileIcons : public FileIconSource
{
public:
    ThemeFileIcons();
    QVariant iconFor(const QString &fullPath) override;

private:
    QMimeDatabase m_mimeTypes;
    QHash<QString, QImage> m_byMimeType; // one rendering per type
};
