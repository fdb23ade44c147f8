#include "output/report_page.h"
#include "report_test_support.h"

#include <gtest/gtest.h>

namespace {

// The lines between "<tr bgcolor=..." and "</tr>" of item row r.
QStringList rowLines(const QStringList& lines, int r)
{
    int seen = -1; // the header row is row 0
    QStringList out;
    bool inside = false;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("<tr bgcolor="))) {
            ++seen;
            inside = seen == r;
            if (inside)
                out << line;
            continue;
        }
        if (line == QStringLiteral("</tr>")) {
            if (inside)
                return out;
            continue;
        }
        if (inside)
            out << line;
    }
    return out;
}

} // namespace

TEST(ReportPage, HeaderPercentRoundsHalvesToEven)
{
    EXPECT_EQ(headerPercent(137, 780), 18); // 17.56
    EXPECT_EQ(headerPercent(20, 780), 3);   // 2.56
    EXPECT_EQ(headerPercent(40, 780), 5);   // 5.13
    EXPECT_EQ(headerPercent(1, 200), 0);    // 0.5
    EXPECT_EQ(headerPercent(3, 200), 2);    // 1.5
    EXPECT_EQ(headerPercent(5, 200), 2);    // 2.5
    EXPECT_EQ(headerPercent(7, 200), 4);    // 3.5
    EXPECT_EQ(headerPercent(80, 0), 0);     // a grid not shown yet
}

TEST(ReportPage, ImageSizesAreRoundedFractionsOfTheFullPicture)
{
    const struct {
        int percent, width, height;
    } cases[] = {{25, 60, 40}, {100, 240, 160}, {40, 96, 64}, {33, 79, 53}, {26, 62, 42}};
    for (const auto& c : cases) {
        const ReportImageSize size = reportImageSize(c.percent);
        EXPECT_EQ(size.width, c.width) << c.percent << " %";
        EXPECT_EQ(size.height, c.height) << c.percent << " %";
    }
}

