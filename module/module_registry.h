// ModuleRegistry: the factories, initialisation hooks and clean-up hooks of
// the loaded module, each kept in registration order without duplicates.
#ifndef MODULE_MODULE_REGISTRY_H
#define MODULE_MODULE_REGISTRY_H

#include <vector>

#include "module/host_context.h"

namespace Tamsel {

/// A factory: creates one implementation object and registers it with the
/// host. The second argument is forwarded unread.
using ImplFactory = void (*)(FerrinComponentInterface::HostContext* hostContext, void* reserved);
/// An initialisation or clean-up hook.
using ModuleHook = void (*)(void* argument);

class ModuleRegistry {
public:
    /// The single registry, created with three empty lists on first use.
    static ModuleRegistry& instance();
    /// The registry if it exists, else null; never creates it.
    static ModuleRegistry* existing();
    /// Empties and frees the registry; called when the module is unloaded.
    static void destroyInstance();

    /// Appends the factory unless it is already listed; true in both cases.
    bool addFactory(ImplFactory factory);

    /// Calls every factory in order with both arguments unchanged. A factory
    /// that throws is skipped; the others still run.
    void runFactories(FerrinComponentInterface::HostContext* hostContext, void* reserved) const;
    /// The first call runs the initialisation hooks and answers true; later
    /// calls do nothing and answer false.
    bool initializeOnce(void* argument);
    /// Calls every clean-up hook in order.
    void runClearHooks(void* argument) const;

    std::vector<ImplFactory> factories;
    std::vector<ModuleHook> initHooks;
    std::vector<ModuleHook> clearHooks;

private:
    ModuleRegistry() = default;
    bool initialized = false;
};

}  // namespace Tamsel

#endif
