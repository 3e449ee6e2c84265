// A simulated host with the event subscriber's three services and the built
// module loaded through its exports, for the tests that drive
// CEventSubscrible end to end.
#ifndef TESTS_EVENT_SUBSCRIBER_HOST_H
#define TESTS_EVENT_SUBSCRIBER_HOST_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simulated_host/customer_info.h"
#include "simulated_host/device_manager.h"
#include "simulated_host/host_framework.h"
#include "simulated_host/loaded_module.h"
#include "simulated_host/remote_device_manager.h"

namespace EventSubscriberTesting {

/// An attach or detach request text, as the device receives it.
inline std::string FileProcRequest(const std::string& method, const std::string& object,
                                   const std::string& channels, const std::string& events) {
    return "{\n"
           "   \"method\" : \"" +
           method +
           "\",\n"
           "   \"object\" : " +
           object +
           ",\n"
           "   \"params\" : {\n"
           "      \"filter\" : {\n"
           "         \"Channels\" : [ " +
           channels +
           " ],\n"
           "         \"Events\" : [ " +
           events +
           " ],\n"
           "         \"Flags\" : [ \"Event\", \"Manual\" ],\n"
           "         \"Internal\" : 1,\n"
           "         \"NeedData\" : false,\n"
           "         \"Paths\" : [ \"LocalPath\" ],\n"
           "         \"Support\" : [ \"Ack\" ],\n"
           "         \"Transfer\" : [ \"Realtime\" ]\n"
           "      },\n"
           "      \"proc\" : true\n"
           "   }\n"
           "}\n";
}

// Declared in this order so that the host, holding objects whose code lives
// in the module, goes before the module, and the services go first.
struct EventSubscriberHost : ::testing::Test {
    SimulatedHost::LoadedModule module{SimulatedHost::LoadedModule::besideProgram("Tamsel")};
    SimulatedHost::HostFramework host;
    SimulatedHost::RemoteDeviceManager devices{host};
    SimulatedHost::DeviceManager deviceManager{host};
    SimulatedHost::CustomerInfo customer{host};

    /// LoadImplObjects: the subscriber is created and registered.
    void load() {
        ASSERT_TRUE(module.ready());
        ASSERT_TRUE(module.LoadImplObjects(&host.context, nullptr));
    }
    /// load, then "ImplComLoaded", then a clean call log.
    void wire() {
        load();
        host.raiseSignal("ImplComLoaded");
        host.clearCalls();
    }
    /// Calls a published method with `params` and answers the reply text.
    std::string call(const std::string& method, const std::string& params) {
        std::string reply;
        const std::string request = "{\"id\":1,\"params\":" + params + "}";
        EXPECT_TRUE(host.callMethod(method, 1, request.c_str(), &reply)) << method;
        return reply;
    }
    /// wire, then a subscription whose handler the devices keep.
    void subscribe() {
        wire();
        ASSERT_EQ(call("SubscribeEvent", R"({"channel":1,"event":"All"})"),
                  "{\n   \"id\" : 1,\n   \"result\" : true\n}\n");
        ASSERT_EQ(devices.handlerCount(), 1);
        host.clearCalls();
    }
};

}  // namespace EventSubscriberTesting

#endif
