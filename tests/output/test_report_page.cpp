#include "print_fixture.h"

#include <QRegularExpression>

namespace {
// The lines of table row r (the header row is row 0), from its "<tr bgcolor=" line
// up to "</tr>".
QStringList rowLines(const QStringList& lines, int r)
{
    qsizetype at = -1;
    for (int seen = -1; seen < r; ++seen)
        at = lines.indexOf(QRegularExpression("<tr bgcolor=.*"), at + 1);
    return at < 0 ? QStringList() : lines.mid(at, lines.indexOf("</tr>", at) - at);
}
} // namespace

TEST(ReportPage, HeaderPercentRoundsHalvesToEven)
{
    // 17.56, 2.56, 5.13, 0.5, 1.5, 2.5, 3.5 and a grid not shown yet.
    const int cases[][3] = {{137, 780, 18}, {20, 780, 3}, {40, 780, 5}, {1, 200, 0},
                            {3, 200, 2},    {5, 200, 2},  {7, 200, 4},  {80, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(headerPercent(c[0], c[1]), c[2]) << c[0] << "/" << c[1];
}

TEST(ReportPage, ImageSizesAreRoundedFractionsOfTheFullPicture)
{
    const int cases[][3] = {{25, 60, 40}, {100, 240, 160}, {40, 96, 64}, {33, 79, 53}, {26, 62, 42}};
    for (const auto& c : cases) {
        const ReportImageSize size = reportImageSize(c[0]);
        EXPECT_EQ(QSize(size.width, size.height), QSize(c[1], c[2])) << c[0] << " %";
    }
}

// The page of one item as a browser gets it: Latin-1, CR LF lines, an empty last one.
TEST(ReportPage, OneItemGivesTheKnownPage)
{
    const QByteArray expected = readAll(MORVANE_SOURCE_DIR "/tests/output/data/one_item_report.html");
    ASSERT_FALSE(expected.isEmpty());
    const ItemList list = sampleList(1);
    EXPECT_EQ(reportPage(list, pageInput()), expected);
    EXPECT_EQ(reportPageLines(list, pageInput()), QString::fromLatin1(expected.chopped(2)).split("\r\n"));
}

TEST(ReportPage, RowsAlternateWhiteAndGrey)
{
    const QStringList lines = reportPageLines(sampleList(3), pageInput());
    const char* colours[] = {"#cccccc", "#ffffff", "#dddddd", "#ffffff"}; // the header, then the items
    for (int r = 0; r <= 3; ++r)
        EXPECT_EQ(rowLines(lines, r).value(0), QString("<tr bgcolor=\"%1\">").arg(colours[r]));
    EXPECT_TRUE(rowLines(lines, 2).value(2).contains(QString("kep2.jpg")));
    EXPECT_TRUE(rowLines(lines, 3).value(1).contains(QString("<H1>3</H1>")));
}

TEST(ReportPage, VisibleColumnItemsChooseTheCells)
{
    ReportPageInput input = pageInput();
    input.options.visibleColumns.fill(false);
    QStringList lines = reportPageLines(sampleList(2), input);
    for (int r = 0; r <= 2; ++r)
        EXPECT_EQ(rowLines(lines, r).size(), 3) << "row " << r; // the <tr> line and two cells
    EXPECT_TRUE(rowLines(lines, 0).value(2).contains(QString("Material")));

    // Item 2 is the area with the weight (column 5), item 8 the stresses (column 11).
    input.options.visibleColumns[2] = true;
    input.options.visibleColumns[8] = true;
    lines = reportPageLines(sampleList(1), input);
    const QStringList row = rowLines(lines, 1);
    ASSERT_EQ(row.size(), 5);
    EXPECT_TRUE(row.at(3).contains("10.000000<br>7.85") && row.at(4).contains("300<br>-300"));
    EXPECT_EQ(reportedColumns(input.options), (std::vector<int>{0, 2, 5, 11}));
}

TEST(ReportPage, FontsAndPictureOptionsReachThePage)
{
    ReportPageInput input = pageInput();
    input.options.dataFontSize = 25;
    input.options.measureFontSize = 5;
    input.options.pictures = false;
    const QStringList lines = reportPageLines(sampleList(1), input);
    EXPECT_TRUE(lines.at(1).contains("H1 {font: bold 25pt Arial} em {font: bold 4pt Arial}"));
    EXPECT_EQ(rowLines(lines, 1).value(2), QString("<td align=\"center\"><H1>Tube 1</H1></td>"));

    input.options.pictures = true;
    input.options.imageSizePercent = 25;
    EXPECT_TRUE(reportPageLines(sampleList(1), input).join(QString()).contains(
        QString("<img src=\"kep1.jpg\" width=\"60\" height=\"40\">")));
}

TEST(ReportPage, PairCellWithoutSeparatorHasAnEmptyUpperLine)
{
    ItemList list = sampleList(1);
    list.row(1).cells[11] = QString("300");
    list.row(1).cells[7] = QString("1&2&3");
    const QStringList row = rowLines(reportPageLines(list, pageInput()), 1);
    EXPECT_EQ(row.value(11), QString("<td align=\"center\"><em>Max.Tensile</em><H1><br>300</H1></td>"));
    EXPECT_EQ(row.value(7), QString("<td align=\"center\"><em>Kx</em><H1>1<br>2&amp;3</H1></td>"));
}

TEST(ReportPage, WeightUnderTheAreaComesFromTheStoredValues)
{
    ItemList list;
    list.put(1, sampleRow(QString("Bar"), 7850, 1234.5)); // 9.690825 kg/m
    list.put(2, sampleRow(QString("Light"), 0.5, 10));     // 0.000005
    const QStringList lines = reportPageLines(list, pageInput());
    EXPECT_EQ((QStringList{rowLines(lines, 1).value(5).right(27), rowLines(lines, 2).value(5).right(27)}),
              (QStringList{"10.000000<br>9.69</H1></td>", "10.000000<br>0.00</H1></td>"}));
}

TEST(ReportPage, TextsShowLiterallyInTheLatin1Page)
{
    ItemList list = sampleList(1);
    list.row(1).cells[2] = QString("<b>Cső</b> & \"Ä\" \U0001F600");
    ReportPageInput input = pageInput();
    input.title = QString("*** Keresztmetszetek számítása ő ***");
    input.layout.headerCaptions[4] = QString("Sűrűség\nKg/m3");
    const QByteArray page = reportPage(list, input);
    for (const char* shown : {"<H1>&lt;b&gt;Cs&#337;&lt;/b&gt; &amp; &quot;\xC4&quot; &#128512;<br><img",
                              "<title>Morvane *** Keresztmetszetek sz\xE1m\xEDt\xE1sa &#337; ***",
                              "<H1>S&#369;r&#369;s\xE9g<br>Kg/m3</H1>", "<em>S&#369;r&#369;s\xE9g<br>Kg/m3</em>"})
        EXPECT_TRUE(page.contains(shown)) << shown;
    EXPECT_FALSE(page.contains("<b>") || page.contains('\0'));
}

TEST(ReportPage, Latin1EncodingKeepsLatin1AndReferencesTheRest)
{
    EXPECT_EQ(latin1WithReferences(QString("a\u00E9\u00FF\u20AC")), QByteArray("a\xE9\xFF&#8364;"));
    EXPECT_EQ(latin1WithReferences(QString(QChar(0xD800))), QByteArray("&#65533;"));
    EXPECT_EQ(escapeHtmlText(QString("a<b>&\"c'")), QString("a&lt;b&gt;&amp;&quot;c'"));
}

TEST(ReportPage, DesignedLayoutFillsTheWholeWidth)
{
    const ReportLayout layout = designReportLayout(QStringList(ListColumns, QString("H")));
    EXPECT_EQ(layout.gridWidth, 737);
    EXPECT_EQ(layout.columnWidths[1], 0);
    int total = 0;
    for (const int c : reportedColumns(ReportOptions{}))
        total += headerPercent(layout.columnWidths[std::size_t(c)], layout.gridWidth);
    EXPECT_NEAR(total, 100, 2);
    EXPECT_EQ(headerPercent(layout.columnWidths[2], layout.gridWidth), 19); // 18.59
}

// A plate row's cells say what they hold; the cells of section values stay
// empty (a 4 mm plate of 1000 x 2000).
TEST(ReportPage, PlateRowCellsCarryTheirOwnCaptions)
{
    ItemList list = sampleList(1);
    list.put(2, plateRow());
    QStringList cells = rowLines(reportPageLines(list, pageInput()), 2).mid(3);
    cells.replaceInStrings("<td align=\"center\">", "").replaceInStrings("</H1></td>", "");
    EXPECT_EQ(cells, (QStringList{"<em>Size<br>[mm]</em><H1>1000x2000", "<em>Pieces</em><H1>1",
                                  "<em>Weight of one<br>[Kg]</em><H1> 62.80",
                                  "<em>Weight of all<br>[Kg]</em><H1> 62.80",
                                  "<em>Outside surface<br>[m2]</em><H1> 4.000", "", "", "", ""}));
}
