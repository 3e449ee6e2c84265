// The factories enter the registry while the module is loaded, before any
// export can be called: the event subscriber first, then the display. The
// registry is destroyed when the module is unloaded.
#include "event_subscriber/event_subscrible.h"
#include "module/module_registry.h"
#include "video_display/multi_node_video_display.h"

namespace {

struct StaticRegistration {
    StaticRegistration() {
        Tamsel::ModuleRegistry::instance().addFactory(&Tamsel::CreateEventSubscrible);
        Tamsel::ModuleRegistry::instance().addFactory(&Tamsel::CreateMultiNodeVideoDisplay);
    }
    ~StaticRegistration() { Tamsel::ModuleRegistry::destroyInstance(); }
};

const StaticRegistration registration;

}  // namespace
