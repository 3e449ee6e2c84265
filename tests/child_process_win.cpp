#include "tests/child_process.h"

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "simulated_host/platform.h"

namespace TestUtil {

namespace {
constexpr auto kPatience = std::chrono::seconds(5);
}

// The child runs under a debugger thread of the test's own, which is how a
// test reads what a windowed program writes with OutputDebugStringA. That
// thread starts the child (a debugger must) and ends with it.
struct ChildProcess::State {
    std::mutex lock;
    std::condition_variable changed;
    bool startDone = false;
    bool started = false;
    bool ended = false;
    DWORD exitCode = 0;
    HANDLE process = nullptr;
    DWORD mainThread = 0;
    std::string text;
    std::thread debugger;

    void debug(std::string program, std::string argument);
    void handleDebugString(const OUTPUT_DEBUG_STRING_INFO& info);
};

void ChildProcess::State::debug(std::string program, std::string argument) {
    std::string commandLine = "\"" + program + "\" " + argument;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const BOOL created = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                                        DEBUG_ONLY_THIS_PROCESS, nullptr, nullptr, &startup, &info);
    {
        std::lock_guard<std::mutex> guard(lock);
        startDone = true;
        started = created != FALSE;
        process = info.hProcess;
        mainThread = info.dwThreadId;
    }
    changed.notify_all();
    if (!created) return;
    CloseHandle(info.hThread);

    for (bool running = true; running;) {
        DEBUG_EVENT event{};
        if (!WaitForDebugEvent(&event, INFINITE)) break;
        DWORD continueStatus = DBG_CONTINUE;
        switch (event.dwDebugEventCode) {
        case OUTPUT_DEBUG_STRING_EVENT:
            handleDebugString(event.u.DebugString);
            break;
        case EXCEPTION_DEBUG_EVENT:
            // Only the loader's first breakpoint is the debugger's; the
            // child's own exceptions go back to it.
            if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) {
                continueStatus = DBG_EXCEPTION_NOT_HANDLED;
            }
            break;
        case CREATE_PROCESS_DEBUG_EVENT:
            if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
            break;
        case LOAD_DLL_DEBUG_EVENT:
            if (event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
            break;
        case EXIT_PROCESS_DEBUG_EVENT: {
            std::lock_guard<std::mutex> guard(lock);
            ended = true;
            exitCode = event.u.ExitProcess.dwExitCode;
            running = false;
            break;
        }
        default:
            break;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, continueStatus);
        if (!running) changed.notify_all();
    }
}

void ChildProcess::State::handleDebugString(const OUTPUT_DEBUG_STRING_INFO& info) {
    if (info.fUnicode || info.nDebugStringLength == 0) return;  // the launcher writes ANSI text
    std::string piece(info.nDebugStringLength, '\0');
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, info.lpDebugStringData, &piece[0], piece.size(), &read)) return;
    piece.resize(read);
    if (!piece.empty() && piece.back() == '\0') piece.pop_back();
    {
        std::lock_guard<std::mutex> guard(lock);
        text += piece;
    }
    changed.notify_all();
}

ChildProcess::ChildProcess(const std::string& name, const std::string& argument) : state(new State) {
    const std::string program = SimulatedHost::programFolder() + "\\" + name + ".exe";
    state->debugger = std::thread(&State::debug, state.get(), program, argument);
    std::unique_lock<std::mutex> guard(state->lock);
    state->changed.wait(guard, [this] { return state->startDone; });
}

ChildProcess::~ChildProcess() {
    {
        std::lock_guard<std::mutex> guard(state->lock);
        if (state->started && !state->ended) TerminateProcess(state->process, 1);
    }
    state->debugger.join();
    if (state->process) CloseHandle(state->process);
}

bool ChildProcess::started() const { return state->started; }

std::string ChildProcess::debugText(const std::string& wanted) {
    std::unique_lock<std::mutex> guard(state->lock);
    state->changed.wait_for(guard, kPatience, [&] {
        return state->ended || state->text.find(wanted) != std::string::npos;
    });
    return state->text;
}

bool ChildProcess::requestEnd() {
    // The main thread takes messages once its loop runs: until then the
    // post fails, so it is repeated for a while.
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (state->started && std::chrono::steady_clock::now() < deadline) {
        if (PostThreadMessageA(state->mainThread, WM_QUIT, 0, 0)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

int ChildProcess::waitForExit() {
    std::unique_lock<std::mutex> guard(state->lock);
    if (!state->changed.wait_for(guard, kPatience, [this] { return state->ended; })) return -1;
    return static_cast<int>(state->exitCode);
}

}  // namespace TestUtil
