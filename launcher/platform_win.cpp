#include "launcher/platform.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstring>

namespace Harbex {
namespace Platform {

static_assert(sizeof(MSG) <= sizeof(Message::native), "a MSG fits the native record");

std::string folderOfCode(const void* codeAddress) {
    MEMORY_BASIC_INFORMATION region{};
    VirtualQuery(codeAddress, &region, sizeof region);
    char fileName[MAX_PATH] = {};  // 260 bytes, zero-filled
    GetModuleFileNameA(static_cast<HMODULE>(region.AllocationBase), fileName, MAX_PATH);
    PathRemoveFileSpecA(fileName);
    return fileName;
}

const char* librarySuffix() { return ".dll"; }

LibraryHandle loadLibrary(const std::string& fileName) {
    return LoadLibraryExA(fileName.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void* findFunction(LibraryHandle library, const char* name) {
    return library ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name))
                   : nullptr;
}

void freeLibrary(LibraryHandle library) {
    if (library) FreeLibrary(static_cast<HMODULE>(library));
}

void debugOutput(const char* text) { OutputDebugStringA(text); }

int getMessage(Message& message) {
    MSG native{};
    BOOL result = GetMessageA(&native, nullptr, 0, 0);
    message.id = native.message;
    message.wParam = native.wParam;
    message.lParam = native.lParam;
    std::memcpy(message.native, &native, sizeof native);
    if (result == -1) return -1;
    return result ? 1 : 0;
}

void dispatchMessage(const Message& message) {
    MSG native;
    std::memcpy(&native, message.native, sizeof native);
    DispatchMessageA(&native);
}

ThreadId currentThreadId() { return GetCurrentThreadId(); }

void createMessageQueue() {
    MSG ignored;
    PeekMessageA(&ignored, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
}

bool postThreadMessage(ThreadId thread, unsigned id, std::uintptr_t wParam, std::intptr_t lParam) {
    return PostThreadMessageA(static_cast<DWORD>(thread), id, wParam, lParam) != 0;
}

void postQuitOnTerminationSignals() {}

}  // namespace Platform
}  // namespace Harbex
