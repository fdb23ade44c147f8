// One computation pass per kind: the work done on every selection change.
#include "catalogue/profile_catalogue.h"
#include "sections/hollow.h"
#include "sections/profiles.h"
#include "sections/solid.h"

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

static void RectSolidCustomPass(benchmark::State& state)
{
    ComputeContext ctx;
    for (auto _ : state)
        benchmark::DoNotOptimize(rectSolidCustom(QStringLiteral("50"), QStringLiteral("10"), ctx));
}
BENCHMARK(RectSolidCustomPass);

static void CircSolidCataloguePass(benchmark::State& state)
{
    ComputeContext ctx;
    for (auto _ : state)
        benchmark::DoNotOptimize(circSolidEntry(QStringLiteral("Circ.solid section diameter:20"), ctx));
}
BENCHMARK(CircSolidCataloguePass);

static void FlatBarCataloguePass(benchmark::State& state)
{
    ComputeContext ctx;
    for (auto _ : state)
        benchmark::DoNotOptimize(flatBarEntry(QStringLiteral("R. section 10x3"), ctx));
}
BENCHMARK(FlatBarCataloguePass);

static void IBeamHeACataloguePass(benchmark::State& state)
{
    ComputeContext ctx;
    const ProfileTable& table = ProfileTable::builtIn();
    for (auto _ : state)
        benchmark::DoNotOptimize(iBeamEntry(QStringLiteral("I PBI;(HE-A) 1000 990x300"), {}, ctx, table));
}
BENCHMARK(IBeamHeACataloguePass);

static void TeeCataloguePass(benchmark::State& state)
{
    ComputeContext ctx;
    const ProfileTable& table = ProfileTable::builtIn();
    for (auto _ : state)
        benchmark::DoNotOptimize(teeEntry(QStringLiteral("T20x20x3"), {}, ctx, table));
}
BENCHMARK(TeeCataloguePass);

static void ChannelColdFormedPass(benchmark::State& state)
{
    ComputeContext ctx;
    const ProfileTable& table = ProfileTable::builtIn();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            channelEntry(QStringLiteral("CR U200x100x5"), {}, ChannelArrangement::Single, ctx, table));
}
BENCHMARK(ChannelColdFormedPass);

static void AngleCataloguePass(benchmark::State& state)
{
    ComputeContext ctx;
    ctx.angle = 30;
    const ProfileTable& table = ProfileTable::builtIn();
    for (auto _ : state)
        benchmark::DoNotOptimize(angleEntry(QStringLiteral("L section 30x45x5"), {}, ctx, table));
}
BENCHMARK(AngleCataloguePass);

BENCHMARK_MAIN();
