// The operating-system calls of the module's own code, one implementation
// per platform (platform_win.cpp, platform_posix.cpp).
#ifndef MODULE_PLATFORM_H
#define MODULE_PLATFORM_H

namespace Tamsel {
namespace Platform {

/// Converts NUL-terminated UTF-8 text to the system's ANSI code page and
/// returns it NUL-terminated in memory from malloc, which the caller frees.
/// Bytes that are not valid UTF-8 and characters the code page cannot hold
/// are converted as the system converts them (on Windows both end up as
/// "?" in the usual code pages); nothing is reported. An empty text when the
/// system reports no characters; null only when allocation fails.
char* ConvertUtf8ToAnsi(const char* utf8);

}  // namespace Platform
}  // namespace Tamsel

#endif
