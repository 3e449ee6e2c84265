#include "module/module_registry.h"

#include <algorithm>

namespace Tamsel {

namespace {
ModuleRegistry* registry = nullptr;

void runHooks(const std::vector<ModuleHook>& hooks, void* argument) {
    for (ModuleHook hook : hooks) {
        try {
            hook(argument);
        } catch (...) {
        }
    }
}
}  // namespace

ModuleRegistry& ModuleRegistry::instance() {
    if (!registry) registry = new ModuleRegistry();
    return *registry;
}

ModuleRegistry* ModuleRegistry::existing() { return registry; }

void ModuleRegistry::destroyInstance() {
    delete registry;
    registry = nullptr;
}

bool ModuleRegistry::addFactory(ImplFactory factory) {
    if (std::find(factories.begin(), factories.end(), factory) == factories.end()) {
        factories.push_back(factory);
    }
    return true;
}

void ModuleRegistry::runFactories(FerrinComponentInterface::HostContext* hostContext,
                                  void* reserved) const {
    for (ImplFactory factory : factories) {
        try {
            factory(hostContext, reserved);
        } catch (...) {
        }
    }
}

bool ModuleRegistry::initializeOnce(void* argument) {
    if (initialized) return false;
    initialized = true;
    runHooks(initHooks, argument);
    return true;
}

void ModuleRegistry::runClearHooks(void* argument) const { runHooks(clearHooks, argument); }

}  // namespace Tamsel
