// The module as a host loads it: by file name, through its four exports.
#ifndef SIMULATED_HOST_LOADED_MODULE_H
#define SIMULATED_HOST_LOADED_MODULE_H

#include <string>

#include "module/host_context.h"

namespace SimulatedHost {

class LoadedModule {
public:
    /// Loads `fileName` and looks up the four exports.
    explicit LoadedModule(const std::string& fileName);
    /// Unloads the module.
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    /// The file of the module `name` beside the running program.
    static std::string besideProgram(const char* name);

    /// True when the library loaded and all four exports were found.
    bool ready() const;

    void CheckModule() const;
    void InitModule(void* argument) const;
    bool LoadImplObjects(FerrinComponentInterface::HostContext* hostContext, void* reserved) const;
    void ClearModule(void* argument) const;

private:
    void* library;
    void (*checkModule)() = nullptr;
    void (*initModule)(void*) = nullptr;
    bool (*loadImplObjects)(FerrinComponentInterface::HostContext*, void*) = nullptr;
    void (*clearModule)(void*) = nullptr;
};

}  // namespace SimulatedHost

#endif