TEST(ReportPage, OneItemGivesTheWholePageLineByLine)
{
    const ItemList list = sampleList(1);
    const QStringList lines = reportPageLines(list, pageInput());
    const QStringList expected = {
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"Morvane *** Computation of geometric properties ***\">"),
        QStringLiteral("<html> <head> <title>Morvane *** Computation of geometric properties *** Version 4.0 / 29. "
                       "08. 2004/</title> <meta http-equiv=\"Content-Type\" content=\"text/html; "
                       "charset=iso-8859-1\"> <STYLE TYPE=\"text/css\"><!--H1 {font: bold 8pt Arial} em {font: bold "
                       "7pt Arial}--></STYLE> </head> <body>"),
        QStringLiteral("<strong>"),
        QStringLiteral("<table width=\"100%\"  align=\"center\" border=\"4\" cellpadding=\"0\" cellspacing=\"0\">"),
        QStringLiteral("<tr bgcolor=\"#cccccc\">"),
        QStringLiteral("<td align=\"center\" width=\"3%\"><H1>Item</H1></td>"),
        QStringLiteral("<td align=\"center\" width=\"18%\"><H1>Material</H1></td>"),
        QStringLiteral("<td align=\"center\" width=\"8%\"><H1>E modulus<br>KN/m2</H1></td>"),
        QStringLiteral("<td align=\"center\" width=\"5%\"><H1>Density<br>Kg/m3</H1></td>"),
        QStringLiteral("<td align=\"center\" width=\"8%\"><H1>Area cm2<br>Weight Kg/m</H1></td>"),
        QStringLiteral("<td align=\"center\" width=\"10%\"><H1>Mom. of inertia<br>Ix cm4<br>Iy cm4</H1></td>"),
        QStringLiteral("<td align=\"center\" width=\"10%\"><H1>Kx</H1></td>"),
        QStringLiteral("<td align=\"center\" width=\"10%\"><H1>Ky</H1></td>"),
        QStringLiteral("<td align=\"center\" width=\"9%\"><H1>Torsion</H1></td>"),
        QStringLiteral("<td align=\"center\" width=\"5%\"><H1>Poisson</H1></td>"),
        QStringLiteral("<td align=\"center\" width=\"9%\"><H1>Max.Tensile</H1></td>"),
        QStringLiteral("</tr>"),
        QStringLiteral("<tr bgcolor=\"#ffffff\">"),
        QStringLiteral("<td align=\"center\"><em></em><H1>1</H1></td>"),
        QStringLiteral("<td align=\"center\"><H1>Tube 1<br><img src=\"kep1.jpg\" width=\"96\" height=\"64\"></H1></td>"),
        QStringLiteral("<td align=\"center\"><em>E modulus<br>KN/m2</em><H1>210000000</H1></td>"),
        QStringLiteral("<td align=\"center\"><em>Density<br>Kg/m3</em><H1>7850</H1></td>"),
        QStringLiteral("<td align=\"center\"><em>Area cm2<br>Weight Kg/m</em><H1>10.000000<br>7.85</H1></td>"),
        QStringLiteral("<td align=\"center\"><em>Mom. of inertia<br>Ix cm4<br>Iy cm4</em><H1>12.50<br>8.25</H1></td>"),
        QStringLiteral("<td align=\"center\"><em>Kx</em><H1>3.10<br>3.20</H1></td>"),
        QStringLiteral("<td align=\"center\"><em>Ky</em><H1>2.00<br>2.10</H1></td>"),
        QStringLiteral("<td align=\"center\"><em>Torsion</em><H1>20.00<br>5.00</H1></td>"),
        QStringLiteral("<td align=\"center\"><em>Poisson</em><H1> 0.29</H1></td>"),
        QStringLiteral("<td align=\"center\"><em>Max.Tensile</em><H1>300<br>-300</H1></td>"),
        QStringLiteral("</tr>"),
        QStringLiteral("</strong>"),
        QStringLiteral("</font> </table> </body> </html>"),
        QString(),
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines.at(i), expected.at(i)) << "line " << i + 1;

    // Each line ends with CR LF; the last, empty line too.
    const QByteArray bytes = reportPage(list, pageInput());
    EXPECT_TRUE(bytes.startsWith("<!DOCTYPE HTML PUBLIC \"Morvane *** Computation"));
    EXPECT_TRUE(bytes.endsWith("</font> </table> </body> </html>\r\n\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), expected.size());
    EXPECT_EQ(bytes.count('\n'), expected.size());
}

TEST(ReportPage, RowsAlternateWhiteAndGrey)
{
    const QStringList lines = reportPageLines(sampleList(3), pageInput());
    EXPECT_EQ(rowLines(lines, 0).value(0), QStringLiteral("<tr bgcolor=\"#cccccc\">"));
    EXPECT_EQ(rowLines(lines, 1).value(0), QStringLiteral("<tr bgcolor=\"#ffffff\">"));
    EXPECT_EQ(rowLines(lines, 2).value(0), QStringLiteral("<tr bgcolor=\"#dddddd\">"));
    EXPECT_EQ(rowLines(lines, 3).value(0), QStringLiteral("<tr bgcolor=\"#ffffff\">"));
    EXPECT_TRUE(rowLines(lines, 2).value(2).contains(QStringLiteral("kep2.jpg")));
    EXPECT_TRUE(rowLines(lines, 3).value(1).contains(QStringLiteral("<H1>3</H1>")));
}

TEST(ReportPage, VisibleColumnItemsChooseTheCells)
{
    ReportPageInput input = pageInput();
    input.options.visibleColumns.fill(false);
    QStringList lines = reportPageLines(sampleList(2), input);
    for (int r = 0; r <= 2; ++r)
        EXPECT_EQ(rowLines(lines, r).size(), 3) << "row " << r; // the <tr> line and two cells
    EXPECT_TRUE(rowLines(lines, 0).value(2).contains(QStringLiteral("Material")));

    // Item 2 is the area with the weight (column 5), item 8 the stresses (column 11).
    input.options.visibleColumns[2] = true;
    input.options.visibleColumns[8] = true;
    lines = reportPageLines(sampleList(1), input);
    const QStringList row = rowLines(lines, 1);
    ASSERT_EQ(row.size(), 5);
    EXPECT_TRUE(row.at(3).contains(QStringLiteral("10.000000<br>7.85")));
    EXPECT_TRUE(row.at(4).contains(QStringLiteral("300<br>-300")));
    EXPECT_EQ(reportedColumns(input.options), (std::vector<int>{0, 2, 5, 11}));
}

TEST(ReportPage, FontsAndPictureOptionsReachThePage)
{
    ReportPageInput input = pageInput();
    input.options.dataFontSize = 25;
    input.options.measureFontSize = 5;
    input.options.pictures = false;
    const QStringList lines = reportPageLines(sampleList(1), input);
    EXPECT_TRUE(lines.at(1).contains(QStringLiteral("H1 {font: bold 25pt Arial} em {font: bold 4pt Arial}")));
    EXPECT_EQ(rowLines(lines, 1).value(2), QStringLiteral("<td align=\"center\"><H1>Tube 1</H1></td>"));

    input.options.pictures = true;
    input.options.imageSizePercent = 25;
    EXPECT_TRUE(reportPageLines(sampleList(1), input).join(QString()).contains(
        QStringLiteral("<img src=\"kep1.jpg\" width=\"60\" height=\"40\">")));
}

TEST(ReportPage, PairCellWithoutSeparatorHasAnEmptyUpperLine)
{
    ItemList list = sampleList(1);
    list.row(1).cells[11] = QStringLiteral("300");
    list.row(1).cells[7] = QStringLiteral("1&2&3");
    const QStringList row = rowLines(reportPageLines(list, pageInput()), 1);
    EXPECT_EQ(row.value(11), QStringLiteral("<td align=\"center\"><em>Max.Tensile</em><H1><br>300</H1></td>"));
    EXPECT_EQ(row.value(7), QStringLiteral("<td align=\"center\"><em>Kx</em><H1>1<br>2&amp;3</H1></td>"));
}

TEST(ReportPage, WeightUnderTheAreaComesFromTheStoredValues)
{
    ItemList list;
    list.put(1, sampleRow(QStringLiteral("Bar"), 7850, 1234.5)); // 9.690825 kg/m
    list.put(2, sampleRow(QStringLiteral("Light"), 0.5, 10));     // 0.000005
    const QStringList lines = reportPageLines(list, pageInput());
    EXPECT_TRUE(rowLines(lines, 1).value(5).endsWith(QStringLiteral("10.000000<br>9.69</H1></td>")));
    EXPECT_TRUE(rowLines(lines, 2).value(5).endsWith(QStringLiteral("10.000000<br>0.00</H1></td>")));
}

TEST(ReportPage, TextsShowLiterallyInTheLatin1Page)
{
    ItemList list = sampleList(1);
    list.row(1).cells[2] = QStringLiteral("<b>Cső</b> & \"Ä\" \U0001F600");
    ReportPageInput input = pageInput();
    input.title = QStringLiteral("*** Keresztmetszetek számítása ő ***");
    input.layout.headerCaptions[4] = QStringLiteral("Sűrűség\nKg/m3");
    const QByteArray page = reportPage(list, input);
    EXPECT_TRUE(page.contains("<H1>&lt;b&gt;Cs&#337;&lt;/b&gt; &amp; &quot;\xC4&quot; &#128512;<br><img"));
    EXPECT_TRUE(page.contains("<title>Morvane *** Keresztmetszetek sz\xE1m\xEDt\xE1sa &#337; ***"));
    EXPECT_TRUE(page.contains("<H1>S&#369;r&#369;s\xE9g<br>Kg/m3</H1>"));
    EXPECT_TRUE(page.contains("<em>S&#369;r&#369;s\xE9g<br>Kg/m3</em>"));
    EXPECT_FALSE(page.contains("<b>"));
    for (const char c : page)
        EXPECT_NE(c, '\0');
}

TEST(ReportPage, Latin1EncodingKeepsLatin1AndReferencesTheRest)
{
    EXPECT_EQ(latin1WithReferences(QStringLiteral("a\u00E9\u00FF")), QByteArray("a\xE9\xFF"));
    EXPECT_EQ(latin1WithReferences(QStringLiteral("\u0151\u20AC")), QByteArray("&#337;&#8364;"));
    EXPECT_EQ(latin1WithReferences(QString(QChar(0xD800))), QByteArray("&#65533;"));
    EXPECT_EQ(escapeHtmlText(QStringLiteral("a<b>&\"c'")), QStringLiteral("a&lt;b&gt;&amp;&quot;c'"));
}

TEST(ReportPage, DesignedLayoutFillsTheWholeWidth)
{
    const ReportLayout layout = designReportLayout(QStringList(ListColumns, QStringLiteral("H")));
    EXPECT_EQ(layout.gridWidth, 737);
    EXPECT_EQ(layout.columnWidths[1], 0);
    int total = 0;
    for (const int c : reportedColumns(ReportOptions{}))
        total += headerPercent(layout.columnWidths[std::size_t(c)], layout.gridWidth);
    EXPECT_GE(total, 98);
    EXPECT_LE(total, 102);
    EXPECT_EQ(headerPercent(layout.columnWidths[2], layout.gridWidth), 19); // 18.59
}

// A plate row's cells say what they hold; the cells of section values stay
// empty (a 4 mm plate of 1000 x 2000).
TEST(ReportPage, PlateRowCellsCarryTheirOwnCaptions)
{
    ItemList list = sampleList(1);
    ListRow plate;
    plate.isPlate = true;
    plate.cells[2] = QStringLiteral("4 mm steel plate");
    plate.cells[3] = QStringLiteral("1000x2000");
    plate.cells[4] = QStringLiteral("1");
    plate.cells[5] = QStringLiteral(" 62.80");
    plate.cells[6] = QStringLiteral(" 62.80");
    plate.cells[7] = QStringLiteral(" 4.000");
    list.put(2, plate);
    const QStringList row = rowLines(reportPageLines(list, pageInput()), 2);
    const auto cell = [](const char* middle) { return "<td align=\"center\">" + QString::fromLatin1(middle) + "</H1></td>"; };
    EXPECT_EQ(row.value(3), cell("<em>Size<br>[mm]</em><H1>1000x2000"));
    EXPECT_EQ(row.value(4), cell("<em>Pieces</em><H1>1"));
    EXPECT_EQ(row.value(5), cell("<em>Weight of one<br>[Kg]</em><H1> 62.80"));
    EXPECT_EQ(row.value(6), cell("<em>Weight of all<br>[Kg]</em><H1> 62.80"));
    EXPECT_EQ(row.value(7), cell("<em>Outside surface<br>[m2]</em><H1> 4.000"));
    for (int c : {8, 9, 10, 11})
        EXPECT_EQ(row.value(c), cell("")) << c;
}
