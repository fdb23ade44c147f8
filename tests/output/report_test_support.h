#pragma once

// Rows and JPEG decoding shared by the report tests.

#include "drawing/overlay.h"
#include "itemlist/item_list.h"
#include "output/report_page.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

// A listed section with the cells of a steel tube and a picture of a navy
// frame with a red bar on white, reduced to sixteen colours as listing does.
inline ListRow sampleRow(const QString& designation, long double density = 7850, long double area = 1000)
{
    ListRow row;
    row.cells = {QString(), QStringLiteral("00"), designation, QStringLiteral("210000000"), QStringLiteral("7850"),
                 QStringLiteral("10.000000"), QStringLiteral("12.50&8.25"), QStringLiteral("3.10&3.20"),
                 QStringLiteral("2.00&2.10"), QStringLiteral("20.00&5.00"), QStringLiteral(" 0.29"),
                 QStringLiteral("300&-300")};
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

inline ItemList sampleList(int count)
{
    ItemList list;
    for (int r = 1; r <= count; ++r)
        list.put(r, sampleRow(QStringLiteral("Tube %1").arg(r)));
    return list;
}

// The grid of the list as the report window measures it, and a page of it.
inline ReportLayout gridLayout()
{
    ReportLayout layout;
    layout.headerCaptions = {QStringLiteral("Item"),      QStringLiteral("Designation"),
                             QStringLiteral("Material"),  QStringLiteral("E modulus\nKN/m2"),
                             QStringLiteral("Density\nKg/m3"), QStringLiteral("Area cm2\nWeight Kg/m"),
                             QStringLiteral("Mom. of inertia\nIx cm4\nIy cm4"), QStringLiteral("Kx"),
                             QStringLiteral("Ky"),        QStringLiteral("Torsion"),
                             QStringLiteral("Poisson"),   QStringLiteral("Max.Tensile")};
    layout.columnWidths = {20, 0, 137, 60, 40, 60, 80, 80, 80, 70, 40, 70};
    layout.gridWidth = 780;
    return layout;
}

inline ReportPageInput pageInput()
{
    ReportPageInput input;
    input.title = QStringLiteral("*** Computation of geometric properties ***");
    input.version = reportVersionText();
    input.layout = gridLayout();
    return input;
}

struct DecodedJpeg {
    bool ok = false;
    bool progressive = true;
    int components = 0;
    J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
    QImage image;
};

namespace report_test_detail {
struct DecoderError {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};
[[noreturn]] inline void leave(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<DecoderError*>(info->err)->escape, 1);
}
} // namespace report_test_detail

// Decodes with libjpeg itself, so that the test does not depend on Qt's plugin.
inline DecodedJpeg decodeJpeg(const QByteArray& bytes)
{
    DecodedJpeg out;
    jpeg_decompress_struct info;
    report_test_detail::DecoderError error;
    info.err = jpeg_std_error(&error.base);
    error.base.error_exit = report_test_detail::leave;
    if (setjmp(error.escape)) {
        jpeg_destroy_decompress(&info);
        out.ok = false;
        return out;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), (unsigned long)bytes.size());
    jpeg_read_header(&info, TRUE);
    out.progressive = jpeg_has_multiple_scans(&info);
    out.components = info.num_components;
    out.colourSpace = info.jpeg_color_space;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    QImage image(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW line = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &line, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    out.image = image;
    out.ok = true;
    return out;
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

// The start-of-frame marker of a JPEG file (0xC0 baseline, 0xC1 extended,
// 0xC2 progressive), found by walking the segments; -1 when there is none.
inline int frameMarker(const QByteArray& bytes)
{
    const auto at = [&](qsizetype i) { return int(static_cast<unsigned char>(bytes.at(i))); };
    if (bytes.size() < 4 || at(0) != 0xFF || at(1) != 0xD8)
        return -1;
    qsizetype i = 2;
    while (i + 4 <= bytes.size()) {
        if (at(i) != 0xFF)
            return -1;
        const int marker = at(i + 1);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return marker;
        i += 2 + (at(i + 2) << 8 | at(i + 3));
    }
    return -1;
}
