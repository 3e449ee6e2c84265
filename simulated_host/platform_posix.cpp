#include "simulated_host/platform.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

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

}  // namespace SimulatedHost
