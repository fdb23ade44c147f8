#pragma once

// Items, paper and a text measure with fixed numbers for the print tests.
#include "itemlist/item_list.h"
#include "itemlist/units_apply.h"
#include "output/print_layout.h"
#include "sections/units.h"
#include "settings/message_table.h"

#include <QColor>
#include <gtest/gtest.h>
#include <QImage>

// Every character is half the point size wide; a line is twice the size high.
inline TextMeasure fixedMeasure()
{
    TextMeasure measure;
    measure.width = [](const QString& text, int points) { return int((text.size() * points + 1) / 2); };
    measure.lineHeight = [](int points) { return 2 * points; };
    return measure;
}

// Paper in dots of a tenth of a millimetre (254 dpi), with equal unprintable
// strips on every side.
inline PrinterMetrics paperMetrics(int widthMm, int heightMm, double stripMm = 0)
{
    PrinterMetrics m;
    m.dpiX = m.dpiY = 254;
    m.paperWidth = widthMm * 10;
    m.paperHeight = heightMm * 10;
    m.offsetX = m.offsetY = int(stripMm * 10);
    m.printableWidth = m.paperWidth - 2 * m.offsetX;
    m.printableHeight = m.paperHeight - 2 * m.offsetY;
    return m;
}

inline ListRow printRow(int index, const QString& designation)
{
    ListRow row;
    row.cells = {QString::number(index), "00", designation, "210000000", "7850", "3.240000", "1.89&6.08",
                 "1.89&1.89", "3.04&3.04", "5.12&4.01", " 0.29", "300&-300"};
    row.itemValues[1] = 7850;
    row.itemValues[2] = 324;
    row.rowPicture = QImage(240, 160, QImage::Format_RGB32);
    row.rowPicture.fill(QColor(200, 0, 0));
    return row;
}

inline ItemList printList(int count, const QString& designation = "40x20x3 RH Section")
{
    ItemList list;
    for (int i = 1; i <= count; ++i)
        list.put(i, printRow(i, designation));
    return list;
}

inline PrintContent printContent(const ItemList& list, ReportOptions options = {})
{
    PrintContent content;
    content.list = &list;
    content.headers = headerCaptions(UnitSettings{}, MessageTable::english());
    content.options = options;
    return content;
}

inline ReportOptions noColumns(bool pictures)
{
    ReportOptions o;
    o.visibleColumns.fill(false);
    o.pictures = pictures;
    return o;
}

// The layout of the content, which must fit.
inline PrintLayout laidOut(const PrinterMetrics& metrics, const PrintMargins& margins, const PrintContent& content,
                           const TextMeasure& measure = fixedMeasure())
{
    const LayoutOutcome outcome = layoutPrint(metrics, margins, content, measure);
    EXPECT_TRUE(outcome.layout.has_value());
    return outcome.layout.value_or(PrintLayout{});
}
