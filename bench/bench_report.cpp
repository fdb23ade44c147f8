// The HTML report of a full list (250 items: pictures on all cores, then the
// page) against the reference: one thread encoding the same 250 pictures with
// libjpeg and writing nothing.
#include "drawing/overlay.h"
#include "drawing/section_pictures.h"
#include "output/report_generator.h"
#include "output/report_pictures.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const ItemList& fullList()
{
    static const ItemList list = [] {
        ItemList l;
        for (int r = 1; r <= ItemListCapacity; ++r) {
            const SectionKind kind = AllSectionKinds[std::size_t(r) % AllSectionKinds.size()];
            ListRow row;
            row.cells = {QString(), QStringLiteral("00"), QStringLiteral("Section %1").arg(r),
                         QStringLiteral("210000000"), QStringLiteral("7850"), QStringLiteral("3.240000"),
                         QStringLiteral("1.89&0.62"), QStringLiteral("1.89&1.89"), QStringLiteral("1.24&1.24"),
                         QStringLiteral("1.75&1.32"), QStringLiteral(" 0.29"), QStringLiteral("300&-300")};
            row.itemValues[1] = 7850;
            row.itemValues[2] = 324;
            if (kind == SectionKind::Plate)
                row.isPlate = true;
            else
                row.rowPicture = toSixteenColours(sectionPicture(pictureFor(kind)));
            l.put(r, row);
        }
        return l;
    }();
    return list;
}

ReportPageInput pageInput()
{
    ReportPageInput input;
    input.title = QStringLiteral("*** Computation of geometric properties ***");
    input.version = reportVersionText();
    input.layout.headerCaptions = QStringList(ListColumns, QStringLiteral("Caption"));
    input.layout.columnWidths = {20, 0, 137, 60, 40, 60, 80, 80, 80, 70, 40, 70};
    input.layout.gridWidth = 780;
    return input;
}

void ReportOf250Items(benchmark::State& state)
{
    const ItemList& list = fullList();
    QTemporaryDir dir;
    for (auto _ : state) {
        const ReportFilesOutcome outcome = writeReportFiles(dir.path(), list, pageInput());
        if (!outcome.written)
            state.SkipWithError("report not written");
    }
    state.SetItemsProcessed(state.iterations() * list.count());
}
BENCHMARK(ReportOf250Items)->Unit(benchmark::kMillisecond)->UseRealTime();

void OneThreadEncodeOf250Pictures(benchmark::State& state)
{
    const ItemList& list = fullList();
    for (auto _ : state) {
        for (int r = 1; r <= list.count(); ++r)
            benchmark::DoNotOptimize(encodeJpeg(reportPicture(list.row(r))));
    }
    state.SetItemsProcessed(state.iterations() * list.count());
}
BENCHMARK(OneThreadEncodeOf250Pictures)->Unit(benchmark::kMillisecond)->UseRealTime();

// The parts of the report, to see where its time goes.
void EncodeOf250PicturesOnAllCores(benchmark::State& state)
{
    const ItemList& list = fullList();
    std::vector<QByteArray> pictures;
    for (auto _ : state)
        parallelItems<QByteArray>(
            std::size_t(list.count()), [&](std::size_t i) { return encodeJpeg(reportPicture(list.row(int(i) + 1))); },
            pictures);
    state.SetItemsProcessed(state.iterations() * list.count());
}
BENCHMARK(EncodeOf250PicturesOnAllCores)->Unit(benchmark::kMillisecond)->UseRealTime();

void PageOf250Items(benchmark::State& state)
{
    const ItemList& list = fullList();
    for (auto _ : state)
        benchmark::DoNotOptimize(reportPage(list, pageInput()));
}
BENCHMARK(PageOf250Items)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 16-colour row pictures spelled out in full colour, on one thread.
void ColoursOf250Pictures(benchmark::State& state)
{
    const ItemList& list = fullList();
    for (auto _ : state)
        for (int r = 1; r <= list.count(); ++r)
            benchmark::DoNotOptimize(reportPicture(list.row(r)));
}
BENCHMARK(ColoursOf250Pictures)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
