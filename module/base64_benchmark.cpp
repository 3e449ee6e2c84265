// Base64Encode on 4 MiB of random bytes, beside memcpy of the same bytes as
// the ceiling. Run by hand: <build>/bin/base64_benchmark.
#include "module/base64.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int kInputSize = 4 << 20;

std::vector<unsigned char> RandomBytes() {
    std::vector<unsigned char> bytes(kInputSize);
    std::mt19937 random(20261211);
    for (unsigned char& byte : bytes) byte = static_cast<unsigned char>(random());
    return bytes;
}

void BM_Base64Encode(benchmark::State& state) {
    const std::vector<unsigned char> input = RandomBytes();
    std::vector<char> output(static_cast<size_t>(Tamsel::Base64BufferSize(kInputSize)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Tamsel::Base64Encode(input.data(), output.data(), kInputSize));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kInputSize);
}
BENCHMARK(BM_Base64Encode);

void BM_Memcpy(benchmark::State& state) {
    const std::vector<unsigned char> input = RandomBytes();
    std::vector<unsigned char> output(kInputSize);
    for (auto _ : state) {
        std::memcpy(output.data(), input.data(), kInputSize);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kInputSize);
}
BENCHMARK(BM_Memcpy);

}  // namespace

BENCHMARK_MAIN();
