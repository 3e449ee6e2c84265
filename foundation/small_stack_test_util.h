// Runs a function on a thread with a stack of a given size, as small as the
// host threads the module may be called on, to prove that deep input cannot
// overflow them.
#ifndef FOUNDATION_SMALL_STACK_TEST_UTIL_H
#define FOUNDATION_SMALL_STACK_TEST_UTIL_H

#include <cstddef>
#include <functional>

#if defined(_WIN32)
#include <windows.h>
#else
#include <pthread.h>
#endif

namespace TestUtil {

/// A host thread's stack: 1 MiB, the Windows default.
constexpr std::size_t kHostStackSize = 1 << 20;

/// Runs `body` on a new thread with `stackSize` bytes of stack and waits for
/// it. False if the thread could not be started.
inline bool RunOnStack(std::size_t stackSize, const std::function<void()>& body) {
    struct Start {
#if defined(_WIN32)
        static DWORD WINAPI run(LPVOID argument) {
#else
        static void* run(void* argument) {
#endif
            (*static_cast<const std::function<void()>*>(argument))();
            return 0;
        }
    };
    void* argument = const_cast<std::function<void()>*>(&body);
#if defined(_WIN32)
    HANDLE thread = CreateThread(nullptr, stackSize, &Start::run, argument,
                                 STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (thread == nullptr) {
        return false;
    }
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return true;
#else
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, stackSize);
    pthread_t thread;
    const bool started = pthread_create(&thread, &attributes, &Start::run, argument) == 0;
    pthread_attr_destroy(&attributes);
    if (started) {
        pthread_join(thread, nullptr);
    }
    return started;
#endif
}

}  // namespace TestUtil

#endif
