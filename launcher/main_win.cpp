// Harbex on Windows: a windowed program (no console window) that creates no
// window of its own.
#include <windows.h>

#include "launcher/launcher.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    return Harbex::RunLauncher(Harbex::LibraryLoader::instance(), "Pellory", commandLine,
                               &Harbex::Platform::debugOutput);
}
