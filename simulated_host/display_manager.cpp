#include "simulated_host/display_manager.h"

#include <string>

namespace SimulatedHost {

using fastdelegate::MakeDelegate;

DisplayManager::DisplayManager(HostFramework& owner, Tessaron::DisplayView* view)
    : displayView(view),
      slots(owner.provide<FerrinComponentInterface::IMultiNodeDisplayMgrSet>()),
      host(owner) {
    slots.getDisplayView = MakeDelegate<&DisplayManager::getDisplayView>(this);
    slots.getLastViewId = MakeDelegate<&DisplayManager::getLastViewId>(this);
    slots.getDisplayRect = MakeDelegate<&DisplayManager::getDisplayRect>(this);
    slots.enterFullscreen = MakeDelegate<&DisplayManager::enterFullscreen>(this);
    slots.exitFullscreen = MakeDelegate<&DisplayManager::exitFullscreen>(this);
    slots.nodesReady = MakeDelegate<&DisplayManager::nodesReady>(this);
    slots.nodeCreated = MakeDelegate<&DisplayManager::nodeCreated>(this);
}

Tessaron::DisplayView* DisplayManager::getDisplayView() {
    host.logCall("getDisplayView");
    return displayView;
}

int DisplayManager::getLastViewId() {
    host.logCall("getLastViewId");
    return lastViewId;
}

FerrinComponentInterface::Rect DisplayManager::getDisplayRect() {
    host.logCall("getDisplayRect");
    return displayRect;
}

void DisplayManager::enterFullscreen() { host.logCall("enterFullscreen"); }

bool DisplayManager::exitFullscreen() {
    host.logCall("exitFullscreen");
    return exitFullscreenResult;
}

void DisplayManager::nodesReady(int count, int second) {
    host.logCall("nodesReady " + std::to_string(count) + " " + std::to_string(second));
}

void DisplayManager::nodeCreated(int index, int second) {
    host.logCall("nodeCreated " + std::to_string(index) + " " + std::to_string(second));
}

}  // namespace SimulatedHost
