#include "export/exportrules.h"

#include <QCoreApplication>

#include <algorithm>

namespace ExportRules {

namespace {
constexpr QStringView kRefusedNameChars = u"|\\?><:/*\"";
constexpr QChar kFolderSeparator = u'/';
} // namespace

const QStringList &fileTypeEntries()
{
    // Each entry ends in its extension's pattern, which FileTypeExtension reads.
    static const QStringList entries{
        //: Keep "(*.txt)" at the end as it is
        QCoreApplication::translate("ExportRules", "Text Document (*.txt)"),
        //: Keep "(*.xls)" at the end as it is
        QCoreApplication::translate("ExportRules", "Excel Worksheet (*.xls)"),
        //: Keep "(*.doc)" at the end as it is
        QCoreApplication::translate("ExportRules", "Word Document (*.doc)"),
        //: Keep "(*.csv)" at the end as it is
        QCoreApplication::translate("ExportRules", "CSV File (*.csv)"),
    };
    return entries;
}

QString FileTypeExtension(const QString &entry)
{
    return entry.right(4).left(3);
}

bool typeTakesSeparator(const QString &entry)
{
    return entry == fileTypeEntries().at(TextDocument) ||
           entry == fileTypeEntries().at(WordDocument);
}

bool IsFileNameCharRefused(QChar c)
{
    return kRefusedNameChars.contains(c);
}

QString defaultFileName(const QDate &today)
{
    return today.toString(QStringLiteral("yyyy_MM_dd")) + QStringLiteral("_Data");
}

QString exportStartFolder(const QString &exportLocation, const QString &home)
{
    const bool blank = std::all_of(exportLocation.cbegin(), exportLocation.cend(),
                                   [](QChar c) { return c == u' '; });
    return blank ? home : exportLocation;
}

QString ValidateExportInput(const QString &name, bool separatorShown, const QString &separator)
{
    if (name.isEmpty())
        return QCoreApplication::translate("ExportRules", "File Name must be specified.");
    if (separatorShown && separator.isEmpty())
        return QCoreApplication::translate("ExportRules", "Column Saperator must be specified.");
    return {};
}

QString exportFilePath(const QString &folder, const QString &name, const QString &extension)
{
    const QString suffix = u'.' + extension;
    const QString stem =
        name.endsWith(suffix, Qt::CaseSensitive) ? name.chopped(suffix.size()) : name;
    // A root folder already ends in the separator.
    const QString prefix = folder.endsWith(kFolderSeparator) ? folder : folder + kFolderSeparator;
    return prefix + stem + suffix;
}

} // namespace ExportRules
