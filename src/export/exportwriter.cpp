#include "export/exportwriter.h"

#include "grid/gridmodel.h"
#include "base/qtfilename.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <memory>

namespace ExportWriter {

namespace {

constexpr QChar kRowSeparator = u'\r';

// Opens the scratch file: "Temp.xls" in `folder` (overwritten), or a fresh
// temporary file when that cannot be used. Null when neither opens.
std::unique_ptr<QFile> openScratchFile(const QString &folder, QString *error)
{
    const QString path = QDir(folder).filePath(kScratchFileName);
    // A link there could point anywhere: never write through it.
    if (!folder.isEmpty() && qtCanOpenByName(path) && !QFileInfo(path).isSymLink()) {
        auto file = std::make_unique<QFile>(path);
        if (file->open(QIODevice::ReadWrite | QIODevice::Truncate))
            return file;
    }
    auto fallback = std::make_unique<QTemporaryFile>(
        QDir::temp().filePath(QStringLiteral("brimfold-XXXXXX.xls")));
    if (fallback->open())
        return fallback;
    *error = fallback->errorString();
    return nullptr;
}

// Step one of every export: `scratch` gets the text of every cell of `grid`,
// hidden rows and columns included, by a save to the scratch file and a load
// back from it. The scratch file is removed before this returns.
bool copyThroughScratchFile(GridModel &grid, GridModel &scratch, const QString &folder,
                            QString *error)
{
    const std::unique_ptr<QFile> file = openScratchFile(folder, error);
    if (!file)
        return false;
    scratch.setCols(grid.cols());
    scratch.setSeparators(grid.separators());
    bool ok = false;
    if (!grid.saveToDevice(file.get()))
        *error = grid.errorString();
    else if (!file->flush() || !file->seek(0))
        *error = file->errorString();
    else if (!scratch.loadFromDevice(file.get()))
        *error = scratch.errorString();
    else
        ok = true;
    scratch.setSeparators(QString());
    // A failed flush marks the file; remove() would then refuse to act.
    file->close();
    file->unsetError();
    file->remove();
    return ok;
}

// Walking from the last column down keeps the lower indices the same in both
// grids, so the source's hidden flags apply as they stand.
void dropHiddenColumns(const GridModel &grid, GridModel &scratch)
{
    for (int col = grid.cols() - 1; col >= 0; --col) {
        if (!grid.isColumnHidden(col) || col >= scratch.cols())
            continue;
        scratch.moveColumn(col, scratch.cols() - 1);
        scratch.setCols(scratch.cols() - 1);
    }
}

// Written beside the target, which is replaced only once every byte is out.
bool saveReplacing(GridModel &grid, const QString &path, QString *error)
{
    if (grid.saveToFile(path))
        return true;
    *error = grid.errorString();
    return false;
}

bool writeExportFile(GridModel &scratch, const ExportRules::ExportChoice &choice, QString *error)
{
    const QString previous = scratch.separators();
    scratch.setSeparators(exportSeparators(choice.columnSeparator));
    const bool ok = saveReplacing(scratch, choice.fileName, error);
    scratch.setSeparators(previous);
    return ok;
}

Result failed(const QString &error)
{
    return {Outcome::Failed, QString(), error};
}

} // namespace

QString exportSeparators(const QString &columnSeparator)
{
    return columnSeparator.isEmpty() ? QString() : columnSeparator + kRowSeparator;
}

Result exportGrid(GridModel &grid, GridModel &scratch, const QString &scratchFolder,
                  const ChooseTarget &choose)
{
    scratch.setSeparators(QString());
    QString error;
    if (!copyThroughScratchFile(grid, scratch, scratchFolder, &error))
        return failed(error);
    const ExportRules::ExportChoice choice = choose();
    if (choice.fileName == ExportRules::kCancelledMarker || choice.fileName.isEmpty())
        return {Outcome::Cancelled, QString(), QString()};
    dropHiddenColumns(grid, scratch);
    if (!writeExportFile(scratch, choice, &error))
        return failed(error);
    return {Outcome::Written, choice.fileName, QString()};
}

} // namespace ExportWriter
