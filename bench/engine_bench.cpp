#include <benchmark/benchmark.h>

#include "AccruedInterest.h"
#include "Conversions.h"

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

void BM_Format(benchmark::State& state, double amount) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(amount);
        auto text = tresk::Format(amount, "##,##0.00");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK_CAPTURE(BM_Format, LargeAmount, 123456789012.125);
BENCHMARK_CAPTURE(BM_Format, LargestDouble, 1.7976931348623157e308);

}  // namespace
