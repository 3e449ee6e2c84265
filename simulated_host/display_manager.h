// The host's multi-node display manager: answers the display's questions
// (display view, last view id, display area), takes its fullscreen and node
// notifications, and holds the slots the display fills. Each call the
// display makes is logged in the host's call log ("nodeCreated 0 0").
#ifndef SIMULATED_HOST_DISPLAY_MANAGER_H
#define SIMULATED_HOST_DISPLAY_MANAGER_H

#include "module/host_interfaces.h"
#include "simulated_host/host_framework.h"

namespace SimulatedHost {

class DisplayManager {
public:
    /// Provides the service to `host` (scope ""); must outlive every call the
    /// module makes through it.
    DisplayManager(HostFramework& host, Tessaron::DisplayView* displayView);
    DisplayManager(const DisplayManager&) = delete;
    DisplayManager& operator=(const DisplayManager&) = delete;

    /// What getDisplayView answers.
    Tessaron::DisplayView* displayView;
    /// What getLastViewId answers.
    int lastViewId = 100;
    /// What getDisplayRect answers.
    FerrinComponentInterface::Rect displayRect{0, 0, 800, 600};
    /// What exitFullscreen answers.
    bool exitFullscreenResult = true;

    /// The slots as the module sees them: the display's handlers after
    /// wiring; clear one to leave it unbound.
    FerrinComponentInterface::IMultiNodeDisplayMgrSet& slots;

private:
    Tessaron::DisplayView* getDisplayView();
    int getLastViewId();
    FerrinComponentInterface::Rect getDisplayRect();
    void enterFullscreen();
    bool exitFullscreen();
    void nodesReady(int count, int second);
    void nodeCreated(int index, int second);

    HostFramework& host;
};

}  // namespace SimulatedHost

#endif
