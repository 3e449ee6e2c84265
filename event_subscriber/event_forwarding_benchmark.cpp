// OnDeviceEvent on 4 MiB of event data, by both routes (a chunked event and a
// picture-compare event with one picture), beside Base64Encode of the same
// bytes and beside forwarding written with JsonCpp values and the one-line
// writer. notifyClient is bound to a function that only reads the text.
//
// Before timing, each route's messages are checked byte for byte against the
// JsonCpp-written ones. "peak_heap_bytes" is the most the heap held above
// what it held before the call (operator new, counted below), the input
// excluded since the host owns it. Run by hand: <build>/bin/event_forwarding_benchmark.
#include <benchmark/benchmark.h>

#include <json/json.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "event_subscriber/event_subscrible.h"
#include "module/ansi_text.h"
#include "module/base64.h"
#include "module/json_text.h"

// --- heap counting ---------------------------------------------------------------

namespace {

std::atomic<long long> heapNow{0};
std::atomic<long long> heapPeak{0};

/// Room before each block for its size, keeping the block's alignment.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* CountedAllocate(std::size_t size) {
    void* block = std::malloc(size + kHeader);
    if (block == nullptr) throw std::bad_alloc();
    *static_cast<std::size_t*>(block) = size;
    const long long now = heapNow += static_cast<long long>(size);
    long long peak = heapPeak;
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
    }
    return static_cast<char*>(block) + kHeader;
}

