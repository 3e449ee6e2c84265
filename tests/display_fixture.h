// A host with the display's services and the UI library, and Tamsel loaded
// through its exports: the fixture of the display's end-to-end tests.
#ifndef TESTS_DISPLAY_FIXTURE_H
#define TESTS_DISPLAY_FIXTURE_H

#include <gtest/gtest.h>
#include <json/json.h>

#include <string>
#include <vector>

#include "simulated_host/customer_info.h"
#include "simulated_host/display_manager.h"
#include "simulated_host/host_framework.h"
#include "simulated_host/loaded_module.h"
#include "simulated_host/ui_library.h"
#include "simulated_host/window_event_manager.h"

namespace DisplayTest {

using FerrinComponentInterface::NodeEvent;
using SimulatedHost::Geometry;

/// Everything of the fixture; a test may make further ones of its own.
struct DisplayHost {
    // The module outlives the host, whose objects' code lives in the module.
    SimulatedHost::LoadedModule module{SimulatedHost::LoadedModule::besideProgram("Tamsel")};
    SimulatedHost::HostFramework host;
    SimulatedHost::UiLibrary ui{host};
    SimulatedHost::DisplayManager displayManager{host, &ui.display};
    SimulatedHost::WindowEventManager windowEvents{host};
    SimulatedHost::CustomerInfo customerInfo{host};

    // A customer the event subscriber does not serve keeps it out of the log.
    DisplayHost() { customerInfo.customerName = "Other"; }

    /// Loads the objects and raises "ImplComLoaded".
    void load() {
        ASSERT_TRUE(module.ready());
        module.LoadImplObjects(&host.context, nullptr);
        host.raiseSignal("ImplComLoaded");
    }

    /// The display-creation signal for "Customer", then the host's tasks.
    void createDisplay(int nodeCount, const char* customer = "Customer") {
        host.raiseSignal("UserDisplayCreateSignal", "Customer", "", customer, nodeCount);
        host.runTasks();
    }

    /// Loads and builds `nodeCount` nodes, then clears the logs.
    void build(int nodeCount) {
        load();
        createDisplay(nodeCount);
        host.clearCalls();
        host.clearClientMessages();
    }

    /// The result a client method replies with; null when it did not reply.
    Json::Value call(const std::string& name, const std::string& params = "{}") {
        std::string reply;
        const std::string request = "{\"params\" : " + params + "}";
        host.callMethod(name, 1, request.c_str(), &reply);
        Json::Value parsed;
        Json::Reader().parse(reply, parsed, false);
        return parsed["result"];
    }

    /// The views of node k of the first build: base, image, overlay.
    SimulatedHost::UiNodeView& baseView(int k) { return ui.views.at(3 * k); }
    SimulatedHost::UiNodeView& imageView(int k) { return ui.views.at(3 * k + 1); }
    SimulatedHost::UiNodeView& overlayView(int k) { return ui.views.at(3 * k + 2); }

    /// The selection frame: the last "FrameRegShape" made.
    SimulatedHost::UiElement& frame() {
        for (auto it = ui.elements.rbegin(); it != ui.elements.rend(); ++it) {
            if (it->className == "FrameRegShape") return *it;
        }
        throw std::logic_error("no frame");
    }

    /// The host's calls that begin with `prefix`.
    std::vector<std::string> callsStartingWith(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& entry : host.calls()) {
            if (entry.compare(0, prefix.size(), prefix) == 0) found.push_back(entry);
        }
        return found;
    }

    static NodeEvent event(int kind, int viewId) {
        NodeEvent made;
        made.words[NodeEvent::kindWord] = kind;
        made.words[NodeEvent::viewIdWord] = viewId;
        return made;
    }
};

struct DisplayFixture : ::testing::Test, DisplayHost {};

}  // namespace DisplayTest

#endif
