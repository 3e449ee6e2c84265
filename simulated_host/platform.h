// What the simulated host needs of the operating system: loading the
// module by file name and finding its exports, and the few calls of the
// recording shell.
#ifndef SIMULATED_HOST_PLATFORM_H
#define SIMULATED_HOST_PLATFORM_H

#include <string>

namespace SimulatedHost {

/// The folder of the running program, without a trailing separator.
std::string programFolder();
/// The platform's suffix of a loadable library (".dll" or ".so").
const char* librarySuffix();
/// Loads a library by full file name; null on failure.
void* loadLibrary(const std::string& fileName);
/// A function of a loaded library by its plain name; null when missing.
void* findFunction(void* library, const char* name);
void freeLibrary(void* library);

/// Creates an empty file with a unique name in the system's folder for
/// temporary files; its name, or empty on failure.
std::string createTemporaryFile();
/// Sets a variable of the process's environment, which the programs it
/// starts inherit; a null value removes it.
void setEnvironmentVariable(const char* name, const char* value);

}  // namespace SimulatedHost

#endif
