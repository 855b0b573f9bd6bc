#pragma once

#include "export/exportrules.h"

#include <QString>
#include <functional>

class GridModel;

// Writes a grid to an export file as delimited text. The grid's text is
// copied into a scratch grid through a scratch file before the user is asked
// where to write; the export file then holds the scratch grid without the
// columns hidden in the source grid, header row first.
namespace ExportWriter {

enum class Outcome { Written, Cancelled, Failed };

struct Result
{
    Outcome outcome = Outcome::Failed;
    QString fileName; // the file written (Written)
    QString error;    // the description of what went wrong (Failed)
};

// Asks the user for the target; called once, after the scratch copy is made.
using ChooseTarget = std::function<ExportRules::ExportChoice()>;

inline const QString kScratchFileName = QStringLiteral("Temp.xls");

// `scratchFolder` holds the scratch file "Temp.xls" for the moment of the
// copy; when it cannot be written there, a temporary file elsewhere is used.
// Either way the scratch file is gone when this returns. An empty file name
// from `choose` (the dialog closed without Save or Cancel) counts as a
// cancel. The export file is replaced only once it is written in full.
Result exportGrid(GridModel &grid, GridModel &scratch, const QString &scratchFolder,
                  const ChooseTarget &choose);

// The separators string of the export file for a chosen column separator:
// that character and CR, or the default pair (tab and CR) when it is empty.
QString exportSeparators(const QString &columnSeparator);

} // namespace ExportWriter
