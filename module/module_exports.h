// The module's whole contract with the host framework: four functions,
// exported by their plain names. Everything else stays hidden.
#ifndef MODULE_MODULE_EXPORTS_H
#define MODULE_MODULE_EXPORTS_H

#include "module/host_context.h"

#if defined(_WIN32)
#define TAMSEL_EXPORT __declspec(dllexport)
#else
#define TAMSEL_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

/// Called first by the host to test the module; does nothing.
TAMSEL_EXPORT void CheckModule();

/// Called by the host before it loads objects. The first call runs the
/// (empty) initialisation hooks; later calls do nothing.
TAMSEL_EXPORT void InitModule(void* argument);

/// Called by the host to create the implementation objects: every factory
/// runs in registration order (the event subscriber, then the display) and
/// registers its object with the host context. No once-only guard: a second
/// call creates a second set. Always answers true.
TAMSEL_EXPORT bool LoadImplObjects(FerrinComponentInterface::HostContext* hostContext,
                                   void* reserved);

/// Called by the host before it unloads the module: runs the (empty)
/// clean-up hooks if the registry exists; never creates it.
TAMSEL_EXPORT void ClearModule(void* argument);
}

#endif
