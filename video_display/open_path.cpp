// "OpenPath": the system file browser opened on a file.
#include <string>

#include "video_display/multi_node_video_display.h"
#include "video_display/platform.h"

namespace Tamsel {

namespace {
constexpr int showNormal = 1;
}  // namespace

bool CMultiNodeVideoDisplay::OpenPath(const char* path) {
    if (!path) return false;
    // The path is passed on byte for byte: no quoting, no conversion.
    const std::string parameters = std::string("/select, ") + path;
    return Platform::ExecuteShell("open", "Explorer.exe", parameters.c_str(), showNormal);
}

}  // namespace Tamsel
