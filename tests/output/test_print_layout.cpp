#include "print_fixture.h"

#include "output/print_fields.h"

namespace {
// Margins that leave an area W mm wide on paper 210 mm wide without strips.
PrintMargins widthMargins(double areaWidth)
{
    return {(210 - areaWidth) / 2, 10, (210 - areaWidth) / 2, 10};
}
} // namespace

TEST(PrinterMinimum, UnprintableStripsRoundUpToWholeMillimetres)
{
    EXPECT_EQ(marginText(printerMinimumMargins(paperMetrics(210, 297, 4.2)).left), "5.0");
    EXPECT_EQ(marginText(printerMinimumMargins(paperMetrics(210, 297, 5.0)).bottom), "5.0");
    EXPECT_EQ(marginText(printerMinimumMargins(paperMetrics(210, 297, 0)).top), "0.0");

    PrinterMetrics uneven = paperMetrics(210, 297);
    uneven.offsetX = 31;            // 3.1 mm on the left
    uneven.printableWidth = 2100 - 31 - 62; // 6.2 mm on the right
    const PrintMargins minimum = printerMinimumMargins(uneven);
    EXPECT_EQ(std::pair(minimum.left, minimum.right), std::pair(4.0, 7.0));
}

// A PDF page (no strips) starts 10 mm from each edge; a printer's strips
// wider than that, and any printer page, keep the printer minimum.
TEST(PrinterMinimum, PdfPagesStartTenMillimetresFromTheEdge)
{
    const struct {
        double strip;
        bool pdf;
        const char* left;
    } cases[] = {{0, true, "10.0"}, {4.2, true, "10.0"}, {12.3, true, "13.0"}, {4.2, false, "5.0"}, {0, false, "0.0"}};
    for (const auto& c : cases) {
        const PrintMargins margins = startingMargins(paperMetrics(210, 297, c.strip), c.pdf);
        EXPECT_EQ(marginText(margins.left), c.left) << c.strip << (c.pdf ? " pdf" : " printer");
        EXPECT_EQ(margins.left, margins.bottom);
    }
}

TEST(PrintLayout, AllColumnsOffLeavesItemAndDesignation)
{
    const ItemList list = printList(1);
    const PrintLayout area = laidOut(paperMetrics(210, 297, 4.2), {20, 15, 10, 25}, printContent(list));
    EXPECT_NEAR(area.areaWidthMm, 180, 1e-9); // between the margins
    EXPECT_NEAR(area.areaHeightMm, 257, 1e-9);
    // W = 50 mm = 188.98 px. "Item" is 2s wide, "Material" 4s: 6s + 8 < 188.98 up to s = 30.
    const PrintLayout layout = laidOut(paperMetrics(210, 297), widthMargins(50), printContent(list, noColumns(false)));
    EXPECT_EQ((QStringList{layout.widestText[0], layout.widestText[2]}), (QStringList{"Item", "Material"}));
    const auto& w = layout.columnWidth;
    // Column 1 is never printed: it starts and ends where column 2 starts.
    EXPECT_EQ((std::vector<long>{layout.maximumFontSize, layout.fontSize, w[0], w[2], std::ranges::count(w, 0),
                                 layout.columnLeft[1], layout.columnRight[1], layout.columnLeft[2], layout.tableWidth(),
                                 layout.columnLeft[11]}),
              (std::vector<long>{30, 30, 64, 124, 10, 64, 64, 64, 188, 188}));
}

TEST(PrintLayout, PictureColumnIsAtLeastPictureWidthPlusFour)
{
    const ItemList list = printList(1);
    // W = 40 mm = 151.18 px; the 96 px picture needs 100 px: 2s + 4 + 100 fits up to s = 23.
    const PrintLayout layout = laidOut(paperMetrics(210, 297), widthMargins(40), printContent(list, noColumns(true)));
    EXPECT_EQ((std::array{layout.maximumFontSize, layout.columnWidth[2], layout.columnWidth[0]}),
              (std::array{23, 100, 50}));
}