void CountedFree(void* pointer) noexcept {
    if (pointer == nullptr) return;
    void* block = static_cast<char*>(pointer) - kHeader;
    heapNow -= static_cast<long long>(*static_cast<std::size_t*>(block));
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
    return CountedAllocate(size);
}
void* operator new[](std::size_t size) {
    return CountedAllocate(size);
}
void operator delete(void* pointer) noexcept {
    CountedFree(pointer);
}
void operator delete[](void* pointer) noexcept {
    CountedFree(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    CountedFree(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    CountedFree(pointer);
}

namespace {

constexpr int kInputSize = 4 << 20;

const char kChunkedEvent[] = R"({"params":{"info":{"Events":[{"Code":"VideoMotion"}]}}})";

std::string PictureEvent() {
    return R"({"params":{"info":{"Events":[{"Code":"CitizenPictureCompare","Data":{"ImageInfo":[{"Offset":0,"Length":)" +
           std::to_string(kInputSize) + "}]}}]}}}";
}

const std::vector<unsigned char>& Input() {
    static const std::vector<unsigned char> bytes = [] {
        std::vector<unsigned char> random(kInputSize);
        std::mt19937 generator(20261211);
        for (unsigned char& byte : random) byte = static_cast<unsigned char>(generator());
        return random;
    }();
    return bytes;
}

// --- the client ---------------------------------------------------------------------

std::size_t readBytes = 0;
std::vector<std::string>* captured = nullptr;

/// Reads the whole text, as a host that delivers it must.
void ReadMessage(const char* text) {
    readBytes += std::strlen(text);
    if (captured != nullptr) captured->emplace_back(text);
}

struct Subscriber {
    Subscriber() {
        context.notifyClient = fastdelegate::MakeDelegate(&ReadMessage);
        object = new Tamsel::CEventSubscrible(&context);
    }
    ~Subscriber() { Tamsel::DeleteEventSubscrible(object); }
    FerrinComponentInterface::HostContext context;
    Tamsel::CEventSubscrible* object;
};

// --- forwarding written with JsonCpp values and the one-line writer ----------------------

void Send(const Json::Value& content) {
    Json::Value message(Json::objectValue);
    message["event"] = "SnapManagerEvent";
    message["params"] = content;
    ReadMessage(Tamsel::WriteOneLineJson(message).c_str());
}

std::vector<char> EncodeWhole(const unsigned char* data, int length, int& total) {
    std::vector<char> buffer(static_cast<std::size_t>(Tamsel::Base64BufferSize(length)), '\0');
    total = Tamsel::Base64Encode(data, buffer.data(), length);
    return buffer;
}

void JsonCppForwardChunked(const char* eventText, const unsigned char* data, int length) {
    Tamsel::AnsiTextHolder ansi;
    Json::Value content;
    content["params"]["event"] = Tamsel::Utf8ToAnsi(ansi, eventText);
    int total = 0;
    const std::vector<char> whole = EncodeWhole(data, length, total);
    content["params"]["totalLength"] = total;
    Send(content);
    content = Json::Value();
    for (int offset = 0; offset < total;) {
        const int size = std::min(50000, total - offset);
        std::vector<char> chunk(static_cast<std::size_t>(size) + 1, '\0');
        std::memcpy(chunk.data(), whole.data() + offset, static_cast<std::size_t>(size));
        content["params"]["buffer"] = chunk.data();
        content["params"]["totalLength"] = total;
        content["params"]["bufferLengtn"] = size;
        content["params"]["code"] = "VideoMotion";
        offset += size;
        Send(content);
    }
}

void JsonCppForwardPicture(const char* eventText, const unsigned char* data, int length) {
    Tamsel::AnsiTextHolder ansi;
    Json::Value content;
    content["params"]["event"] = Tamsel::Utf8ToAnsi(ansi, eventText);
    Send(content);
    int total = 0;
    const std::vector<char> whole = EncodeWhole(data, length, total);
    content = Json::Value();
    content["params"]["buffer"] = whole.data();
    content["params"]["totalLength"] = total;
    content["params"]["code"] = "CitizenPictureCompare";
    Send(content);
}

/// The messages of one call of `forward`.
template <class Forward>
std::vector<std::string> Capture(Forward forward) {
    std::vector<std::string> messages;
    captured = &messages;
    forward();
    captured = nullptr;
    return messages;
}

/// The most the heap held above its level before `forward` ran.
template <class Forward>
double PeakHeapAbove(Forward forward) {
    const long long before = heapNow;
    heapPeak = before;
    forward();
    return static_cast<double>(heapPeak - before);
}

// --- the benchmarks ------------------------------------------------------------------------

void BM_Base64Encode(benchmark::State& state) {
    const std::vector<unsigned char>& input = Input();
    std::vector<char> output(static_cast<std::size_t>(Tamsel::Base64BufferSize(kInputSize)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Tamsel::Base64Encode(input.data(), output.data(), kInputSize));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kInputSize);
}
BENCHMARK(BM_Base64Encode);

template <class Forward, class Reference>
void RunForwarding(benchmark::State& state, Forward forward, Reference reference) {
    if (Capture(forward) != Capture(reference)) {
        state.SkipWithError("the messages differ from the JsonCpp-written ones");
        return;
    }
    state.counters["peak_heap_bytes"] = PeakHeapAbove(forward);
    for (auto _ : state) forward();
    benchmark::DoNotOptimize(readBytes);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kInputSize);
}

void BM_OnDeviceEventChunked(benchmark::State& state) {
    Subscriber subscriber;
    const auto& input = Input();
    RunForwarding(
        state, [&] { subscriber.object->OnDeviceEvent(kChunkedEvent, input.data(), kInputSize); },
        [&] { JsonCppForwardChunked(kChunkedEvent, input.data(), kInputSize); });
}
BENCHMARK(BM_OnDeviceEventChunked);

void BM_OnDeviceEventPicture(benchmark::State& state) {
    Subscriber subscriber;
    const auto& input = Input();
    const std::string text = PictureEvent();
    RunForwarding(
        state, [&] { subscriber.object->OnDeviceEvent(text.c_str(), input.data(), kInputSize); },
        [&] { JsonCppForwardPicture(text.c_str(), input.data(), kInputSize); });
}
BENCHMARK(BM_OnDeviceEventPicture);

void BM_JsonCppForwardingChunked(benchmark::State& state) {
    const auto& input = Input();
    state.counters["peak_heap_bytes"] =
        PeakHeapAbove([&] { JsonCppForwardChunked(kChunkedEvent, input.data(), kInputSize); });
    for (auto _ : state) JsonCppForwardChunked(kChunkedEvent, input.data(), kInputSize);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kInputSize);
}
BENCHMARK(BM_JsonCppForwardingChunked);

void BM_JsonCppForwardingPicture(benchmark::State& state) {
    const auto& input = Input();
    const std::string text = PictureEvent();
    state.counters["peak_heap_bytes"] =
        PeakHeapAbove([&] { JsonCppForwardPicture(text.c_str(), input.data(), kInputSize); });
    for (auto _ : state) JsonCppForwardPicture(text.c_str(), input.data(), kInputSize);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kInputSize);
}
BENCHMARK(BM_JsonCppForwardingPicture);

}  // namespace

BENCHMARK_MAIN();
