#include "module/module_exports.h"

#include "module/module_registry.h"

// Nothing thrown inside the module reaches the host.

extern "C" {

void CheckModule() {}

void InitModule(void* argument) {
    try {
        Tamsel::ModuleRegistry::instance().initializeOnce(argument);
    } catch (...) {
    }
}

bool LoadImplObjects(FerrinComponentInterface::HostContext* hostContext, void* reserved) {
    try {
        Tamsel::ModuleRegistry::instance().runFactories(hostContext, reserved);
    } catch (...) {
    }
    return true;
}

void ClearModule(void* argument) {
    try {
        if (Tamsel::ModuleRegistry* registry = Tamsel::ModuleRegistry::existing()) {
            registry->runClearHooks(argument);
        }
    } catch (...) {
    }
}
}
