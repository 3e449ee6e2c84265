#include "video_display/platform.h"

#include <windows.h>
#include <shellapi.h>

namespace Tamsel {
namespace Platform {

bool ExecuteShell(const char* operation, const char* file, const char* parameters, int showCommand) {
    HINSTANCE result = ShellExecuteA(nullptr, operation, file, parameters, nullptr, showCommand);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace Platform
}  // namespace Tamsel
