#include "itemlist/list_table.h"

#include "itemlist/item_list.h"
#include "itemlist/units_apply.h"
#include "settings/message_table.h"

#include <gtest/gtest.h>

TEST(ListTable, HeaderSplitsTheTwoLineCaptions)
{
    ItemList list;
    const ListTable table = listTable(list, 1, 0, headerCaptions(UnitSettings{}, MessageTable::english()));
    EXPECT_EQ(table.header, QStringList({"Item", "Material", "E modulus [KN/m2]", "Density [Kg/m3]", "Area[cm2]",
                                         "Weight[Kg/m]", "Mom. of inertia Ix [cm4]", "Mom. of inertia Iy [cm4]",
                                         "Sect. modulus Kx Above [cm3]", "Sect. modulus Kx Under [cm3]",
                                         "Sect. modulus Ky Left [cm3]", "Sect. modulus Ky Right [cm3]",
                                         "Torsion inertia Ixx [cm4]", "Torsion inertia Kxx [cm3]", "Poisson",
                                         "Max.Tensile [N/mm2]", "Min.Pressure [N/mm2]"}));
    EXPECT_TRUE(table.rows.empty());
}

TEST(ListTable, EachFormatKeepsOneCellPerValue)
{
    const struct {
        QStringList cells;
        const char* tabLine;
        const char* csvLine;
    } cases[] = {
        {{"1.5", "x"}, "1.5\tx", "1.5,x"},
        {{"Box 50, welded", "2"}, "Box 50, welded\t2", "\"Box 50, welded\",2"},
        {{"1/2\" pipe", ""}, "1/2\" pipe\t", "\"1/2\"\" pipe\","},
        {{"a\tb", "c\nd"}, "a b\tc d", "a\tb,\"c\nd\""},
    };
    for (const auto& c : cases) {
        const ListTable table{{"A", "B"}, {c.cells}};
        EXPECT_EQ(tabSeparatedText(table), QString("A\tB\n") + c.tabLine + "\n");
        EXPECT_EQ(csvText(table), QString("A,B\r\n") + c.csvLine + "\r\n");
    }
}
