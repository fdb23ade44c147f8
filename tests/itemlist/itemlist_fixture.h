#pragma once

// The English messages and the steel of the material boxes, shared by the list tests.
#include "itemlist/item_list.h"
#include "sections/material.h"
#include "settings/message_table.h"

#include <gtest/gtest.h>

inline const MessageTable& m()
{
    return MessageTable::english();
}

inline UnitSettings units(const char* digits)
{
    return *UnitSettings::fromDigits(digits);
}

// The material boxes as they start: the first item of each list, 300 and -300 N/mm2.
inline MaterialTexts steel()
{
    MaterialTexts t;
    t.eItems = eModulusItems();
    t.densityItems = densityItems();
    t.poissonItems = poissonItems();
    t.eModulus = t.eItems[0];
    t.density = t.densityItems[0];
    t.poisson = t.poissonItems[0];
    t.tensile = "300";
    t.pressure = "-300";
    return t;
}

// The texts of the given cells of a row.
inline QStringList cellsOf(const ListRow& row, std::initializer_list<int> columns)
{
    QStringList texts;
    for (int c : columns)
        texts << row.cells[std::size_t(c)];
    return texts;
}

// The stored values of a row against {slot, value} pairs, to twelve digits.
inline void expectValues(const ListRow& row, std::initializer_list<std::pair<int, double>> expected)
{
    for (const auto& [slot, value] : expected)
        EXPECT_NEAR(double(row.itemValues[std::size_t(slot)]), value, 1e-12 * std::max(1.0, std::abs(value)))
            << "slot " << slot;
}
