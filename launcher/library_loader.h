// LibraryLoader: finds the launcher's own folder and loads libraries from
// it, one attempt per name for the life of the process.
#ifndef LAUNCHER_LIBRARY_LOADER_H
#define LAUNCHER_LIBRARY_LOADER_H

#include <map>
#include <string>

#include "launcher/platform.h"

namespace Harbex {

class LibraryLoader {
public:
    /// The process's loader, made during start-up before the main function
    /// runs; it releases every library at process exit.
    static LibraryLoader& instance();

    /// Finds the folder of the executable file that holds the launcher.
    LibraryLoader();
    /// Releases every library (unloadAll).
    ~LibraryLoader();
    LibraryLoader(const LibraryLoader&) = delete;
    LibraryLoader& operator=(const LibraryLoader&) = delete;

    /// The library `name` (no folder, no suffix) from the launcher's folder.
    /// A name is loaded once: later calls answer the cached handle, and a
    /// failed load is not retried (null again).
    Platform::LibraryHandle getLibrary(const char* name);
    /// Releases every cached library in ascending order of the names, then
    /// forgets them and the folder.
    void unloadAll();

    const std::string& folder() const { return folderPath; }

private:
    // std::string orders by char_traits<char>, which compares bytes as
    // unsigned values: byte-wise and case-sensitive.
    std::map<std::string, Platform::LibraryHandle> libraries;
    std::string folderPath;
};

}  // namespace Harbex

#endif
