#include "pdf_tools.h"
#include "print_fixture.h"

#include "output/print_page.h"

#include "../common/full_disk.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
const QColor Navy(0, 0, 128);

PageTexts texts()
{
    return {"Page number", "07.12.2026", "Morvane *** Computation of geometric properties *** Version 3.1"};
}

// The preview's paper position of the table's top-left line crossing.
QPoint tableCorner(const PrintLayout& layout)
{
    return {qRound(mmToPx(layout.margins.left) + qRound((layout.areaWidthPx() - layout.tableWidth()) / 2.0) + 1),
            qRound(mmToPx(layout.margins.top) + qRound((layout.areaHeightPx() - layout.tableHeight()) / 2.0) + 1)};
}

bool isNavy(const QImage& image, int x, int y) { return image.pixelColor(x, y) == Navy; }

// The navy runs met going down the pixel column x from y0 to y1.
std::vector<int> runsDown(const QImage& image, int x, int y0, int y1)
{
    std::vector<int> starts;
    bool inside = false;
    for (int y = y0; y <= y1; ++y) {
        const bool navy = isNavy(image, x, y);
        if (navy && !inside)
            starts.push_back(y);
        inside = navy;
    }
    return starts;
}

// Records what the printer was asked to do.
struct RecordingSink : PageSink {
    QImage sheet{100, 100, QImage::Format_RGB32};
    QPainter painter;
    int jobs = 0, ends = 0, newPages = 0;
    QPainter* beginJob() override { ++jobs; painter.begin(&sheet); return &painter; }
    bool newPage() override { ++newPages; return true; }
    bool endJob() override { ++ends; return painter.end(); }
};

QPageLayout a4() { return *paperLayout("A4", false); }
} // namespace

TEST(PrintPage, PreviewIsThePaperAt96Dpi)
{
    const ItemList list = printList(1);
    const PrintLayout layout = laidOut(paperMetrics(210, 297, 4.2), {10, 10, 10, 10}, printContent(list));
    const QImage page = previewPage(layout, printContent(list), texts(), 1);
    EXPECT_EQ(std::pair(page.size(), page.pixelColor(2, 2)), std::pair(QSize(794, 1123), QColor(Qt::white)));
    int navyOnOutline = 0; // of the printable area's dashed outline at 4.2 mm = 15.9 px
    for (int y = 100; y < 200; ++y)
        navyOnOutline += isNavy(page, 16, y);
    EXPECT_GT(navyOnOutline, 20);
    EXPECT_LT(navyOnOutline, 100);
}

TEST(PrintPage, FullPageFramesEveryRowTheLastPageDrawsItsRowAtTheTop)
{
    const ItemList probe = printList(1);
    const int k = laidOut(paperMetrics(210, 297), {10, 10, 10, 10}, printContent(probe)).rowsPerPage;
    const ItemList list = printList(2 * k + 1);
    const PrintContent content = printContent(list);
    const PrintLayout layout = laidOut(paperMetrics(210, 297), {10, 10, 10, 10}, content);
    ASSERT_EQ(layout.pageCount, 3);
    const QPoint corner = tableCorner(layout);
    const int x = corner.x() + 4; // inside the item column, left of its centred number

    const QImage full = previewPage(layout, content, texts(), 1);
    EXPECT_TRUE(isNavy(full, corner.x(), corner.y() + layout.pitchPx / 2));
    EXPECT_TRUE(isNavy(full, corner.x() + layout.tableWidth(), corner.y() + layout.pitchPx / 2));
    EXPECT_FALSE(isNavy(full, corner.x() - 4, corner.y() + layout.pitchPx / 2));
    const std::vector<int> fullLines = runsDown(full, x, corner.y() - 3, corner.y() + layout.tableHeight() + 3);
    ASSERT_EQ(int(fullLines.size()), k + 1);
    EXPECT_EQ(fullLines[1] - fullLines[0], layout.pitchPx);

    const QImage last = previewPage(layout, content, texts(), 3);
    EXPECT_EQ(runsDown(last, x, corner.y() - 3, corner.y() + layout.tableHeight() + 3),
              (std::vector{fullLines[0], fullLines[1]}));
}

