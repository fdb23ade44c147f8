// Printing a full list of 250 items: the layout, one preview page and the
// whole PDF. The reference is a PDF of one page with one line of text, made
// in the same run, so that the figures can be read against the machine.
#include "itemlist/item_list.h"
#include "itemlist/units_apply.h"
#include "output/print_layout.h"
#include "output/print_page.h"
#include "sections/hollow.h"
#include "sections/material.h"
#include "settings/message_table.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
ItemList fullList()
{
    MaterialTexts steel;
    steel.eItems = eModulusItems();
    steel.densityItems = densityItems();
    steel.poissonItems = poissonItems();
    steel.eModulus = steel.eItems[0];
    steel.density = steel.densityItems[0];
    steel.poisson = steel.poissonItems[0];
    steel.tensile = QStringLiteral("300");
    steel.pressure = QStringLiteral("-300");
    ItemList list;
    for (int r = 1; r <= ItemListCapacity; ++r) {
        const int a = 20 + r % 200;
        WriteOutcome out = writeSectionRow(r, steel, rectHollowProperties(a, a / 2 + 10, 3, r % 90), UnitSettings{},
                                           r % 90, MessageTable::english());
        out.row.cells[2] = QStringLiteral("%1x%2x3 RH Section Rotate :%3 deg.").arg(a).arg(a / 2 + 10).arg(r % 90);
        QImage picture(240, 160, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setPen(QPen(Qt::blue, 3));
        painter.drawRect(40 + r % 30, 30, 120, 90);
        painter.end();
        out.row.rowPicture = picture.convertToFormat(QImage::Format_Indexed8);
        list.put(r, out.row);
    }
    return list;
}

struct Job {
    ItemList list = fullList();
    PrintContent content;
    QPageLayout page = *paperLayout(QStringLiteral("A4"), false);
    PrinterMetrics metrics = PrinterMetrics::fromPageLayout(page, PdfPageSink::Resolution);
    TextMeasure measure = TextMeasure::arial();
    PageTexts texts{QStringLiteral("Page number"), QStringLiteral("07.12.2026"),
                    QStringLiteral("Morvane *** Computation of geometric properties *** Version 3.1")};
    Job()
    {
        content.list = &list;
        content.headers = headerCaptions(UnitSettings{}, MessageTable::english());
    }
};

Job& job()
{
    static Job j;
    return j;
}
} // namespace

static void ReferenceOneLinePdf(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        PdfPageSink sink(dir.filePath(QStringLiteral("one.pdf")), job().page, QStringLiteral("one"));
        QPainter* painter = sink.beginJob();
        painter->drawText(1000, 1000, QStringLiteral("Morvane"));
        sink.endJob();
        benchmark::DoNotOptimize(sink.finish());
    }
}
BENCHMARK(ReferenceOneLinePdf)->Unit(benchmark::kMillisecond);

static void Layout250Items(benchmark::State& state)
{
    Job& j = job();
    int pages = 0;
    for (auto _ : state) {
        const LayoutOutcome outcome = layoutPrint(j.metrics, {10, 10, 10, 10}, j.content, j.measure);
        pages = outcome.layout ? outcome.layout->pageCount : 0;
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(Layout250Items)->Unit(benchmark::kMillisecond);

static void PreviewOnePage(benchmark::State& state)
{
    Job& j = job();
    const PrintLayout layout = *layoutPrint(j.metrics, {10, 10, 10, 10}, j.content, j.measure).layout;
    for (auto _ : state)
        benchmark::DoNotOptimize(previewPage(layout, j.content, j.texts, 2));
}
BENCHMARK(PreviewOnePage)->Unit(benchmark::kMillisecond);

static void LayoutAndPdf250Items(benchmark::State& state)
{
    Job& j = job();
    QTemporaryDir dir;
    for (auto _ : state) {
        const PrintLayout layout = *layoutPrint(j.metrics, {10, 10, 10, 10}, j.content, j.measure).layout;
        PdfPageSink sink(dir.filePath(QStringLiteral("job.pdf")), j.page, QStringLiteral("job"));
        benchmark::DoNotOptimize(printPages(sink, layout, j.content, j.texts, {1, layout.pageCount, 1}));
    }
}
BENCHMARK(LayoutAndPdf250Items)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
