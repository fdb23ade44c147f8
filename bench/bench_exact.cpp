// The exact properties of ten representative sections: outline, mesh and
// warping solution, as the exact-properties window runs them on every pass.
// The reference beside them is the panel's own computation pass of the same
// section.
#include "exact/exact_properties.h"
#include "sections/tab_computations.h"
#include "settings/message_table.h"

#include <benchmark/benchmark.h>

namespace {

struct Row {
    const char* label;
    SectionKind kind;
    const char* entry;
    QStringList fields;
    int angle;
};

const std::vector<Row>& rows()
{
    static const std::vector<Row> r{
        {"IPE 200", SectionKind::I, "IPE 200x100", {}, 0},
        {"HE-B 300", SectionKind::I, "IPB;HE-B 300x300", {}, 0},
        {"U 200", SectionKind::U, "HR U200x75", {}, 0},
        {"L 100x100x10", SectionKind::L, "L section 100x100x10", {}, 0},
        {"T50x50x6", SectionKind::T, "T50x50x6", {}, 0},
        {"tube 60x40x4", SectionKind::RectHollow, "60x40x4", {}, 0},
        {"cold-formed U 200x100x5", SectionKind::U, "CR U200x100x5", {}, 0},
        {"double-U box 100", SectionKind::U, "HR 2xU [] U100x50", {}, 0},
        {"custom I turned 30", SectionKind::I, nullptr, {"100", "200", "5.6", "8.5"}, 30},
        {"pipe 21.3x2.6", SectionKind::CircHollow, "1/2\" pipe diameter:21,3x2,6", {}, 0},
    };
    return r;
}

QString entryOf(const Row& row)
{
    return row.entry ? QString::fromUtf8(row.entry) : MessageTable::english()(96);
}

void ExactProperties(benchmark::State& state)
{
    const Row& row = rows()[std::size_t(state.range(0))];
    state.SetLabel(row.label);
    const ExactRequest request{row.kind, entryOf(row), row.fields, 0, row.angle};
    int triangles = 0;
    for (auto _ : state) {
        const ExactOutcome out = exactForTab(request);
        if (!out.properties) {
            state.SkipWithError(out.error.toStdString().c_str());
            return;
        }
        triangles = out.properties->triangles;
        benchmark::DoNotOptimize(out);
    }
    state.counters["triangles"] = triangles;
}
BENCHMARK(ExactProperties)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

void PanelPass(benchmark::State& state)
{
    const Row& row = rows()[std::size_t(state.range(0))];
    state.SetLabel(row.label);
    ComputeContext ctx;
    ctx.angle = row.angle;
    for (auto _ : state)
        benchmark::DoNotOptimize(computeEntry(row.kind, entryOf(row), ctx, row.fields));
}
BENCHMARK(PanelPass)->DenseRange(0, 9)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
