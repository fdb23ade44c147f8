#pragma once

#include "output/report_options.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class ItemList;

// Layout work is done in layout pixels of 96 per inch.
inline constexpr double LayoutDpi = 96.0;
inline double pxToMm(double px) { return px / LayoutDpi * 25.4; }
inline double mmToPx(double mm) { return mm / 25.4 * LayoutDpi; }

inline constexpr int PrintGridColumns = 12;

// What the printer tells about its paper, in printer dots.
struct PrinterMetrics {
    int dpiX = 0;
    int dpiY = 0;
    int offsetX = 0; // printable area from the paper's left edge
    int offsetY = 0; // and from its top edge
    int paperWidth = 0;
    int paperHeight = 0;
    int printableWidth = 0;
    int printableHeight = 0;

    bool valid() const { return dpiX > 0 && dpiY > 0 && paperWidth > 0 && paperHeight > 0; }
    double paperWidthMm() const { return paperWidth * 25.4 / dpiX; }
    double paperHeightMm() const { return paperHeight * 25.4 / dpiY; }
    double printableWidthMm() const { return printableWidth * 25.4 / dpiX; }
    double printableHeightMm() const { return printableHeight * 25.4 / dpiY; }
    double unprintableLeftMm() const { return offsetX * 25.4 / dpiX; }
    double unprintableTopMm() const { return offsetY * 25.4 / dpiY; }
    double unprintableRightMm() const { return (paperWidth - printableWidth - offsetX) * 25.4 / dpiX; }
    double unprintableBottomMm() const { return (paperHeight - printableHeight - offsetY) * 25.4 / dpiY; }

    // The metrics of a page layout at a resolution: its margins are the
    // unprintable strips (none for a PDF file).
    static PrinterMetrics fromPageLayout(const QPageLayout& layout, int dpi);
};

// The four margin fields, in millimetres from the paper edge.
struct PrintMargins {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The printer minimum of each margin: its unprintable strip rounded up to a
// whole millimetre.
PrintMargins printerMinimumMargins(const PrinterMetrics& metrics);
// The margins a page starts with when none are given: the printer minimum,
// and for a PDF file, whose page has no unprintable strips, PdfMarginMm on
// each side, so that the table does not touch the paper's edge.
inline constexpr double PdfMarginMm = 10.0;
PrintMargins startingMargins(const PrinterMetrics& metrics, bool pdf);
// A margin as its field shows it: one decimal ("5.0").
QString marginText(double millimetres);

// Text measuring in Arial at a size in points, in layout pixels.
struct TextMeasure {
    std::function<int(const QString& text, int points)> width;
    std::function<int(int points)> lineHeight;

    // Arial (or the font the system puts in its place) at 96 dots per inch.
    static TextMeasure arial();
};

// What is laid out: the item list, its header captions (line breaks as "\n")
// and the shared report options.
struct PrintContent {
    const ItemList* list = nullptr;
    QStringList headers;
    ReportOptions options;

    int itemCount() const;
};

// The columns that are printed: 0, 2 and the visible ones of 3 to 11.
bool isPrintedColumn(const ReportOptions& options, int column);
// The lines of a printed cell except the designation: the header caption
// lines, then the value (value pairs split at their first "&", column 5 the
// area over the weight per metre); column 0 shows its number only.
QStringList cellLines(const PrintContent& content, int row, int column);
// The header caption lines of a column.
QStringList headerLines(const PrintContent& content, int column);
// The designation wrapped into lines narrower than the column: words split at
// blanks, joined by one blank while the line stays narrower than the width.
QStringList designationLines(const QString& text, int columnWidth, int points, const TextMeasure& measure);

// Picture size in a printed cell: S% of the section picture size.
int printPictureWidth(const ReportOptions& options);
int printPictureHeight(const ReportOptions& options);

struct PrintLayout {
    PrinterMetrics metrics;
    PrintMargins margins;
    double areaWidthMm = 0;  // W: between the left and right margins
    double areaHeightMm = 0; // H: between the top and bottom margins
    std::array<QString, PrintGridColumns> widestText;
    std::array<int, PrintGridColumns> columnWidth{}; // 0 for a column that is not printed
    std::array<int, PrintGridColumns> columnLeft{};
    std::array<int, PrintGridColumns> columnRight{};
    int maximumFontSize = 0; // the chosen size
    int fontSize = 0;        // the current size, at most the chosen one
    int lineHeight = 0;
    int rowHeight = 0;
    int rowsPerPage = 0;
    int pitchMm = 0;
    int pitchPx = 0;
    int itemCount = 0;
    int pageCount = 0;
    std::vector<QStringList> designations; // per item, wrapped at the current size

    double areaWidthPx() const { return mmToPx(areaWidthMm); }
    double areaHeightPx() const { return mmToPx(areaHeightMm); }
    int tableWidth() const { return columnRight[PrintGridColumns - 1]; }
    int tableHeight() const { return rowsPerPage * pitchPx; }
    // The first item (1-based) and the number of items on a page (1-based).
    int firstItem(int page) const { return (page - 1) * rowsPerPage + 1; }
    int itemsOnPage(int page) const;
};

// A layout or, when the paper is too small (no font size fits the width, or
// not one row the height), the printer minimum margins to reset the fields to.
struct LayoutOutcome {
    std::optional<PrintLayout> layout;
    PrintMargins resetMargins;
};

LayoutOutcome layoutPrint(const PrinterMetrics& metrics, const PrintMargins& margins, const PrintContent& content,
                          const TextMeasure& measure);

// Row height, rows per page, row pitch and page count at another font size;
// the column widths stay. Returns false (and leaves the layout) when not one
// row fits.
bool applyFontSize(PrintLayout& layout, int points, const PrintContent& content, const TextMeasure& measure);
