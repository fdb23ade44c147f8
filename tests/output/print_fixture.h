#pragma once

// Items, paper, a text measure with fixed numbers and JPEG checks for the
// report and print tests.
#include "drawing/overlay.h"
#include "itemlist/item_list.h"
#include "itemlist/units_apply.h"
#include "output/print_layout.h"
#include "output/report_page.h"
#include "sections/units.h"
#include "settings/message_table.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

// A listed steel tube whose picture is a navy frame with a red bar on white,
// reduced to sixteen colours as listing does.
inline ListRow sampleRow(const QString& designation, long double density = 7850, long double area = 1000)
{
    ListRow row;
    row.cells = {QString(), "00", designation, "210000000", "7850", "10.000000", "12.50&8.25", "3.10&3.20",
                 "2.00&2.10", "20.00&5.00", " 0.29", "300&-300"};
    row.itemValues[1] = density;
    row.itemValues[2] = area;
    QImage picture(240, 160, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(20, 20, 100, 60, QColor(0, 0, 128));
    painter.fillRect(140, 90, 80, 50, QColor(255, 0, 0));
    painter.end();
    row.rowPicture = toSixteenColours(picture);
    return row;
}

// Items "Tube 1", "Tube 2", ... or all of one designation.
inline ItemList sampleList(int count, const QString& designation = QString())
{
    ItemList list;
    for (int r = 1; r <= count; ++r)
        list.put(r, sampleRow(designation.isEmpty() ? QStringLiteral("Tube %1").arg(r) : designation));
    return list;
}

inline ItemList printList(int count, const QString& designation = "40x20x3 RH Section")
{
    return sampleList(count, designation);
}

// A 4 mm plate of 1000 x 2000 as the plate tab lists it.
inline ListRow plateRow()
{
    ListRow plate;
    plate.isPlate = true;
    plate.cells[2] = "4 mm steel plate";
    plate.cells[3] = "1000x2000";
    plate.cells[4] = "1";
    plate.cells[5] = plate.cells[6] = " 62.80";
    plate.cells[7] = " 4.000";
    return plate;
}

// A file's bytes; none when it cannot be read.
inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The grid of the list as the report window measures it, and a page of it.
inline ReportPageInput pageInput()
{
    ReportPageInput input;
    input.title = QStringLiteral("*** Computation of geometric properties ***");
    input.version = reportVersionText();
    input.layout.headerCaptions = {"Item", "Designation", "Material", "E modulus\nKN/m2", "Density\nKg/m3",
                                   "Area cm2\nWeight Kg/m", "Mom. of inertia\nIx cm4\nIy cm4", "Kx", "Ky",
                                   "Torsion", "Poisson", "Max.Tensile"};
    input.layout.columnWidths = {20, 0, 137, 60, 40, 60, 80, 80, 80, 70, 40, 70};
    input.layout.gridWidth = 780;
    return input;
}

// The start-of-frame segment of a JPEG file, found by walking the segments:
// its marker (0xC0 baseline, 0xC2 progressive), size and component count.
inline std::tuple<int, QSize, int> jpegFrame(const QByteArray& bytes)
{
    const auto at = [&](qsizetype i) { return int(static_cast<unsigned char>(bytes.at(i))); };
    if (bytes.size() < 4 || at(0) != 0xFF || at(1) != 0xD8)
        return {};
    for (qsizetype i = 2; i + 10 <= bytes.size(); i += 2 + (at(i + 2) << 8 | at(i + 3))) {
        if (at(i) != 0xFF)
            return {};
        const int marker = at(i + 1);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return {marker, QSize(at(i + 7) << 8 | at(i + 8), at(i + 5) << 8 | at(i + 6)), at(i + 9)};
    }
    return {};
}

// The largest difference of one channel between two pictures of one size.
inline int largestChannelDifference(const QImage& a, const QImage& b, QRect area)
{
    int largest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

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
