// Reading and filtering long pasted texts: time grows with the text's length,
// not with its square. Each case runs at a tenth of the length as well, so the
// two medians of one run show the growth (about ten times for ten times the text).
#include "itemlist/requirement_limits.h"
#include "sections/material.h"
#include "sections/material_filters.h"

#include <benchmark/benchmark.h>

// A density of n digits followed by a letter: no numeric tail.
static void DensityDigitsThenLetter(benchmark::State& state)
{
    const QString text = QString(state.range(0), QLatin1Char('7')) + QLatin1Char('a');
    for (auto _ : state)
        benchmark::DoNotOptimize(readDensity(text, UnitSettings{}));
}
BENCHMARK(DensityDigitsThenLetter)->Arg(12000)->Arg(120000)->Unit(benchmark::kMicrosecond);

// A letter, then n digits: the whole text is read back to the letter and the
// digits converted (too big for a double, so no number).
static void DensityLetterThenDigits(benchmark::State& state)
{
    const QString text = QLatin1Char('a') + QString(state.range(0), QLatin1Char('7'));
    for (auto _ : state)
        benchmark::DoNotOptimize(readDensity(text, UnitSettings{}));
}
BENCHMARK(DensityLetterThenDigits)->Arg(12000)->Arg(120000)->Unit(benchmark::kMicrosecond);

// A limit text of n digits and n letters.
static void LimitDigitsAndLetters(benchmark::State& state)
{
    const QString text = QString(state.range(0), QLatin1Char('1')) + QString(state.range(0), QLatin1Char('x'));
    for (auto _ : state)
        benchmark::DoNotOptimize(RequirementLimits::filterLimitText(text));
}
BENCHMARK(LimitDigitsAndLetters)->Arg(6000)->Arg(60000)->Unit(benchmark::kMicrosecond);

// The density box's filter over digits and letters mixed.
static void DensityFilterMixed(benchmark::State& state)
{
    QString text;
    for (int i = 0; i < state.range(0); ++i)
        text += QStringLiteral("7x");
    for (auto _ : state)
        benchmark::DoNotOptimize(filterDensity(text, densityItems()));
}
BENCHMARK(DensityFilterMixed)->Arg(6000)->Arg(60000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
