#include "video_display/platform.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace Tamsel {
namespace Platform {

namespace {

/// The program that tests name to stand in for the file browser, or empty.
std::string configuredOpener() {
    char name[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("TAMSEL_SHELL_OPENER", name, sizeof name);
    return length > 0 && length < sizeof name ? std::string(name, length) : std::string();
}

/// Runs `opener` with `parameters` as its command line, as the shell runs
/// the file it opens, and waits for it: true on exit code 0.
bool RunOpener(const std::string& opener, const char* parameters) {
    std::string commandLine = "\"" + opener + "\"";
    if (parameters && *parameters) commandLine += std::string(" ") + parameters;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    DWORD exitCode = 1;
    const bool ended = WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    return ended && exitCode == 0;
}

}  // namespace

bool ExecuteShell(const char* operation, const char* file, const char* parameters, int showCommand) {
    const std::string opener = configuredOpener();
    if (!opener.empty()) return RunOpener(opener, parameters);
    HINSTANCE result = ShellExecuteA(nullptr, operation, file, parameters, nullptr, showCommand);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace Platform
}  // namespace Tamsel
