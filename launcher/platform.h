// What the launcher needs of the operating system. One implementation per
// platform beside this header; the launcher's logic calls only these.
#ifndef LAUNCHER_PLATFORM_H
#define LAUNCHER_PLATFORM_H

#include <cstdint>
#include <string>

namespace Harbex {
namespace Platform {

using LibraryHandle = void*;

/// A message of the thread's queue.
struct Message {
    unsigned id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    /// The platform's own record of the message, for dispatching it.
    alignas(8) unsigned char native[64] = {};
};

/// The thread message that ends a message loop.
constexpr unsigned kQuitMessage = 0x0012;

/// The folder of the executable file that holds `codeAddress`, without a
/// trailing separator; empty or partial when the system cannot tell.
std::string folderOfCode(const void* codeAddress);
/// ".dll" on Windows, ".so" elsewhere.
const char* librarySuffix();
/// Loads a library by full file name (its own dependencies are searched in
/// its folder first); null on failure.
LibraryHandle loadLibrary(const std::string& fileName);
/// A function of the library by name; null when missing.
void* findFunction(LibraryHandle library, const char* name);
void freeLibrary(LibraryHandle library);
/// Writes to the debugger's output (standard error on POSIX).
void debugOutput(const char* text);

/// Waits for the calling thread's next message: 1 for a message, 0 for the
/// quit message, -1 on failure.
int getMessage(Message& message);
/// Hands a message that is not the launcher's own to its window procedure.
void dispatchMessage(const Message& message);

/// An identifier of a thread that messages can be posted to.
using ThreadId = unsigned long;
ThreadId currentThreadId();
/// Makes sure the calling thread has a message queue, so that other threads
/// can post to it before it first waits for a message.
void createMessageQueue();
/// Posts a message to the queue of `thread`; false when it cannot.
bool postThreadMessage(ThreadId thread, unsigned id, std::uintptr_t wParam, std::intptr_t lParam);
/// Makes Ctrl-C and termination requests post the quit message to the
/// calling (main) thread; call before any other thread starts. Nothing to do
/// on Windows, where the system ends a windowed program itself.
void postQuitOnTerminationSignals();

}  // namespace Platform
}  // namespace Harbex

#endif
