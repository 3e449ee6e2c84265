// Harbex on POSIX: the command line is the arguments after the program's
// name, joined by single blanks; Ctrl-C and SIGTERM end the message loop.
#include <string>

#include "launcher/launcher.h"

int main(int argc, char** argv) {
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    Harbex::Platform::postQuitOnTerminationSignals();
    return Harbex::RunLauncher(Harbex::LibraryLoader::instance(), "Pellory", commandLine.c_str(),
                               &Harbex::Platform::debugOutput);
}
