#include <benchmark/benchmark.h>

#include "accrued_interest.h"
#include "conversions.h"

namespace {

void BM_ComputeAccruedInterest(benchmark::State& state) {
    tresk::InterestFields fields;
    for (auto _ : state) {
        auto outcome = tresk::ComputeAccruedInterest("10,000", "15/06/2018", " 2020", fields);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(fields);
    }
}
BENCHMARK(BM_ComputeAccruedInterest);

void BM_FormatLargeAmount(benchmark::State& state) {
    double amount = 123456789012.125;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amount);
        auto text = tresk::Format(amount, "##,##0.00");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FormatLargeAmount);

void BM_FormatLargestDouble(benchmark::State& state) {
    double amount = 1.7976931348623157e308;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amount);
        auto text = tresk::Format(amount, "##,##0.00");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FormatLargestDouble);

}  // namespace
