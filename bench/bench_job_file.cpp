// Saving and loading a 250-item job, beside a one-thread reference that
// compresses the same 250 picture blocks with zlib at level 9.
#include "drawing/dimension_label_table.h"
#include "drawing/overlay.h"
#include "drawing/section_pictures.h"
#include "itemlist/job_file.h"
#include "sections/hollow.h"
#include "sections/material.h"
#include "settings/message_table.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <zlib.h>

namespace {
// 250 listed sections of every kind, turned by various angles, with labels.
const JobFile& fullJob()
{
    static const JobFile job = [] {
        JobFile j;
        j.name = QStringLiteral("Benchmark");
        MaterialTexts t;
        t.eItems = eModulusItems();
        t.densityItems = densityItems();
        t.poissonItems = poissonItems();
        t.eModulus = t.eItems[0];
        t.density = t.densityItems[0];
        t.poisson = t.poissonItems[0];
        t.tensile = QStringLiteral("300");
        t.pressure = QStringLiteral("-300");
        const PictureKind kinds[] = {PictureKind::RectHollow, PictureKind::RectSolid, PictureKind::FlatBar,
                                     PictureKind::L, PictureKind::T, PictureKind::USingle, PictureKind::I};
        for (int r = 1; r <= ItemListCapacity; ++r) {
            const int angle = (r * 37) % 360;
            WriteOutcome out = writeSectionRow(r, t, rectHollowProperties(40 + r % 60, 20 + r % 30, 3, angle),
                                               UnitSettings{}, angle, MessageTable::english());
            DimensionLabelTable labels;
            labels.setLabels({{120, 20, QString::number(40 + r % 60)}, {30, 80, QString::number(20 + r % 30)},
                              {150, 120, QStringLiteral("3")}});
            out.row.rowPicture = toSixteenColours(
                redrawOverlay(sectionPicture(kinds[r % 7]), angle, labels, MessageTable::english()));
            out.row.cells[0] = QString::number(r);
            out.row.cells[2] = QStringLiteral("%1x%2x3 RH Section").arg(40 + r % 60).arg(20 + r % 30);
            j.rows.push_back(out.row);
        }
        j.eItems = t.eItems;
        j.densityItems = t.densityItems;
        j.tensile = t.tensile;
        j.pressure = t.pressure;
        j.firstTabPicture = redrawOverlay(sectionPicture(PictureKind::RectHollow), 0, DimensionLabelTable{},
                                          MessageTable::english());
        return j;
    }();
    return job;
}
} // namespace

static void SaveJob250(benchmark::State& state)
{
    const JobFile& job = fullJob();
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = writeJob(job);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.counters["fileBytes"] = double(size);
}
BENCHMARK(SaveJob250)->Unit(benchmark::kMillisecond)->UseRealTime();

static void ReferenceCompress250BlocksOneThread(benchmark::State& state)
{
    const JobFile& job = fullJob();
    const QByteArray second = bmpTrueColour(job.firstTabPicture);
    std::vector<QByteArray> blocks;
    for (const ListRow& row : job.rows)
        blocks.push_back(pictureBlock(row, second));
    std::vector<Bytef> out(compressBound(uLong(blocks[0].size())));
    for (auto _ : state) {
        for (const QByteArray& block : blocks) {
            uLongf size = uLongf(out.size());
            compress2(out.data(), &size, reinterpret_cast<const Bytef*>(block.constData()), uLong(block.size()), 9);
            benchmark::DoNotOptimize(out.data());
        }
    }
}
BENCHMARK(ReferenceCompress250BlocksOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same 250 blocks as a save writes them, on one thread: each row's own
// bitmap, and the second bitmap compressed once and copied into every block.
static void SaveBlocks250OneThread(benchmark::State& state)
{
    const JobFile& job = fullJob();
    const QByteArray second = bmpTrueColour(job.firstTabPicture);
    for (auto _ : state) {
        const SharedBlockTail tail = compressBlockTail(second);
        for (const ListRow& row : job.rows)
            benchmark::DoNotOptimize(compressBlock(pictureBlock(row, {}), tail).size());
    }
}
BENCHMARK(SaveBlocks250OneThread)->Unit(benchmark::kMillisecond)->UseRealTime();

// The share of a save that is not picture blocks: the data text of 250 items.
static void DataText250(benchmark::State& state)
{
    const JobFile& job = fullJob();
    for (auto _ : state)
        benchmark::DoNotOptimize(compressBlock(jobDataText(job)).size());
}
BENCHMARK(DataText250)->Unit(benchmark::kMillisecond)->UseRealTime();

static void LoadJob250(benchmark::State& state)
{
    const QByteArray bytes = writeJob(fullJob());
    for (auto _ : state) {
        const JobReading read = readJob(bytes);
        if (!read.job)
            state.SkipWithError("the job did not read");
        benchmark::DoNotOptimize(read.job->rows.data());
    }
}
BENCHMARK(LoadJob250)->Unit(benchmark::kMillisecond)->UseRealTime();

// Pictures with labels need fonts: a GUI application without a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