// A picture of 100 % (244 px = 64.6 mm) between margins of 80 mm, and paper 30 mm
// high (14 mm below the 16 mm reserve): the margins go back to the printer's.
TEST(PrintLayout, PaperTooSmallFails)
{
    const ItemList list = printList(1);
    ReportOptions options = noColumns(true);
    options.imageSizePercent = 100;
    const PrinterMetrics a4 = paperMetrics(210, 297, 4.2);
    LayoutOutcome outcome = layoutPrint(a4, {80, 10, 80, 10}, printContent(list, options), fixedMeasure());
    EXPECT_FALSE(outcome.layout.has_value());
    EXPECT_EQ(std::pair(outcome.resetMargins.left, outcome.resetMargins.bottom), std::pair(5.0, 5.0));
    options.imageSizePercent = 40;
    EXPECT_TRUE(layoutPrint(a4, {80, 10, 80, 10}, printContent(list, options), fixedMeasure()).layout);

    outcome = layoutPrint(paperMetrics(210, 30, 2), {2, 2, 2, 2}, printContent(list), fixedMeasure());
    EXPECT_FALSE(outcome.layout.has_value());
    EXPECT_EQ(outcome.resetMargins.top, 2);
}

TEST(PrintLayout, WidestTextCountsPartsWordsAndTheWeight)
{
    ItemList list = printList(2);
    ListRow& row = list.row(2);
    row.cells[2] = "HR I80x42 Rotate :90 deg.";
    row.cells[5] = "1.5";
    row.itemValues[2] = 1e9; // the weight 7850000.00 is wider than every area
    row.cells[6] = "1.89&123456.78";
    row.cells[11] = "300";
    PrintContent content = printContent(list);
    content.headers = {"Item", "D", "M", "E", "R", "A", "I", "K", "K", "T", "P", "S"};
    const PrintLayout layout = laidOut(paperMetrics(420, 297), {10, 10, 10, 10}, content);
    const auto& w = layout.widestText; // of the designation a word, not the whole of it
    EXPECT_EQ((QStringList{w[2], w[5], w[6], w[10], w[11]}),
              (QStringList{"40x20x3", "7850000.00", "123456.78", " 0.29", "-300"}));
}

TEST(PrintLayout, RowHeightPitchAndRowsPerPage)
{
    const ItemList list = printList(20, "HR");
    const PrintContent content = printContent(list); // all columns, pictures of 40 %
    PrintLayout layout = laidOut(paperMetrics(420, 297), {10, 10, 10, 10}, content);
    ASSERT_TRUE(applyFontSize(layout, 10, content, fixedMeasure()));
    // Line height 20; three header lines and a value pair: 5 x 20 + round(20 x 6 x 0.2) = 124;
    // the designation: 20 + 8 + round(10 + 64) = 102.
    // H - 16 = 261 mm; 124 px = 32.8 mm: 7 rows, pitch 37 mm = 139 px; 20 items on 3 pages.
    EXPECT_EQ((std::vector{layout.lineHeight, layout.rowHeight, layout.rowsPerPage, layout.pitchMm, layout.pitchPx,
                           layout.pageCount, layout.itemsOnPage(3)}),
              (std::vector{20, 124, 7, 37, 139, 3, 6}));

    PrintContent big = content;
    big.options.imageSizePercent = 100;
    big.options.visibleColumns.fill(false);
    PrintLayout pictures = laidOut(paperMetrics(420, 297), {10, 10, 10, 10}, big);
    ASSERT_TRUE(applyFontSize(pictures, 10, big, fixedMeasure()));
    // The designation with a 160 px picture: 20 + 8 + round(10 + 160) = 198; the item
    // number counts its header line: 2 x 20 + 12 = 52.
    EXPECT_EQ(pictures.rowHeight, 198);
}

