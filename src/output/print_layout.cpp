#include "output/print_layout.h"

#include "drawing/section_picture_size.h"
#include "itemlist/item_list.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>

#include <algorithm>
#include <cmath>
#include <memory>

PrinterMetrics PrinterMetrics::fromPageLayout(const QPageLayout& layout, int dpi)
{
    // Millimetres, not the layout's own units: points round A4 to 595 x 842.
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    const auto dots = [dpi](double mm) { return qRound(mm / 25.4 * dpi); };
    PrinterMetrics m;
    m.dpiX = dpi;
    m.dpiY = dpi;
    m.paperWidth = dots(paper.width());
    m.paperHeight = dots(paper.height());
    m.offsetX = dots(printable.left() - paper.left());
    m.offsetY = dots(printable.top() - paper.top());
    m.printableWidth = dots(printable.width());
    m.printableHeight = dots(printable.height());
    return m;
}

PrintMargins printerMinimumMargins(const PrinterMetrics& m)
{
    // A strip that is a hair over a whole millimetre through the conversion
    // from dots still counts as that millimetre.
    const auto up = [](double mm) { return std::max(0.0, std::ceil(mm - 1e-9)); };
    return {up(m.unprintableLeftMm()), up(m.unprintableTopMm()), up(m.unprintableRightMm()),
            up(m.unprintableBottomMm())};
}

PrintMargins startingMargins(const PrinterMetrics& metrics, bool pdf)
{
    PrintMargins margins = printerMinimumMargins(metrics);
    if (pdf)
        for (double* side : {&margins.left, &margins.top, &margins.right, &margins.bottom})
            *side = std::max(*side, PdfMarginMm);
    return margins;
}

QString marginText(double millimetres)
{
    return QString::number(millimetres, 'f', 1);
}

TextMeasure TextMeasure::arial()
{
    struct Fonts {
        QImage device{1, 1, QImage::Format_RGB32};
        Fonts()
        {
            device.setDotsPerMeterX(qRound(LayoutDpi / 0.0254));
            device.setDotsPerMeterY(qRound(LayoutDpi / 0.0254));
        }
        QFontMetricsF at(int points) const
        {
            QFont font(QStringLiteral("Arial"));
            font.setHintingPreference(QFont::PreferNoHinting);
            font.setPointSizeF(points);
            return QFontMetricsF(font, &device);
        }
    };
    auto fonts = std::make_shared<Fonts>();
    TextMeasure measure;
    measure.width = [fonts](const QString& text, int points) {
        return int(std::ceil(fonts->at(points).horizontalAdvance(text)));
    };
    measure.lineHeight = [fonts](int points) { return int(std::ceil(fonts->at(points).height())); };
    return measure;
}

int PrintContent::itemCount() const
{
    return list ? list->count() : 0;
}

bool isPrintedColumn(const ReportOptions& options, int column)
{
    return options.columnVisible(column);
}

int printPictureWidth(const ReportOptions& options)
{
    return qRound(options.imageSizePercent * SectionPictureSize.width() / 100.0);
}

int printPictureHeight(const ReportOptions& options)
{
    return qRound(options.imageSizePercent * SectionPictureSize.height() / 100.0);
}

QStringList headerLines(const PrintContent& content, int column)
{
    const QString caption = column < content.headers.size() ? content.headers.at(column) : QString();
    return caption.split(QLatin1Char('\n'));
}

namespace {
bool isValuePair(int column)
{
    return column == 5 || column == 6 || column == 7 || column == 8 || column == 9 || column == 11;
}

// The two parts of a value pair; a text without "&" is all second part.
std::pair<QString, QString> pairParts(const QString& text)
{
    const qsizetype amp = text.indexOf(QLatin1Char('&'));
    if (amp < 0)
        return {QString(), text};
    return {text.left(amp), text.mid(amp + 1)};
}

// A plate row's cells 3 to 7: their own caption and the value; the section
// cells of a plate row are empty.
QStringList plateCellLines(const ListRow& row, int column)
{
    const QString caption = plateCellCaption(column);
    if (caption.isEmpty())
        return {};
    return caption.split(QLatin1Char('\n')) << row.cells[std::size_t(column)];
}

QStringList valueTexts(const PrintContent& content, int row, int column)
{
    const ListRow& r = content.list->row(row);
    if (r.isPlate && column >= 3)
        return plateCellLines(r, column);
    const QString& text = r.cells[std::size_t(column)];
    if (column == 5)
        return {text, ItemList::weightCell(r)};
    if (isValuePair(column)) {
        auto [upper, lower] = pairParts(text);
        return {upper, lower};
    }
    return {text};
}

int cellHeight(int lines, int lineHeight)
{
    return lines * lineHeight + qRound(lineHeight * (lines + 1) * 0.2);
}
} // namespace

