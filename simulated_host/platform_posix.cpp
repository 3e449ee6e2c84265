#include "simulated_host/platform.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace SimulatedHost {

std::string programFolder() {
    char path[PATH_MAX] = {};
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string folder(path, length > 0 ? static_cast<size_t>(length) : 0);
    return folder.substr(0, folder.find_last_of('/'));
}

const char* librarySuffix() { return ".so"; }

void* loadLibrary(const std::string& fileName) { return dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL); }

void* findFunction(void* library, const char* name) { return library ? dlsym(library, name) : nullptr; }

void freeLibrary(void* library) {
    if (library) dlclose(library);
}

std::string createTemporaryFile() {
    const char* folder = std::getenv("TMPDIR");
    std::string name = std::string(folder && *folder ? folder : "/tmp") + "/tamsel_XXXXXX";
    const int file = mkstemp(&name[0]);
    if (file < 0) return std::string();
    close(file);
    return name;
}

void setEnvironmentVariable(const char* name, const char* value) {
    if (value) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
}

}  // namespace SimulatedHost
