// The one count shared between threads: a 32-bit signed use count changed
// by atomic increment and decrement (the Interlocked functions on Windows,
// the compiler's atomics elsewhere).
#ifndef FOUNDATION_ATOMIC_COUNT_H
#define FOUNDATION_ATOMIC_COUNT_H

#include <cstdint>

#if defined(_WIN32)
#include <intrin.h>  // InterlockedIncrement and InterlockedDecrement are intrinsics on x64
#endif

namespace Foundation {
namespace Detail {

#if defined(_WIN32)
using AtomicCount = long;
/// Returns the incremented value.
inline long atomicIncrement(volatile long* count) { return _InterlockedIncrement(count); }
/// Returns the decremented value.
inline long atomicDecrement(volatile long* count) { return _InterlockedDecrement(count); }
#else
using AtomicCount = std::int32_t;
inline std::int32_t atomicIncrement(volatile std::int32_t* count) {
    return __atomic_add_fetch(count, 1, __ATOMIC_ACQ_REL);
}
inline std::int32_t atomicDecrement(volatile std::int32_t* count) {
    return __atomic_sub_fetch(count, 1, __ATOMIC_ACQ_REL);
}
#endif

static_assert(sizeof(AtomicCount) == 4, "the use count is a 32-bit signed integer");

}  // namespace Detail
}  // namespace Foundation

#endif
