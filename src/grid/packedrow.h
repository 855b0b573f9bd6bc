#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// The texts of one grid row packed into a single string: a cell count, the
// end offset of every cell, then the texts back to back. One allocation per
// row instead of one per cell keeps a million rows small. Trailing empty
// cells are not stored, so an empty row costs no allocation at all.
class PackedRow
{
public:
    static constexpr int kMaxCells = 0xFFFF;

    int storedCells() const { return m_data.isEmpty() ? 0 : m_data.at(0).unicode(); }
    QStringView cell(int index) const;

    // Asks the processor to fetch the texts ahead of a pass over many rows.
    void prefetch() const { __builtin_prefetch(m_data.constData()); }

    void setCell(int index, QStringView text);
    void setCells(const QStringList &texts);
    void truncate(int cellCount);
    void moveCell(int from, int to);

private:
    quint32 endOf(int index) const;
    std::vector<QStringView> views(int count) const; // cells 0..count-1
    void pack(const QStringView *cells, int count);

    QString m_data;
};
