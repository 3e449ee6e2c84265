#include "video_display/platform.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

extern char** environ;

namespace Tamsel {
namespace Platform {

namespace {

/// What the opener is asked to open: for the file browser's "/select, P",
/// the folder of P; otherwise the file itself.
std::string openTarget(const char* file, const char* parameters) {
    static const char select[] = "/select, ";
    if (std::strcmp(file, "Explorer.exe") != 0 || !parameters ||
        std::strncmp(parameters, select, sizeof select - 1) != 0) {
        return file;
    }
    const std::string path = parameters + sizeof select - 1;
    const std::string::size_type slash = path.find_last_of("/\\");
    if (slash == std::string::npos) return ".";
    const std::string folder = slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
    // A relative folder named like an option ("--help") is still a folder.
    return folder[0] == '-' ? "./" + folder : folder;
}

}  // namespace

bool ExecuteShell(const char* operation, const char* file, const char* parameters, int) {
    if (!operation || !file || std::strcmp(operation, "open") != 0) return false;
    const char* configured = std::getenv("TAMSEL_SHELL_OPENER");
    std::string opener = configured && *configured ? configured : "xdg-open";
    std::string target = openTarget(file, parameters);
    char* argv[] = {&opener[0], &target[0], nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, opener.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace Platform
}  // namespace Tamsel