TEST(PrintPage, PictureSitsTwoPixelsAboveTheRowLine)
{
    ItemList list = printList(1);
    list.row(1).rowPicture = QImage(240, 160, QImage::Format_RGB32);
    list.row(1).rowPicture.fill(QColor(200, 0, 0));
    const PrintContent content = printContent(list, noColumns(true));
    const PrintLayout layout = laidOut(paperMetrics(210, 297), {10, 10, 10, 10}, content);
    const QImage page = previewPage(layout, content, texts(), 1);
    const QPoint corner = tableCorner(layout);
    const int centre = corner.x() + layout.columnLeft[2] + layout.columnWidth[2] / 2;
    const int bottom = corner.y() + layout.pitchPx;
    // The picture's lowest line is 2 px above the row's line (whose pen reaches 1 px up); it is 64 px high.
    const auto at = [&](int up) { return page.pixelColor(centre, bottom - up); };
    const QColor red(200, 0, 0);
    EXPECT_EQ((std::vector{at(3), at(2), at(66)}), (std::vector{red, QColor(Qt::white), red}));
    EXPECT_NE(at(67), red);
}

TEST(PrintPage, PrinterStyleInHundredthsOfAMillimetre)
{
    const ItemList list = printList(1);
    PrintLayout layout = laidOut(paperMetrics(210, 297, 4.2), {12, 20, 10, 10}, printContent(list));
    layout.fontSize = 10;
    const PageStyle s = PageStyle::printer(layout), preview = PageStyle::preview(layout);
    EXPECT_EQ(std::tuple(s.penWidth, s.cellFontHeight, s.headerFontHeight, s.headerBold, s.ink),
              std::tuple(53, 353, 282, false, QColor(Qt::black)));
    EXPECT_NEAR(s.originX * s.scale, 1200, 1); // 12 mm
    EXPECT_NEAR(s.originY * s.scale, 2000, 1);
    EXPECT_EQ(std::tuple(preview.ink, preview.headerBold, preview.penWidth), std::tuple(Navy, true, 2));
}

TEST(PrintJobs, EveryCopyIsAJobAndARangeIsClamped)
{
    const ItemList probe = printList(1);
    const int k = laidOut(paperMetrics(210, 297), {10, 10, 10, 10}, printContent(probe)).rowsPerPage;
    const ItemList list = printList(4 * k + 1);
    const PrintContent content = printContent(list);
    const PrintLayout layout = laidOut(paperMetrics(210, 297), {10, 10, 10, 10}, content);
    ASSERT_EQ(layout.pageCount, 5);

    // {first, last, copies} -> jobs begun and ended, new pages; pages 4 to 9 are 4 and 5.
    const struct {
        PrintRange range;
        int jobs, newPages;
    } cases[] = {{{1, 5, 2}, 2, 8}, {{3, 3, 1}, 1, 0}, {{1, 5, 0}, 0, 0}, {{4, 9, 1}, 1, 1}};
    for (const auto& c : cases) {
        RecordingSink sink;
        EXPECT_TRUE(printPages(sink, layout, content, texts(), c.range));
        EXPECT_EQ((std::array{sink.jobs, sink.ends, sink.newPages}), (std::array{c.jobs, c.jobs, c.newPages}))
            << c.range.from << "-" << c.range.to << " x" << c.range.copies;
    }
}

TEST(PrintPdf, CopiesFollowEachOtherAndTheCurrentPageStandsAlone)
{
    if (!havePoppler())
        GTEST_SKIP() << "pdfinfo and pdftotext are not installed";
    QTemporaryDir dir;
    ItemList list = printList(12, "HR I80x42");
    const PrinterMetrics metrics = PrinterMetrics::fromPageLayout(a4(), PdfPageSink::Resolution);
    const int k = laidOut(metrics, {10, 10, 10, 10}, printContent(list), TextMeasure::arial()).rowsPerPage;
    ASSERT_LT(k, 12);
    list.row(k + 1).cells[2] = "Next page first";
    const PrintContent content = printContent(list);
    const PrintLayout layout = laidOut(metrics, {10, 10, 10, 10}, content, TextMeasure::arial());
    ASSERT_EQ(layout.pageCount, 2);
    ASSERT_EQ(layout.rowsPerPage, k);

    const QString file = dir.filePath("job.pdf");
    PdfPageSink sink(file, a4(), "job");
    ASSERT_TRUE(printPages(sink, layout, content, texts(), {1, 2, 2}));
    EXPECT_EQ(sink.jobs(), 2);
    EXPECT_EQ(pdfPages(file), 4);
    EXPECT_TRUE(toolOutput("pdfinfo", {file}).contains("595 x 842 pts (A4)"));
    const QString text = pdfText(file);
    // The second copy starts again on page 3.
    EXPECT_EQ((std::array{text.count("Page number :1/2"), text.count("Page number :2/2"),
                          pdfText(file, 3).count("Page number :1/2")}),
              (std::array<qsizetype, 3>{2, 2, 1}));
    for (const char* shown : {"HR I80x42", "Morvane *** Computation of geometric properties *** Version 3.1",
                              "07.12.2026", "210000000"})
        EXPECT_TRUE(text.contains(shown)) << shown;
    EXPECT_FALSE(pdfText(file, 1).contains("Next page first"));

    // The current page only: its own items, numbered of all pages.
    const QString second = dir.filePath("second.pdf");
    PdfPageSink one(second, a4(), "job");
    ASSERT_TRUE(printPages(one, layout, content, texts(), {2, 2, 1}));
    EXPECT_EQ(pdfPages(second), 1);
    const QString secondText = pdfText(second);
    EXPECT_EQ((std::array{secondText.contains("Page number :2/2"), secondText.contains("Page number :1/2"),
                          secondText.contains("Next page first")}),
              (std::array{true, false, true}));
}