TEST(PrintLayout, ItemNumberCellCountsItsHeaderLine)
{
    const ItemList list = printList(1, "X");
    PrintContent content = printContent(list, noColumns(false));
    content.headers[0] = "Item\nNo.\nhere";
    // Tall paper: at the 100 points that fit the width, a row is 1000 px high.
    PrintLayout layout = laidOut(paperMetrics(420, 1200), {10, 10, 10, 10}, content);
    ASSERT_TRUE(applyFontSize(layout, 10, content, fixedMeasure()));
    // Three header lines and the number: 4 x 20 + round(20 x 5 x 0.2) = 100.
    EXPECT_EQ(std::pair(layout.maximumFontSize, layout.rowHeight), std::pair(100, 100));
}

TEST(PrintLayout, ExactlyFullPagesAndOneMore)
{
    const auto layoutOf = [](int items) {
        const ItemList list = printList(items);
        return laidOut(paperMetrics(210, 297, 4.2), {10, 10, 10, 10}, printContent(list));
    };
    const PrintLayout one = layoutOf(1);
    const int k = one.rowsPerPage;
    ASSERT_GT(k, 1);
    const PrintLayout three = layoutOf(3 * k), four = layoutOf(3 * k + 1);
    // {pages, rows per page, items on the last page, its first item, items past the end}
    EXPECT_EQ((std::array{one.pageCount, three.pageCount, three.rowsPerPage, three.itemsOnPage(3)}),
              (std::array{1, 3, k, k}));
    EXPECT_EQ((std::array{four.pageCount, four.itemsOnPage(4), four.firstItem(4), four.itemsOnPage(5)}),
              (std::array{4, 1, 3 * k + 1, 0}));
}

TEST(PrintLayout, LowerFontSizeRaisesRowsPerPage)
{
    const ItemList list = printList(40);
    const PrintContent content = printContent(list);
    PrintLayout layout = laidOut(paperMetrics(210, 297, 4.2), {10, 10, 10, 10}, content);
    const PrintLayout before = layout;
    ASSERT_GT(layout.maximumFontSize, 4);
    ASSERT_TRUE(applyFontSize(layout, layout.maximumFontSize - 4, content, fixedMeasure()));
    EXPECT_GT(layout.rowsPerPage, before.rowsPerPage);
    EXPECT_LT(layout.pageCount, before.pageCount);
    EXPECT_EQ(layout.columnWidth, before.columnWidth);
    EXPECT_EQ(layout.fontSize, layout.maximumFontSize - 4);
}

TEST(PrintCells, LinesOfEachKindOfColumn)
{
    ItemList list = printList(1);
    list.row(1).cells[7] = "12.5"; // a pair without "&" gives an empty first part
    const PrintContent content = printContent(list);
    EXPECT_EQ(cellLines(content, 1, 0), QStringList{"1"});
    EXPECT_EQ(cellLines(content, 1, 3), (QStringList{"E modulus", "[KN/m2]", "210000000"}));
    EXPECT_EQ(cellLines(content, 1, 5), (QStringList{"Area[cm2]", "Weight[Kg/m]", "10.000000", "7.85"}));
    EXPECT_EQ(cellLines(content, 1, 6), (QStringList{"Mom. of inertia", "Ix [cm4]", "Iy [cm4]", "12.50", "8.25"}));
    EXPECT_EQ(cellLines(content, 1, 7).join('|'), "Sect. modulus|Kx Above [cm3]|Kx Under [cm3]||12.5");
    EXPECT_EQ(cellLines(content, 1, 10).last(), " 0.29");
}

