// CEventSubscrible's wiring to the host: creation, "ImplComLoaded", the
// customer check, the published methods and the exit signal.
#include "tests/event_subscriber_host.h"

#include <functional>
#include <utility>

namespace {

using EventSubscriberTesting::EventSubscriberHost;
using Strings = std::vector<std::string>;

const char kRemoteName[] = "struct FerrinComponentInterface::IRemoteDeviceMgrSet";
const char kDeviceName[] = "struct FerrinComponentInterface::IDeviceManagerSet";
const char kCustomerName[] = "struct FerrinComponentInterface::ICustomerInfoSet";

const Strings kLookUps = {std::string("queryObject |") + kRemoteName,
                          std::string("queryObject |") + kDeviceName,
                          std::string("queryObject |") + kCustomerName, "getCustomerName"};

// The display, created second, follows each signal after the subscriber.
Strings ThenDisplay(Strings calls) {
    calls.insert(calls.end(), {"connectSignal UserDisplayCreateSignal",
                               std::string("queryObject |") + kCustomerName});
    return calls;
}

Strings WiredCalls() {
    Strings calls = kLookUps;
    calls.insert(calls.end(),
                 {"registerMethod SubscribeEvent 0", "registerMethod UnSubscribeEvent 0",
                  "registerMethod GetDeviceConfig 0", "connectSignal localFuncOPExitSignal"});
    return ThenDisplay(calls);
}

using EventSubscriberWiringTest = EventSubscriberHost;

TEST_F(EventSubscriberWiringTest, CreationAttachesToImplComLoadedThenRegisters) {
    load();
    EXPECT_EQ(host.calls(), (Strings{"connectSignal ImplComLoaded",
                                     "registerObject |class Tamsel::CEventSubscrible",
                                     "connectSignal ImplComLoaded", "connectSignal PluginInitializedSignal",
                                     "registerObject |class Tamsel::CMultiNodeVideoDisplay"}));
    EXPECT_EQ(host.handlerCount("ImplComLoaded"), 2);  // the subscriber's and the display's
}

TEST_F(EventSubscriberWiringTest, CustomerGetsThreeMethodsThenTheExitHandler) {
    load();
    host.clearCalls();
    host.raiseSignal("ImplComLoaded");
    EXPECT_EQ(host.calls(), WiredCalls());
    ASSERT_EQ(host.methods.size(), 3u);
    EXPECT_EQ(host.methods[0].first, "SubscribeEvent");
    EXPECT_EQ(host.methods[1].first, "UnSubscribeEvent");
    EXPECT_EQ(host.methods[2].first, "GetDeviceConfig");
    EXPECT_EQ(host.handlerCount("localFuncOPExitSignal"), 1);
}

TEST_F(EventSubscriberWiringTest, MethodsNameTheirParameters) {
    wire();
    char names[200] = {};
    ASSERT_TRUE(host.method("SubscribeEvent")->parameterNames(names, 2));
    EXPECT_STREQ(names, "channel");
    EXPECT_STREQ(names + 100, "event");
    char configNames[200] = {};
    ASSERT_TRUE(host.method("GetDeviceConfig")->parameterNames(configNames, 2));
    EXPECT_STREQ(configNames, "deviceID");
    EXPECT_STREQ(configNames + 100, "name");
}

// Only exactly "Customer" is wired; the three services are held either way.
TEST_F(EventSubscriberWiringTest, OtherCustomersGetNothingButTheServicesAreHeld) {
    for (const char* name : {"customer", "CUSTOMER", "Customer ", "Custom", "", "Customers"}) {
        SCOPED_TRACE(name);
        SimulatedHost::HostFramework otherHost;
        SimulatedHost::RemoteDeviceManager otherDevices(otherHost);
        SimulatedHost::DeviceManager otherDeviceManager(otherHost);
        SimulatedHost::CustomerInfo otherCustomer(otherHost);
        otherCustomer.customerName = name;
        ASSERT_TRUE(module.LoadImplObjects(&otherHost.context, nullptr));
        otherHost.clearCalls();
        otherHost.raiseSignal("ImplComLoaded");
        EXPECT_EQ(otherHost.calls(), ThenDisplay(kLookUps));
        EXPECT_TRUE(otherHost.methods.empty());
        EXPECT_EQ(otherHost.handlerCount("localFuncOPExitSignal"), 0);
        otherHost.withdraw("", kRemoteName);
        otherHost.withdraw("", kDeviceName);
        otherHost.withdraw("", kCustomerName);
        EXPECT_EQ(otherHost.blockEvents.disposed, 0);
        otherHost.releaseObjects();
        EXPECT_EQ(otherHost.blockEvents.disposed, 3);
    }
}

TEST_F(EventSubscriberWiringTest, NoCustomerNameOrNoServiceObjectPublishesNothing) {
    using Setup = std::function<void(SimulatedHost::HostFramework&, SimulatedHost::CustomerInfo&)>;
    const std::vector<std::pair<const char*, Setup>> cases = {
        {"null name", [](auto&, auto& info) { info.customerName.reset(); }},
        {"unbound name", [](auto&, auto& info) { info.slots.getCustomerName = {}; }},
        {"no remote device service object",
         [](auto& framework, auto&) {
             framework.template provideEmpty<FerrinComponentInterface::IRemoteDeviceMgrSet>();
         }},
        {"no device manager object",
         [](auto& framework, auto&) {
             framework.template provideEmpty<FerrinComponentInterface::IDeviceManagerSet>();
         }},
        {"no customer information object",
         [](auto& framework, auto&) {
             framework.template provideEmpty<FerrinComponentInterface::ICustomerInfoSet>();
         }},
    };
    for (const auto& [name, setup] : cases) {
        SCOPED_TRACE(name);
        SimulatedHost::HostFramework otherHost;
        SimulatedHost::RemoteDeviceManager otherDevices(otherHost);
        SimulatedHost::DeviceManager otherDeviceManager(otherHost);
        SimulatedHost::CustomerInfo otherCustomer(otherHost);
        setup(otherHost, otherCustomer);
        ASSERT_TRUE(module.LoadImplObjects(&otherHost.context, nullptr));
        otherHost.raiseSignal("ImplComLoaded");
        EXPECT_TRUE(otherHost.methods.empty());
        EXPECT_EQ(otherHost.handlerCount("localFuncOPExitSignal"), 0);
    }
}

// A failed look-up ends the handler without reaching the host; the service
// found before it stays held.
TEST_F(EventSubscriberWiringTest, FailedLookUpEndsTheHandlerQuietly) {
    load();
    host.withdraw("", kDeviceName);
    host.clearCalls();
    host.raiseSignal("ImplComLoaded");
    EXPECT_EQ(host.calls(), ThenDisplay({std::string("queryObject |") + kRemoteName,
                                         std::string("queryObject |") + kDeviceName}));
    EXPECT_TRUE(host.methods.empty());
    const int disposed = host.blockEvents.disposed;  // the withdrawn device manager
    host.withdraw("", kRemoteName);
    EXPECT_EQ(host.blockEvents.disposed, disposed);

    host.context.queryObject = {};
    host.raiseSignal("ImplComLoaded");
    EXPECT_TRUE(host.methods.empty());
}

TEST_F(EventSubscriberWiringTest, SecondImplComLoadedRepeatsEverything) {
    wire();
    host.raiseSignal("ImplComLoaded");
    EXPECT_EQ(host.calls(), WiredCalls());
    EXPECT_EQ(host.methods.size(), 6u);
    EXPECT_EQ(host.handlerCount("localFuncOPExitSignal"), 2);
    // The first look-ups' references were released: only the second ones remain.
    host.withdraw("", kRemoteName);
    host.withdraw("", kDeviceName);
    host.withdraw("", kCustomerName);
    host.releaseObjects();
    EXPECT_EQ(host.blockEvents.disposed, 3);
}

TEST_F(EventSubscriberWiringTest, UnboundRegisterMethodPublishesNothing) {
    load();
    host.context.registerMethod = {};
    host.raiseSignal("ImplComLoaded");
    EXPECT_TRUE(host.methods.empty());
    EXPECT_EQ(host.handlerCount("localFuncOPExitSignal"), 1);
}

TEST_F(EventSubscriberWiringTest, ExitSignalDetachesAllOnChannelMinusOne) {
    wire();
    deviceManager.deviceId = 7;
    devices.reply("snapManager.factory.instance", R"({"result":12})");
    EXPECT_EQ(host.raiseSignal("localFuncOPExitSignal"), 1);
    EXPECT_EQ(host.calls(),
              (Strings{"getDeviceID", "sendRequest 7 snapManager.factory.instance", "getDeviceID",
                       "sendDetachRequest 7 snapManager.detachFileProc"}));
    const auto requests = devices.requests();
    ASSERT_EQ(requests.size(), 2u);
    // The request of the example: instance 12, channel -1, event "All".
    EXPECT_EQ(requests[1].text, EventSubscriberTesting::FileProcRequest(
                                    "snapManager.detachFileProc", "12", "-1", "\"All\""));
}

TEST_F(EventSubscriberWiringTest, DestructionMakesNoHostCall) {
    wire();
    host.releaseObjects();
    EXPECT_TRUE(host.calls().empty());
}

}  // namespace
