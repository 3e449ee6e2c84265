#include "foundation/fast_delegate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using fastdelegate::FastDelegate0;
using fastdelegate::FastDelegate4;
using fastdelegate::MakeDelegate;

struct Receiver {
    int calls = 0;
    std::string last;
    void onSignal() { ++calls; }
    void onFour(const char* a, const char* b, const char* c, int d) {
        last = std::string(a) + b + c + std::to_string(d);
    }
    int twice(int value) { return 2 * value; }
};

int freeTriple(int value) { return 3 * value; }

TEST(FastDelegateTest, DefaultIsEmptyAndGuardedCallYieldsTheEmptyResult) {
    fastdelegate::FastDelegate1<int, int> empty;
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(fastdelegate::guardedCall(empty, 5), 0);
    FastDelegate0<void> none;
    fastdelegate::guardedCall(none);  // skipped, no crash
}

TEST(FastDelegateTest, BoundToMembers) {
    Receiver receiver;
    FastDelegate0<void> signal = MakeDelegate<&Receiver::onSignal>(&receiver);
    FastDelegate4<const char*, const char*, const char*, int, void> four =
        MakeDelegate<&Receiver::onFour>(&receiver);
    ASSERT_FALSE(signal.empty());
    signal();
    FastDelegate0<void> copy = signal;
    copy();
    four("a", "b", "c", 4);
    EXPECT_EQ(receiver.calls, 2);
    EXPECT_EQ(receiver.last, "abc4");
    EXPECT_EQ(fastdelegate::guardedCall(MakeDelegate<&Receiver::twice>(&receiver), 21), 42);
}

TEST(FastDelegateTest, BoundToFreeFunctions) {
    auto triple = MakeDelegate(&freeTriple);
    EXPECT_FALSE(triple.empty());
    EXPECT_EQ(triple(3), 9);
    int (*none)(int) = nullptr;
    EXPECT_TRUE(MakeDelegate(none).empty());
}

TEST(FastDelegateTest, IsTwoWordsWithTheObjectFirst) {
    Receiver receiver;
    FastDelegate0<void> signal = MakeDelegate<&Receiver::onSignal>(&receiver);
    static_assert(sizeof(signal) == 2 * sizeof(void*));
    void* words[2];
    std::memcpy(words, &signal, sizeof words);
    EXPECT_EQ(words[0], &receiver);
    EXPECT_NE(words[1], nullptr);

    // Bound to a free function, the object word holds the function itself.
    auto triple = MakeDelegate(&freeTriple);
    std::memcpy(words, &triple, sizeof words);
    EXPECT_EQ(words[0], reinterpret_cast<void*>(&freeTriple));
    EXPECT_NE(words[1], nullptr);
}

}  // namespace
