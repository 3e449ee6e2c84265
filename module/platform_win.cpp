#include "module/platform.h"

#include <windows.h>

#include <cstdlib>
#include <new>

namespace Tamsel {
namespace Platform {

namespace {

constexpr UINT kUtf8CodePage = 65001;
constexpr UINT kAnsiCodePage = 0;

char* EmptyText() { return static_cast<char*>(std::calloc(1, 1)); }

}  // namespace

char* ConvertUtf8ToAnsi(const char* utf8) {
    // The counts include the terminator, since the lengths passed are -1.
    const int wideCount = MultiByteToWideChar(kUtf8CodePage, 0, utf8, -1, nullptr, 0);
    if (wideCount <= 0) {
        return EmptyText();
    }
    wchar_t* wide = new (std::nothrow) wchar_t[static_cast<size_t>(wideCount) + 1]();
    if (wide == nullptr) {
        return nullptr;
    }
    MultiByteToWideChar(kUtf8CodePage, 0, utf8, -1, wide, wideCount);

    char* text = nullptr;
    const int byteCount = WideCharToMultiByte(kAnsiCodePage, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (byteCount <= 0) {
        text = EmptyText();
    } else {
        text = static_cast<char*>(std::calloc(static_cast<size_t>(byteCount) + 1, 1));
        if (text != nullptr) {
            WideCharToMultiByte(kAnsiCodePage, 0, wide, -1, text, byteCount, nullptr, nullptr);
        }
    }
    delete[] wide;
    return text;
}

}  // namespace Platform
}  // namespace Tamsel