QStringList cellLines(const PrintContent& content, int row, int column)
{
    if (column == 0)
        return {content.list->row(row).cells[0]};
    const ListRow& r = content.list->row(row);
    if (r.isPlate && column >= 3)
        return plateCellLines(r, column);
    return headerLines(content, column) + valueTexts(content, row, column);
}

QStringList designationLines(const QString& text, int columnWidth, int points, const TextMeasure& measure)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (line.isEmpty()) {
            line = word;
            continue;
        }
        const QString longer = line + QLatin1Char(' ') + word;
        if (measure.width(longer, points) < columnWidth) {
            line = longer;
        } else {
            lines << line;
            line = word;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

int PrintLayout::itemsOnPage(int page) const
{
    if (page < 1 || page > pageCount)
        return 0;
    return std::min(rowsPerPage, itemCount - firstItem(page) + 1);
}

bool applyFontSize(PrintLayout& layout, int points, const PrintContent& content, const TextMeasure& measure)
{
    const ReportOptions& o = content.options;
    const int lineHeight = measure.lineHeight(points);
    const int headerLinesOfItem = int(headerLines(content, 0).size());
    int rowHeight = 0;
    std::vector<QStringList> designations(std::size_t(content.itemCount()));
    for (int r = 1; r <= content.itemCount(); ++r) {
        designations[std::size_t(r - 1)] =
            designationLines(content.list->row(r).cells[2], layout.columnWidth[2], points, measure);
        for (int c = 0; c < PrintGridColumns; ++c) {
            if (!isPrintedColumn(o, c))
                continue;
            int height = 0;
            if (c == 0) {
                height = cellHeight(headerLinesOfItem + 1, lineHeight);
            } else if (c == 2) {
                const int lines = int(designations[std::size_t(r - 1)].size());
                height = cellHeight(lines, lineHeight);
                if (o.pictures)
                    height += qRound(lineHeight * 0.5 + o.imageSizePercent * SectionPictureSize.height() / 100.0);
            } else {
                height = cellHeight(int(cellLines(content, r, c).size()), lineHeight);
            }
            rowHeight = std::max(rowHeight, height);
        }
    }
    if (rowHeight <= 0)
        return false;
    const double usable = layout.areaHeightMm - 16;
    const int rows = int(std::floor(usable / pxToMm(rowHeight)));
    if (rows <= 0)
        return false;
    layout.fontSize = points;
    layout.lineHeight = lineHeight;
    layout.rowHeight = rowHeight;
    layout.rowsPerPage = rows;
    layout.pitchMm = int(std::floor(usable / rows));
    layout.pitchPx = int(std::floor(mmToPx(layout.pitchMm)));
    layout.itemCount = content.itemCount();
    layout.pageCount = (layout.itemCount + rows - 1) / rows;
    layout.designations = std::move(designations);
    return true;
}

namespace {
// Text widths are first measured at this size.
constexpr int MeasureSize = 10;

// The widest text of every printed column at MeasureSize points, kept in the
// layout; their widths are returned.
std::array<int, PrintGridColumns> measureWidestTexts(PrintLayout& layout, const PrintContent& content,
                                                     const TextMeasure& measure)
{
    const ReportOptions& o = content.options;
    std::array<int, PrintGridColumns> widest{};
    std::array<bool, PrintGridColumns> seen{};
    const auto consider = [&](int column, const QString& text) {
        const int width = measure.width(text, MeasureSize);
        if (!seen[std::size_t(column)] || width > widest[std::size_t(column)]) {
            seen[std::size_t(column)] = true;
            widest[std::size_t(column)] = width;
            layout.widestText[std::size_t(column)] = text;
        }
    };
    for (int c = 0; c < PrintGridColumns; ++c) {
        if (!isPrintedColumn(o, c))
            continue;
        for (const QString& line : headerLines(content, c))
            consider(c, line);
        for (int r = 1; r <= content.itemCount(); ++r) {
            if (c == 0)
                consider(c, content.list->row(r).cells[0]);
            else if (c == 2)
                for (const QString& word : content.list->row(r).cells[2].split(QLatin1Char(' '), Qt::SkipEmptyParts))
                    consider(c, word);
            else
                for (const QString& text : valueTexts(content, r, c))
                    consider(c, text);
        }
    }
    return widest;
}

// The largest size, from 100 points down, at which the columns fit, with
// the column widths at that size; the size stays 0 when none fits.
void fitFontSize(PrintLayout& layout, const std::array<int, PrintGridColumns>& widest, const ReportOptions& o,
                 const TextMeasure& measure)
{
    const int pictureColumn = o.pictures ? printPictureWidth(o) + 4 : 0;
    const auto columnsAt = [&](int size, std::array<int, PrintGridColumns>& widths) {
        int sum = 0;
        for (int c = 0; c < PrintGridColumns; ++c) {
            if (!isPrintedColumn(o, c))
                continue;
            widths[std::size_t(c)] = measure.width(layout.widestText[std::size_t(c)], size) + 4;
            if (c == 2)
                widths[2] = std::max(widths[2], pictureColumn);
            sum += widths[std::size_t(c)];
        }
        return layout.areaWidthMm > pxToMm(sum);
    };
    // Text widths grow in proportion to the size, so the widths at 10 points
    // name the size to start from; the columns are then measured at that
    // size and its neighbours only. Fitting is monotonic in the size, so
    // this finds the size a search from 100 points down would.
    double textAtTen = 0, fixed = 0;
    for (int c = 0; c < PrintGridColumns; ++c) {
        if (isPrintedColumn(o, c)) {
            textAtTen += widest[std::size_t(c)];
            fixed += 4;
        }
    }
    const double room = mmToPx(layout.areaWidthMm) - fixed;
    int size = textAtTen > 0 && room > 0 ? int(std::min(100.0, std::floor(room / textAtTen * MeasureSize))) : 1;
    size = std::clamp(size + 1, 1, 100);
    std::array<int, PrintGridColumns> widths{};
    if (columnsAt(size, widths)) {
        for (std::array<int, PrintGridColumns> larger{}; size < 100 && columnsAt(size + 1, larger); ++size)
            widths = larger;
        layout.maximumFontSize = size;
        layout.columnWidth = widths;
        return;
    }
    for (--size; size >= 1; --size) {
        if (columnsAt(size, widths)) {
            layout.maximumFontSize = size;
            layout.columnWidth = widths;
            return;
        }
    }
}

void placeColumns(PrintLayout& layout)
{
    int edge = 0;
    for (int c = 0; c < PrintGridColumns; ++c) {
        layout.columnLeft[std::size_t(c)] = edge;
        edge += layout.columnWidth[std::size_t(c)];
        layout.columnRight[std::size_t(c)] = edge;
    }
}
} // namespace

LayoutOutcome layoutPrint(const PrinterMetrics& metrics, const PrintMargins& margins, const PrintContent& content,
                          const TextMeasure& measure)
{
    LayoutOutcome outcome;
    outcome.resetMargins = printerMinimumMargins(metrics);
    if (!metrics.valid() || !content.list)
        return outcome;

    PrintLayout layout;
    layout.metrics = metrics;
    layout.margins = margins;
    layout.areaWidthMm = metrics.printableWidthMm() - (margins.left - metrics.unprintableLeftMm())
                         - (margins.right - metrics.unprintableRightMm());
    layout.areaHeightMm = metrics.printableHeightMm() - (margins.top - metrics.unprintableTopMm())
                          - (margins.bottom - metrics.unprintableBottomMm());
    const std::array<int, PrintGridColumns> widest = measureWidestTexts(layout, content, measure);
    fitFontSize(layout, widest, content.options, measure);
    if (layout.maximumFontSize == 0)
        return outcome;
    placeColumns(layout);
    if (!applyFontSize(layout, layout.maximumFontSize, content, measure))
        return outcome;
    outcome.layout = layout;
    return outcome;
}
