#pragma once

#include "sections/tab_result.h"

#include <QString>
#include <array>
#include <vector>

// Dimension values over the section picture: entry 0 holds the count of
// labels in use, entries 1..count their centre (x, y) and text. Entries above
// the count keep old contents and are ignored.
class DimensionLabelTable {
public:
    static constexpr int Size = 101;

    struct Entry {
        QString x;
        QString y;
        QString text;
    };

    DimensionLabelTable();

    // Index, x and y as decimal texts; entry 0 takes the count as x.
    void setLabel(const QString& index, const QString& x, const QString& y, const QString& text);
    // Count and entries from a computation's labels.
    void setLabels(const std::vector<DimensionLabel>& labels);

    const Entry& entry(int index) const { return m_entries[std::size_t(index)]; }
    int count() const;

private:
    std::array<Entry, Size> m_entries;
};
