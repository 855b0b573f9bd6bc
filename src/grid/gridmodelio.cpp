#include "grid/gridmodel.h"

#include "grid/delimitedtext.h"
#include "base/qtfilename.h"
#include "base/replacefile.h"

#include <QFile>
#include <QIODevice>

#include <optional>

// Delimited-text save and load of the whole grid, fixed cells included.

namespace {

constexpr qsizetype kWriteChunk = 1 << 20;

bool writeAll(QIODevice *device, const QString &text, QString *error)
{
    const QByteArray bytes = DelimitedText::encode(text);
    if (device->write(bytes) == bytes.size())
        return true;
    *error = device->errorString();
    return false;
}

// The separators named by `text`, or nothing, with the reason in `error`,
// when they cannot tell cells from rows.
std::optional<DelimitedText::Separators> usableSeparators(const QString &text, QString *error)
{
    const DelimitedText::Separators separators = DelimitedText::Separators::fromString(text);
    if (separators.isUsable())
        return separators;
    *error = GridModel::tr("The column and row separators must be two different characters.");
    return std::nullopt;
}

} // namespace

bool GridModel::saveToDevice(QIODevice *device)
{
    const auto usable = usableSeparators(m_separators, &m_errorString);
    if (!usable)
        return false;
    const DelimitedText::Separators separators = *usable;
    if (!device || !device->isWritable()) {
        m_errorString = device ? device->errorString() : tr("No device to write to.");
        return false;
    }
    // A CR row end gets an LF after it, so that line-based tools see the rows;
    // loading reads CR LF as one row end (unless LF separates the columns).
    const bool endsRowsWithCrLf = separators.row == u'\r' && separators.column != u'\n';
    QString chunk;
    for (int row = 0; row < rows(); ++row) {
        for (int col = 0; col < cols(); ++col) {
            if (col > 0)
                chunk += separators.column;
            DelimitedText::appendCell(chunk, textView(row, col), separators);
        }
        chunk += separators.row;
        if (endsRowsWithCrLf)
            chunk += u'\n';
        if (chunk.size() >= kWriteChunk && !writeAll(device, std::exchange(chunk, QString()), &m_errorString))
            return false;
    }
    return writeAll(device, chunk, &m_errorString);
}

bool GridModel::saveToFile(const QString &path)
{
    if (!qtCanOpenByName(path)) {
        m_errorString = tr("The file name cannot be used: %1").arg(path);
        return false;
    }
    return replaceFile(path, [this](QIODevice *device) { return saveToDevice(device); }, &m_errorString);
}

bool GridModel::loadFromDevice(QIODevice *device)
{
    const auto usable = usableSeparators(m_separators, &m_errorString);
    if (!usable)
        return false;
    const DelimitedText::Separators separators = *usable;
    if (!device || !device->isReadable()) {
        m_errorString = device ? device->errorString() : tr("No device to read from.");
        return false;
    }
    const QByteArray bytes = device->readAll();
    if (bytes.isEmpty() && !device->errorString().isEmpty() && !device->atEnd()) {
        m_errorString = device->errorString();
        return false;
    }
    std::vector<Row> loaded;
    int widest = 0;
    DelimitedText::parse(DelimitedText::decode(bytes), separators, [&](const QStringList &cells) {
        loaded.emplace_back();
        loaded.back().cells.setCells(cells);
        widest = std::max(widest, int(cells.size()));
    });
    replaceAll(std::move(loaded), loaded.empty() ? cols() : widest);
    return true;
}

bool GridModel::loadFromFile(const QString &path)
{
    if (!qtCanOpenByName(path)) {
        m_errorString = tr("The file name cannot be used: %1").arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_errorString = file.errorString();
        return false;
    }
    return loadFromDevice(&file);
}

// New content: rows and columns as given; the settings of columns that
// remain are kept, flags and pictures start afresh.
void GridModel::replaceAll(std::vector<Row> &&rows, int cols)
{
    beginResetModel();
    m_rows = std::move(rows);
    if (m_rows.size() < size_t(m_fixedRows))
        m_rows.resize(size_t(m_fixedRows));
    cols = std::clamp(cols, m_fixedCols, PackedRow::kMaxCells);
    m_columns.resize(size_t(cols));
    if (m_checkColumn >= cols)
        m_checkColumn = -1;
    if (m_tallyColumn >= cols)
        m_tallyColumn = -1;
    retally();
    m_currentRow = std::min(m_currentRow, this->rows() - 1);
    m_currentCol = std::min(m_currentCol, std::max(0, cols - 1));
    endResetModel();
    Q_EMIT currentCellChanged(m_currentRow, m_currentCol);
}
