// The launcher's work: load the web-socket service library, start the
// service at the first of nine ports it accepts, run the task loop, stop
// the service.
#ifndef LAUNCHER_LAUNCHER_H
#define LAUNCHER_LAUNCHER_H

#include "launcher/library_loader.h"

namespace Harbex {

/// The thread message that carries a task: lParam is an ITask pointer.
constexpr unsigned kTaskMessage = 0x465;
/// The first port when the command line names none.
constexpr int kDefaultFirstPort = 23490;
/// How many consecutive ports are tried.
constexpr int kPortsTried = 9;
/// Where the service listens.
constexpr const char* kServiceAddress = "127.0.0.1";

/// The first port: the number right behind the first "://", or at the start
/// of a command line without "://", as decimal text-to-int conversion reads
/// it (clamped to the int range); below 1 it is kDefaultFirstPort.
int FirstPort(const char* commandLine);

/// Runs the calling thread's message loop until the quit message or a
/// failed retrieval: every task message's task is run and then released,
/// a null one ignored; every other message is dispatched.
void RunMessageLoop();

/// The main function's body. `serviceLibrary` is the library name ("Pellory"),
/// `debugOutput` where the three debug strings go. Always answers 0.
int RunLauncher(LibraryLoader& loader, const char* serviceLibrary, const char* commandLine,
                void (*debugOutput)(const char*));

}  // namespace Harbex

#endif
