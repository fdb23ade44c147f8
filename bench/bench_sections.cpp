// One computation pass per kind: the work done on every selection change.
#include "sections/hollow.h"

#include <benchmark/benchmark.h>

static void RectHollowCataloguePass(benchmark::State& state)
{
    ComputeContext ctx;
    for (auto _ : state)
        benchmark::DoNotOptimize(rectHollowEntry(QStringLiteral("40x20x3"), ctx));
}
BENCHMARK(RectHollowCataloguePass);

static void RectHollowRotatedCustomPass(benchmark::State& state)
{
    ComputeContext ctx;
    ctx.angle = 30;
    for (auto _ : state)
        benchmark::DoNotOptimize(rectHollowCustom(QStringLiteral("40"), QStringLiteral("20"), QStringLiteral("3"), ctx));
}
BENCHMARK(RectHollowRotatedCustomPass);

static void PipeCataloguePass(benchmark::State& state)
{
    ComputeContext ctx;
    for (auto _ : state)
        benchmark::DoNotOptimize(pipeEntry(QStringLiteral("1/2\" pipe diameter:21,3x2,6"), ctx));
}
BENCHMARK(PipeCataloguePass);

BENCHMARK_MAIN();