// A disk that fills up while the PDF is written leaves the old PDF whole:
// nothing, a few bytes, or all but the end of the new one fit.
TEST(PrintPdf, AFullDiskLeavesTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const ItemList list = printList(30, "HR I80x42");
    const PrintContent content = printContent(list);
    const PrintLayout layout = laidOut(PrinterMetrics::fromPageLayout(a4(), PdfPageSink::Resolution),
                                       {10, 10, 10, 10}, content, TextMeasure::arial());
    const QString file = dir.filePath("job.pdf");
    PdfPageSink good(file, a4(), "job");
    ASSERT_TRUE(printPages(good, layout, content, texts(), {1, layout.pageCount, 1}));
    const QByteArray old = readAll(file);
    ASSERT_FALSE(old.isEmpty());
    for (const qint64 room : {qint64(0), qint64(1000), qint64(old.size() - 10)}) {
        SCOPED_TRACE(room);
        FailingDisk disk(room);
        PdfPageSink sink(file, a4(), "job");
        EXPECT_FALSE(printPages(sink, layout, content, texts(), {1, layout.pageCount, 2}));
        EXPECT_TRUE(sink.errorString().contains("No space left")) << sink.errorString().toStdString();
        EXPECT_EQ(readAll(file), old);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"job.pdf"});
}

TEST(PrintPdf, PreviewAndPdfPlaceTheTableAlike)
{
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    QTemporaryDir dir;
    const ItemList list = printList(3, "HR I80x42");
    const PrintContent content = printContent(list);
    const PrinterMetrics metrics = PrinterMetrics::fromPageLayout(a4(), PdfPageSink::Resolution);
    const PrintLayout layout = laidOut(metrics, {25, 15, 10, 10}, content, TextMeasure::arial());
    PdfPageSink sink(dir.filePath("page.pdf"), a4(), "job");
    ASSERT_TRUE(printPages(sink, layout, content, texts(), {1, 1, 1}));
    toolOutput("pdftoppm", {"-r", "96", "-png", "-singlefile", dir.filePath("page.pdf"), dir.filePath("page")});
    const QImage printed(dir.filePath("page.png"));
    ASSERT_FALSE(printed.isNull());
    const QImage preview = previewPage(layout, content, texts(), 1);
    ASSERT_LE(std::abs(printed.width() - preview.width()), 1);

    // The first dark pixel along a line through the middle of the first row,
    // and down a column inside the item cell.
    const QPoint corner = tableCorner(layout);
    const auto dark = [](const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    const auto firstAcross = [&](const QImage& image) {
        for (int x = 4; x < image.width(); ++x) // right of the preview's outline of the printable area
            if (dark(image, x, corner.y() + layout.pitchPx / 2))
                return x;
        return -1;
    };
    const auto firstDown = [&](const QImage& image) {
        for (int y = 40; y < image.height(); ++y)
            if (dark(image, corner.x() + 4, y))
                return y;
        return -1;
    };
    EXPECT_NEAR(firstAcross(printed), firstAcross(preview), 2);
    EXPECT_NEAR(firstDown(printed), firstDown(preview), 2);
    EXPECT_NEAR(firstAcross(preview), corner.x(), 1);
}
