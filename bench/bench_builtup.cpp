// Built-up sections: the union of the parts, the outline integrals and the
// warping solution, as the built-up window runs them on every change. The
// reference beside them is the exact computation of the IPE 300 alone.
#include "builtup/builtup.h"
#include "exact/exact_properties.h"

#include <benchmark/benchmark.h>

namespace {

BuiltUpPart plate(double width, double thickness, double x, double y, int angle = 0)
{
    return {SectionKind::RectSolid, {}, {QString::number(width), QString::number(thickness)}, x, y, angle, false};
}

BuiltUpPart entry(SectionKind kind, const char* name, double x, double y, int angle = 0, bool mirror = false)
{
    return {kind, QString::fromUtf8(name), {}, x, y, angle, mirror};
}

struct Row {
    const char* label;
    BuiltUpComposition composition;
};

const std::vector<Row>& rows()
{
    static const std::vector<Row> r{
        {"IPE 300 + PL 200x10 under", {{}, {entry(SectionKind::I, "IPE 300x150", 0, 0), plate(200, 10, 0, -155)}}},
        {"HE-B 300 boxed by 2 PL 300x10",
         {{}, {entry(SectionKind::I, "IPB;HE-B 300x300", 0, 0), plate(10, 300, -155, 0), plate(10, 300, 155, 0)}}},
        {"2 L 100x100x10, 10 mm apart",
         {{},
          {entry(SectionKind::L, "L section 100x100x10", 33.2, 0),
           entry(SectionKind::L, "L section 100x100x10", -33.2, 0, 0, true)}}},
        {"five parts: IPE 300, 2 PL, 2 L",
         {{},
          {entry(SectionKind::I, "IPE 300x150", 0, 0), plate(200, 10, 0, -155), plate(150, 10, 0, 155),
           entry(SectionKind::L, "L section 100x100x10", 33.2, -188, 180, true),
           entry(SectionKind::L, "L section 100x100x10", -33.2, -188, 180)}}},
    };
    return r;
}

void BuiltUpSection(benchmark::State& state)
{
    const Row& row = rows()[std::size_t(state.range(0))];
    state.SetLabel(row.label);
    int triangles = 0;
    for (auto _ : state) {
        const BuiltUpResult r = computeBuiltUp(row.composition);
        if (!r.properties) {
            state.SkipWithError(r.error.toStdString().c_str());
            return;
        }
        triangles = r.properties->triangles;
        benchmark::DoNotOptimize(r);
    }
    state.counters["triangles"] = triangles;
}
BENCHMARK(BuiltUpSection)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void ReferenceIpe300Alone(benchmark::State& state)
{
    const ExactRequest request{SectionKind::I, QStringLiteral("IPE 300x150"), {}, 0, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(exactForTab(request));
}
BENCHMARK(ReferenceIpe300Alone)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
