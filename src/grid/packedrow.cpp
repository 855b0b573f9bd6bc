#include "grid/packedrow.h"

#include <algorithm>
#include <vector>

namespace {
constexpr int kHeaderUnits = 1;
constexpr int kUnitsPerOffset = 2;
} // namespace

quint32 PackedRow::endOf(int index) const
{
    const QChar *offsets = m_data.constData() + kHeaderUnits + kUnitsPerOffset * index;
    return quint32(offsets[0].unicode()) | (quint32(offsets[1].unicode()) << 16);
}

QStringView PackedRow::cell(int index) const
{
    const int count = storedCells();
    if (index < 0 || index >= count)
        return {};
    const quint32 begin = index == 0 ? 0 : endOf(index - 1);
    const QChar *text = m_data.constData() + kHeaderUnits + kUnitsPerOffset * count;
    return QStringView(text + begin, qsizetype(endOf(index) - begin));
}

std::vector<QStringView> PackedRow::views(int count) const
{
    std::vector<QStringView> cells;
    cells.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        cells.push_back(cell(i));
    return cells;
}

void PackedRow::pack(const QStringView *cells, int count)
{
    while (count > 0 && cells[count - 1].isEmpty())
        --count;
    if (count == 0) {
        m_data.clear();
        return;
    }
    qsizetype total = 0;
    for (int i = 0; i < count; ++i)
        total += cells[i].size();
    const qsizetype textStart = kHeaderUnits + kUnitsPerOffset * count;
    QString packed(textStart + total, Qt::Uninitialized);
    QChar *out = packed.data();
    out[0] = QChar(char16_t(count));
    quint32 end = 0;
    for (int i = 0; i < count; ++i) {
        std::copy(cells[i].begin(), cells[i].end(), out + textStart + end);
        end += quint32(cells[i].size());
        out[kHeaderUnits + kUnitsPerOffset * i] = QChar(char16_t(end & 0xFFFF));
        out[kHeaderUnits + kUnitsPerOffset * i + 1] = QChar(char16_t(end >> 16));
    }
    m_data = std::move(packed);
}

void PackedRow::setCell(int index, QStringView text)
{
    if (index < 0 || index >= kMaxCells)
        return;
    const int count = std::max(storedCells(), index + 1);
    std::vector<QStringView> cells = views(count);
    cells[size_t(index)] = text;
    pack(cells.data(), count);
}

void PackedRow::setCells(const QStringList &texts)
{
    const int count = int(std::min<qsizetype>(texts.size(), kMaxCells));
    std::vector<QStringView> cells(texts.begin(), texts.begin() + count);
    pack(cells.data(), count);
}

void PackedRow::truncate(int cellCount)
{
    if (cellCount >= storedCells())
        return;
    std::vector<QStringView> cells = views(cellCount);
    pack(cells.data(), cellCount);
}

void PackedRow::moveCell(int from, int to)
{
    const int count = std::max({storedCells(), from + 1, to + 1});
    std::vector<QStringView> cells = views(count);
    const QStringView moved = cells[size_t(from)];
    cells.erase(cells.begin() + from);
    cells.insert(cells.begin() + to, moved);
    pack(cells.data(), count);
}