TEST(PrintCells, DesignationWrapsWhileNarrowerThanTheColumn)
{
    const TextMeasure measure = fixedMeasure(); // 5 px a character at 10 points
    EXPECT_EQ(designationLines("HR I80x42 Rotate :90 deg.", 60, 10, measure),
              (QStringList{"HR I80x42", "Rotate :90", "deg."}));
    // Exactly the column width is not narrower.
    EXPECT_EQ(designationLines("abcdef ghijk", 60, 10, measure), (QStringList{"abcdef", "ghijk"}));
    EXPECT_EQ(designationLines("abcdef ghij", 60, 10, measure), QStringList{"abcdef ghij"});
    // Runs of blanks are one separator; a word wider than the column keeps its line.
    EXPECT_EQ(designationLines("  a   verylongwordindeed b", 30, 10, measure),
              (QStringList{"a", "verylongwordindeed", "b"}));
    EXPECT_TRUE(designationLines("", 60, 10, measure).isEmpty());
}

TEST(PrintFields, PageField)
{
    const struct {
        const char* typed;
        int pages;
        const char* kept;
    } cases[] = {{"3", 5, "3"},   {"9", 5, "5"},   {"0", 5, "1"},      {"", 5, "1"},
                 {"a2", 5, "2"},  {"42", 99, "42"}, {"250", 250, "250"}, {"2500", 250, "250"}};
    for (const auto& c : cases)
        EXPECT_EQ(filterPageField(c.typed, c.pages), c.kept) << c.typed;
}

TEST(PrintFields, MarginTyping)
{
    const std::pair<const char*, const char*> cases[] = {
        {"12.5", "12.5"},   {"12.345", "12.34"}, {"1234", "123"}, {"12a.5", "12.5"}, {"1.2.3", "1.23"},
        {"", "1"},          {"abc", "1"},        {".5", ".5"},    {"123.456789", "123.45"}, {"5,0", "50"},
    };
    for (const auto& [typed, kept] : cases)
        EXPECT_EQ(filterMarginField(typed), kept) << typed;
}

TEST(PrintFields, MarginChecks)
{
    const struct {
        MarginSide side;
        PrintMargins margins;
        double height;
        const char* message; // empty when the margin is kept
    } cases[] = {
        {MarginSide::Left, {4.5, 10, 10, 10}, 277, "Min. Left margin /mm/ : 5.0"},
        {MarginSide::Bottom, {10, 10, 10, 0}, 277, "Min. Bottom margin /mm/ : 5.0"},
        {MarginSide::Right, {100, 10, 100, 10}, 277, "Max. Left margin+Right margin=190.0 /mm/ !!!"},
        {MarginSide::Top, {10, 150, 10, 130}, 277.25, "Max. Top margin+Bottom margin=277.3 /mm/ !!!"},
        {MarginSide::Left, {95, 10, 95, 10}, 277, ""},
        {MarginSide::Top, {10, 5, 10, 5}, 277, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkMargin(c.side, c.margins, {5, 5, 5, 5}, 190, c.height, MessageTable::english()).value_or(""),
                  c.message);
}

TEST(PrintFields, RangeAndCopies)
{
    for (const auto& [typed, kept, empty] : {std::tuple{"", "1", true}, {"0", "1", false}, {"7", "5", false},
                                             {"x3", "3", false}}) {
        const auto field = filterRangeField(typed, 5);
        EXPECT_EQ(std::pair(field.text, field.wasEmpty), std::pair(QString(kept), empty)) << typed;
    }
    for (const auto& [typed, kept] : {std::pair{"", "1"}, {"0", "1"}, {"2x", "2"}, {"99999999999999999999", "999"}})
        EXPECT_EQ(filterCopiesField(typed), kept) << typed;
}

// The printed cells of a plate row use its own captions.
TEST(PrintCells, PlateRowCellsCarryTheirOwnCaptions)
{
    ItemList list = printList(1);
    list.put(2, plateRow());
    const PrintContent content = printContent(list);
    QStringList cells;
    for (int c : {3, 7, 8, 9, 10, 11})
        cells << cellLines(content, 2, c).join('|');
    EXPECT_EQ(cells, (QStringList{"Size|[mm]|1000x2000", "Outside surface|[m2]| 4.000", "", "", "", ""}));
}
