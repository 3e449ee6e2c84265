#include "launcher/launcher.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "foundation/task.h"

namespace Harbex {

namespace {

using StartBrantelFunction = int (*)(const char* address, int port, void* reserved);
using StopBrantelFunction = void (*)(int port);

template <class F>
F lookUp(Platform::LibraryHandle library, const char* name) {
    return reinterpret_cast<F>(Platform::findFunction(library, name));
}

void runTask(std::intptr_t lParam) {
    auto* task = reinterpret_cast<Foundation::ITask*>(lParam);
    if (!task) return;
    try {
        task->run();
    } catch (...) {
    }
    try {
        task->release();
    } catch (...) {
    }
}

}  // namespace

int FirstPort(const char* commandLine) {
    if (!commandLine) return kDefaultFirstPort;
    const char* marker = std::strstr(commandLine, "://");
    const char* digits = marker ? marker + 3 : commandLine;
    // strtol saturates at the range of long; a long wider than int is
    // clamped the same way, so no conversion overflows.
    long value = std::strtol(digits, nullptr, 10);
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return value < 1 ? kDefaultFirstPort : static_cast<int>(value);
}

void RunMessageLoop() {
    Platform::Message message;
    while (Platform::getMessage(message) > 0) {
        if (message.id == kTaskMessage) {
            runTask(message.lParam);
        } else {
            Platform::dispatchMessage(message);
        }
    }
}

int RunLauncher(LibraryLoader& loader, const char* serviceLibrary, const char* commandLine,
                void (*debugOutput)(const char*)) {
    Platform::LibraryHandle service = loader.getLibrary(serviceLibrary);
    if (!service) return 0;

    const char* line = commandLine ? commandLine : "";
    debugOutput("\n_tWinMain:");
    debugOutput(line);
    debugOutput("\n");

    auto startBrantel = lookUp<StartBrantelFunction>(service, "StartBrantel");
    const int first = FirstPort(line);
    // A library without StartBrantel accepts no port. Ports past INT_MAX do
    // not exist, so probing stops there instead of overflowing. When no port
    // is accepted, the port after probing is one past the last one tried.
    int port = first;
    for (int tried = 0; tried < kPortsTried; ++tried, ++port) {
        if (startBrantel && startBrantel(kServiceAddress, port, nullptr) != 0) break;
        if (port == INT_MAX) break;
    }

    // The loop runs whether or not a port was accepted.
    RunMessageLoop();

    if (auto stopBrantel = lookUp<StopBrantelFunction>(service, "StopBrantel")) {
        stopBrantel(port);
    }
    return 0;
}

}  // namespace Harbex
