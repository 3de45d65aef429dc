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

// The engine's share of answering one certificate of a file for a year: its year of life there
// and the interest that accrues, as tresk-interest asks for them.
void BM_CertificateYear(benchmark::State& state) {
    const double purchase = tresk::DateSerial(2019, 6, 15);
    for (auto _ : state) {
        const int year = tresk::YearOfLifeIn(purchase, 2024);
        auto amount = tresk::InterestOf(10000, purchase, year);
        benchmark::DoNotOptimize(amount);
    }
}
BENCHMARK(BM_CertificateYear);

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
