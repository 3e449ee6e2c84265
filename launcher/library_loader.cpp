#include "launcher/library_loader.h"

namespace Harbex {

namespace {
// A function of the launcher itself: the system tells which executable file
// holds its code.
void locator() {}

// Made during start-up, before the main function runs.
LibraryLoader& startupLoader = LibraryLoader::instance();
}  // namespace

LibraryLoader& LibraryLoader::instance() {
    static LibraryLoader loader;
    return loader;
}

LibraryLoader::LibraryLoader()
    : folderPath(Platform::folderOfCode(reinterpret_cast<const void*>(&locator))) {}

LibraryLoader::~LibraryLoader() { unloadAll(); }

Platform::LibraryHandle LibraryLoader::getLibrary(const char* name) {
    if (!name) return nullptr;
    auto cached = libraries.find(name);
    if (cached != libraries.end()) return cached->second;
    // The joint is always a forward slash, whatever separator the folder uses.
    const std::string fileName = folderPath + "/" + name + Platform::librarySuffix();
    Platform::LibraryHandle handle = Platform::loadLibrary(fileName);
    libraries.emplace(name, handle);
    return handle;
}

void LibraryLoader::unloadAll() {
    for (auto& entry : libraries) Platform::freeLibrary(entry.second);
    libraries.clear();
    folderPath.clear();
}

}  // namespace Harbex
