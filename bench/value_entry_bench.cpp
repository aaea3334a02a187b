#include <benchmark/benchmark.h>

#include <string_view>

#include "model/value_encoding.h"
#include "model/value_markings.h"
#include "model/value_reading.h"

namespace kolvar {
namespace {

// What typing a value costs: read, and its first reading made the bands of the default code.
void ReadAndEncode(benchmark::State& state, std::string_view text) {
    const BandCode current;
    for (auto _ : state) {
        const TextReading read = ReadValueText(text);
        benchmark::DoNotOptimize(EncodeValue(read.readings.front(), current));
    }
}
BENCHMARK_CAPTURE(ReadAndEncode, letter_code_4K7J, std::string_view("4K7J"));
BENCHMARK_CAPTURE(ReadAndEncode, si_prefix_and_tolerance, std::string_view("4,7 кОм ± 5 %"));
BENCHMARK_CAPTURE(ReadAndEncode, eia96_01C, std::string_view("01C"));
BENCHMARK_CAPTURE(ReadAndEncode, two_ways_472, std::string_view("472"));

// The same, then the code's value written every way, as the dialog shows it.
void ReadEncodeAndWrite(benchmark::State& state) {
    const BandCode current;
    for (auto _ : state) {
        const TextReading read = ReadValueText("4,7 кОм");
        benchmark::DoNotOptimize(MarkingsOf(EncodeValue(read.readings.front(), current).code));
    }
}
BENCHMARK(ReadEncodeAndWrite);

}  // namespace
}  // namespace kolvar

BENCHMARK_MAIN();
