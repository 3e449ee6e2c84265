#include "simulated_host/platform.h"

#include <windows.h>

namespace SimulatedHost {

std::string programFolder() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/"));
}

const char* librarySuffix() { return ".dll"; }

void* loadLibrary(const std::string& fileName) {
    return LoadLibraryExA(fileName.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void* findFunction(void* library, const char* name) {
    return library ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name))
                   : nullptr;
}

void freeLibrary(void* library) {
    if (library) FreeLibrary(static_cast<HMODULE>(library));
}

std::string createTemporaryFile() {
    char folder[MAX_PATH] = {};
    char name[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH || GetTempFileNameA(folder, "tam", 0, name) == 0) {
        return std::string();
    }
    return name;
}

// The Win32 environment is the one that CreateProcessA hands on.
void setEnvironmentVariable(const char* name, const char* value) { SetEnvironmentVariableA(name, value); }

}  // namespace SimulatedHost
