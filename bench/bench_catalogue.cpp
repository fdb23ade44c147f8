// Loading the ten menus and the profile table from the built-in data, as
// start-up does (without the static caches).
#include "catalogue/profile_catalogue.h"
#include "settings/eight_bit_text.h"

#include <QFile>
#include <benchmark/benchmark.h>

static void LoadAllMenusAndTable(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t entries = 0;
        for (SectionKind kind : AllSectionKinds)
            entries += loadMenu(builtInMenuText(kind)).entries.size();
        QFile file(QStringLiteral(":/catalogue/data/profiles.txt"));
        file.open(QIODevice::ReadOnly);
        const ProfileTable table(splitLines(decodeEightBit(file.readAll())));
        benchmark::DoNotOptimize(entries + std::size_t(table.lineCount()));
    }
}
BENCHMARK(LoadAllMenusAndTable)->Unit(benchmark::kMillisecond);

static void LookupLastColdChannel(benchmark::State& state)
{
    const ProfileTable& table = ProfileTable::builtIn();
    for (auto _ : state)
        benchmark::DoNotOptimize(table.find(QStringLiteral("CR U200x100x5"), {ProfileFamily::ColdRolledU}));
}
BENCHMARK(LookupLastColdChannel);

BENCHMARK_MAIN();
