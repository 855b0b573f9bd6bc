#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The rules of the export dialog, kept free of widgets: the file types, the
// default file name, the characters a name may not be typed with, the checks
// made on Save and the path the dialog hands back.
namespace ExportRules {

// What the dialog hands to the export writer once it has closed.
struct ExportChoice
{
    QString fileName;        // full path, kCancelledMarker, or empty (closed by other means)
    QString columnSeparator; // one character for the text and Word types; else empty
};

inline const QString kCancelledMarker = QStringLiteral("//Cancelled//");

enum FileType : int { TextDocument = 0, ExcelWorksheet = 1, WordDocument = 2, CsvFile = 3 };

// The four type list entries, in list order.
const QStringList &fileTypeEntries();

// The extension named by a type entry: of its last four characters, the
// first three ("Text Document (*.txt)" gives "txt").
QString FileTypeExtension(const QString &entry);

// The text and Word types let the user choose the column separator; the
// others always use a tab.
bool typeTakesSeparator(const QString &entry);

// Typed characters the name box discards: | \ ? > < : / * and the double quote.
bool IsFileNameCharRefused(QChar c);

// Today's preset name: "yyyy_MM_dd_Data".
QString defaultFileName(const QDate &today);

// The folder the dialog opens at: the export-location setting, or `home`
// when the setting is empty or holds only spaces.
QString exportStartFolder(const QString &exportLocation, const QString &home);

// The message Save shows for unusable input, or an empty text when the input
// may be saved. A name made of spaces passes.
QString ValidateExportInput(const QString &name, bool separatorShown, const QString &separator);

// `folder`/`name`.`extension`, where a name already ending in "." and the
// extension (same case) does not get it twice.
QString exportFilePath(const QString &folder, const QString &name, const QString &extension);

} // namespace ExportRules
