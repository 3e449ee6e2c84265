// The host's window event manager: two window event operations that the
// display copies into the display manager, and the node events the display
// passes on, kept in order of arrival.
#ifndef SIMULATED_HOST_WINDOW_EVENT_MANAGER_H
#define SIMULATED_HOST_WINDOW_EVENT_MANAGER_H

#include <vector>

#include "module/host_interfaces.h"
#include "simulated_host/host_framework.h"

namespace SimulatedHost {

class WindowEventManager {
public:
    /// Provides the service to `host` (scope ""); must outlive every call the
    /// module makes through it.
    explicit WindowEventManager(HostFramework& host);
    WindowEventManager(const WindowEventManager&) = delete;
    WindowEventManager& operator=(const WindowEventManager&) = delete;

    /// Every event handed to dispatchNodeEvent, copied.
    std::vector<FerrinComponentInterface::NodeEvent> dispatched;

    FerrinComponentInterface::IWinEventManagerSet& slots;

private:
    /// Log "winEventOpA <a> <b>" and "winEventOpB <a> <b>"; answer a + b and a - b.
    int winEventOpA(int a, int b);
    int winEventOpB(int a, int b);
    void dispatchNodeEvent(const FerrinComponentInterface::NodeEvent* event);

    HostFramework& host;
};

}  // namespace SimulatedHost

#endif
