// The inputs and the timing shared by the benchmarks: the same pre-generated
// random day numbers for every benchmark of a span, and one registration that
// reports the time per call.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace bench_support {

// 16384 inputs: enough to defeat branch prediction, small enough for the cache.
inline constexpr size_t kInputCount = size_t{1} << 14;

struct Span {
    const char* name;
    int32_t firstJdn;
    int32_t lastJdn;
};
inline constexpr Span kWholeRange{"whole", -2100000000, 2100000000};
inline constexpr Span kYears1To9999{"1..9999", 1721426, 5373484};

inline std::vector<int32_t> RandomJdns(const Span& span) {
    std::mt19937_64 generator{12345};
    std::uniform_int_distribution<int32_t> anyJdn(span.firstJdn, span.lastJdn);
    std::vector<int32_t> jdns(kInputCount);
    for (int32_t& jdn : jdns) {
        jdn = anyJdn(generator);
    }
    return jdns;
}

template <typename Output, typename Input, typename Convert>
std::vector<Output> ConvertAll(const std::vector<Input>& inputs, Convert convert) {
    std::vector<Output> outputs;
    outputs.reserve(inputs.size());
    for (const Input& input : inputs) {
        outputs.push_back(convert(input));
    }
    return outputs;
}

// Times `convert` over every input and reports the time per call as the
// counter per_op.
template <typename Input, typename Convert>
void Register(const std::string& name, std::vector<Input> inputs, Convert convert) {
    benchmark::RegisterBenchmark(
        name.c_str(), [inputs = std::move(inputs), convert](benchmark::State& state) {
            for (auto _ : state) {
                for (const Input& input : inputs) {
                    auto result = convert(input);
                    benchmark::DoNotOptimize(result);
                }
            }
            // A rate inverted: seconds per conversion, printed with an SI prefix
            // (2.5n = 2.5 ns).
            state.counters["per_op"] = benchmark::Counter(
                static_cast<double>(state.iterations()) * static_cast<double>(inputs.size()),
                benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
        });
}

}  // namespace bench_support
