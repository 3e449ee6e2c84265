#include "simulated_host/loaded_module.h"

#include "simulated_host/platform.h"

namespace SimulatedHost {

namespace {
template <class F>
F lookUp(void* library, const char* name) {
    return reinterpret_cast<F>(findFunction(library, name));
}
}  // namespace

LoadedModule::LoadedModule(const std::string& fileName)
    : library(loadLibrary(fileName)),
      checkModule(lookUp<decltype(checkModule)>(library, "CheckModule")),
      initModule(lookUp<decltype(initModule)>(library, "InitModule")),
      loadImplObjects(lookUp<decltype(loadImplObjects)>(library, "LoadImplObjects")),
      clearModule(lookUp<decltype(clearModule)>(library, "ClearModule")) {}

LoadedModule::~LoadedModule() { freeLibrary(library); }

std::string LoadedModule::besideProgram(const char* name) {
    return programFolder() + "/" + name + librarySuffix();
}

bool LoadedModule::ready() const {
    return library && checkModule && initModule && loadImplObjects && clearModule;
}

void LoadedModule::CheckModule() const { checkModule(); }
void LoadedModule::InitModule(void* argument) const { initModule(argument); }
bool LoadedModule::LoadImplObjects(FerrinComponentInterface::HostContext* hostContext,
                                   void* reserved) const {
    return loadImplObjects(hostContext, reserved);
}
void LoadedModule::ClearModule(void* argument) const { clearModule(argument); }

}  // namespace SimulatedHost
