#pragma once

#include "results/foldertotal.h"
#include "results/pagebreakdownwords.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <span>

// The columns a FolderTotal is shown in, one entry each: Folder Totals and
// its CSV, the page report's folder table and totals lines, brimfold-count's
// folder and total lines in every format. Each of them lists the keys it
// shows, in its own order.
enum class FolderTotalKey : quint8 {
    Location, Files, Pages, Unreadable, A4Equivalent, Color, Grayscale, BlackAndWhite, UnknownMode, UnknownSize,
    Sizes
};

struct FolderTotalColumn
{
    FolderTotalKey key;
    const char *caption;       // heads the column in Folder Totals and the report (folderTotalCaptions)
    const char *narrowCaption; // in brimfold-count's table
    const char *field;         // in brimfold-count's csv and tsv
    const char *lineLabel;     // labels the report's totals line (folderTotalLineLabel)
    // A number column's value; a sum's is read from the summed total.
    qint64 (*count)(const FolderTotal &total);
    // A text column's text (count is null).
    QString (*text)(const FolderTotal &total, TextFor form);

    bool isNumber() const { return count != nullptr; }
};

const FolderTotalColumn &folderTotalColumn(FolderTotalKey key);

// The captions of `columns` and the label of a totals line, in the user's language.
QStringList folderTotalCaptions(std::span<const FolderTotalKey> columns);
QString folderTotalLineLabel(FolderTotalKey key);
// The values of `total` in `columns` as text (numbers as `numbers` writes
// them: the C locale's are plain digits).
QStringList folderTotalTexts(const FolderTotal &total, std::span<const FolderTotalKey> columns, TextFor form,
                             const QLocale &numbers = QLocale::c());

// Folder Totals' columns, in order; brimfold-count's folder lines too (its
// total line leaves out the first, the location).
inline constexpr FolderTotalKey kFolderTotalsColumns[] = {
        FolderTotalKey::Location,     FolderTotalKey::Files, FolderTotalKey::Pages,     FolderTotalKey::Unreadable,
        FolderTotalKey::A4Equivalent, FolderTotalKey::Color, FolderTotalKey::Grayscale, FolderTotalKey::BlackAndWhite,
        FolderTotalKey::UnknownSize,  FolderTotalKey::Sizes};
