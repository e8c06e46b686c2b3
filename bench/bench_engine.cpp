// SPDX-License-Identifier: MIT
// Time of drawing one problem, of marking one submission, and of solving every
// possible exponent table once.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "app/runtime/random_source.h"
#include "engine/problem.h"
#include "engine/score.h"
#include "engine/submit.h"
#include "tests/support/next_exponent_table.h"

namespace {

using namespace tarnivo;

void BM_GenerateProblem(benchmark::State& state) {
    RandomSource random;
    for (auto _ : state) benchmark::DoNotOptimize(GenerateProblem(random));
}
BENCHMARK(BM_GenerateProblem);

void BM_SubmitFullyRight(benchmark::State& state) {
    const std::array<std::string, 3> keys{"2", "6", "3"};
    const std::array<std::string, 3> boxes{"2", " 6 ", "3"};
    Score score;
    for (auto _ : state) benchmark::DoNotOptimize(Submit(score, boxes, keys, "7", ProblemLimit));
}
BENCHMARK(BM_SubmitFullyRight);

void BM_SubmitWrong(benchmark::State& state) {
    const std::array<std::string, 3> keys{"2", "6", "3"};
    const std::array<std::string, 3> boxes{"02", "6", ""};
    Score score;
    for (auto _ : state) benchmark::DoNotOptimize(Submit(score, boxes, keys, "7", ProblemLimit));
}
BENCHMARK(BM_SubmitWrong);

// The engine's part of the exhaustive test: every table through the steps after the draw.
void BM_SweepAllTables(benchmark::State& state) {
    for (auto _ : state) {
        ExponentTable grid;
        TermTable terms;
        ExponentTable keyExponents;
        long tables = 0;
        long needingForm = 0;
        do {
            ComputeTerms(PrimeBases(), grid, terms);
            SimplifyExponents(grid, keyExponents);
            needingForm += NeedsAnswerForm(ComputeAnswerKey(PrimeBases(), keyExponents)) ? 1 : 0;
            ++tables;
        } while (tarnivo::testing::NextExponentTable(grid));
        if (tables != 531441 || needingForm != 321393) state.SkipWithError("the sweep miscounted");
        benchmark::DoNotOptimize(terms);
        benchmark::DoNotOptimize(needingForm);
    }
}
BENCHMARK(BM_SweepAllTables)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
