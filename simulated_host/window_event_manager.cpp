#include "simulated_host/window_event_manager.h"

#include <string>

namespace SimulatedHost {

using fastdelegate::MakeDelegate;

WindowEventManager::WindowEventManager(HostFramework& owner)
    : slots(owner.provide<FerrinComponentInterface::IWinEventManagerSet>()), host(owner) {
    slots.winEventOpA = MakeDelegate<&WindowEventManager::winEventOpA>(this);
    slots.winEventOpB = MakeDelegate<&WindowEventManager::winEventOpB>(this);
    slots.dispatchNodeEvent = MakeDelegate<&WindowEventManager::dispatchNodeEvent>(this);
}

int WindowEventManager::winEventOpA(int a, int b) {
    host.logCall("winEventOpA " + std::to_string(a) + " " + std::to_string(b));
    return a + b;
}

int WindowEventManager::winEventOpB(int a, int b) {
    host.logCall("winEventOpB " + std::to_string(a) + " " + std::to_string(b));
    return a - b;
}

void WindowEventManager::dispatchNodeEvent(const FerrinComponentInterface::NodeEvent* event) {
    host.logCall("dispatchNodeEvent");
    if (event) dispatched.push_back(*event);
}

}  // namespace SimulatedHost
