// The display following the host's signals, filling the display manager's
// slots, publishing its methods and building its nodes on the task thread.
#include "tests/display_fixture.h"

#include "simulated_host/realtime_stream_manager.h"

namespace DisplayTest {
namespace {

using Calls = std::vector<std::string>;

const char winEventManagerLookUp[] = "queryObject |struct FerrinComponentInterface::IWinEventManagerSet";
const char displayManagerLookUp[] = "queryObject |struct FerrinComponentInterface::IMultiNodeDisplayMgrSet";
const char remoteDeviceLookUp[] = "queryObject |struct FerrinComponentInterface::IRemoteDeviceMgrSet";

using DisplayWiringTest = DisplayFixture;

TEST_F(DisplayWiringTest, RegistersItselfAndFollowsTheHostSignals) {
    ASSERT_TRUE(module.ready());
    module.LoadImplObjects(&host.context, nullptr);
    const Calls calls = host.calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "registerObject |class Tamsel::CMultiNodeVideoDisplay"),
              calls.end());
    EXPECT_GE(host.handlerCount("ImplComLoaded"), 1);
    EXPECT_GE(host.handlerCount("PluginInitializedSignal"), 1);
    EXPECT_EQ(host.handlerCount("UserDisplayCreateSignal"), 0);

    host.clearCalls();
    host.raiseSignal("ImplComLoaded");
    EXPECT_EQ(host.handlerCount("UserDisplayCreateSignal"), 1);
    EXPECT_EQ(callsStartingWith("connectSignal UserDisplayCreateSignal").size(), 1u);
    EXPECT_FALSE(callsStartingWith("queryObject |struct FerrinComponentInterface::ICustomerInfoSet").empty());
}

TEST_F(DisplayWiringTest, DisplayCreationForCustomerWiresPublishesAndPosts) {
    load();
    host.clearCalls();
    host.raiseSignal("UserDisplayCreateSignal", "Customer", "ignored", "Other", 4);
    EXPECT_EQ(host.calls(), (Calls{winEventManagerLookUp, displayManagerLookUp, "registerMethod SetSplitNum 0",
                                   "registerMethod SetFullscreen 0", "registerMethod ExitFullscreen 0",
                                   "registerMethod SetSplitRowAndCol 0", "registerMethod OpenPath 0", "postTask"}));
    EXPECT_EQ(host.pendingTasks(), 1u);

    auto& slots = displayManager.slots;
    for (bool empty : {slots.relayout.empty(), slots.selectedViewId.empty(), slots.selectedViewHandle.empty(),
                       slots.viewHandle.empty(), slots.selectView.empty(), slots.nodeTotal.empty(),
                       slots.queryTrue.empty(), slots.setViewValue.empty(), slots.setViewValueFlag.empty(),
                       slots.viewBounds.empty(), slots.viewAltBounds.empty(), slots.viewIdAt.empty(),
                       slots.nodeIndexOf.empty(), slots.queryZero.empty(), slots.showNodeImage.empty()}) {
        EXPECT_FALSE(empty);
    }
    // The window event operations are the window event manager's own.
    host.clearCalls();
    EXPECT_EQ(slots.winEventOpA(2, 3), 5);
    EXPECT_EQ(slots.winEventOpB(2, 3), -1);
    EXPECT_EQ(host.calls(), (Calls{"winEventOpA 2 3", "winEventOpB 2 3"}));
    EXPECT_TRUE(slots.queryTrue());
    EXPECT_EQ(slots.queryZero(7), 0);
}

TEST_F(DisplayWiringTest, OnlyExactlyCustomerIsAddressed) {
    load();
    for (const char* target : {"customer", "Customer ", "Custome", "CustomerX", "", " Customer"}) {
        host.clearCalls();
        host.raiseSignal("UserDisplayCreateSignal", target, "", "Customer", 4);
        EXPECT_TRUE(host.calls().empty()) << '"' << target << '"';
    }
    host.raiseSignal("UserDisplayCreateSignal", nullptr, "", "Customer", 4);
    EXPECT_TRUE(host.calls().empty());
    EXPECT_EQ(host.pendingTasks(), 0u);
}

TEST_F(DisplayWiringTest, OnlyExactlyLumacrestGetsTheRemoteDeviceHook) {
    auto& remote = host.provide<FerrinComponentInterface::IRemoteDeviceMgrSet>();
    load();
    for (const char* customer : {"Lumacrest ", "LumacrestX", "lumacrest", "Lumacres", "", "Customer"}) {
        host.clearCalls();
        host.raiseSignal("UserDisplayCreateSignal", "Customer", "", customer, 1);
        EXPECT_TRUE(callsStartingWith(remoteDeviceLookUp).empty()) << customer;
        EXPECT_TRUE(remote.remoteNotify.empty()) << customer;
    }
    host.raiseSignal("UserDisplayCreateSignal", "Customer", "", nullptr, 1);
    EXPECT_TRUE(remote.remoteNotify.empty());

    host.clearCalls();
    host.raiseSignal("UserDisplayCreateSignal", "Customer", "", "Lumacrest", 1);
    const Calls calls = host.calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[2], remoteDeviceLookUp);
    EXPECT_FALSE(remote.remoteNotify.empty());
    // No stream manager yet: the notification is dropped.
    host.clearCalls();
    EXPECT_EQ(remote.remoteNotify(1, 2, 3, 4), 0);
    EXPECT_TRUE(host.calls().empty());
}

TEST_F(DisplayWiringTest, ScopeNameDecidesTheStreamManagerLookUp) {
    SimulatedHost::RealtimeStreamManager streams(host, "site-7");
    auto& remote = host.provide<FerrinComponentInterface::IRemoteDeviceMgrSet>();

    // Before "ImplComLoaded" there is no customer information: no look-up.
    ASSERT_TRUE(module.ready());
    module.LoadImplObjects(&host.context, nullptr);
    host.clearCalls();
    customerInfo.scopeName = "site-7";
    host.raiseSignal("PluginInitializedSignal");
    EXPECT_TRUE(host.calls().empty());

    host.raiseSignal("ImplComLoaded");
    const auto lookUpAfter = [&](std::optional<std::string> scopeName) {
        customerInfo.scopeName = scopeName;
        host.clearCalls();
        host.raiseSignal("PluginInitializedSignal");
        return host.calls();
    };
    EXPECT_EQ(lookUpAfter(std::string()), (Calls{"getScopeName"}));
    EXPECT_EQ(lookUpAfter(std::nullopt), (Calls{"getScopeName"}));
    EXPECT_EQ(lookUpAfter(std::string("site-7")),
              (Calls{"getScopeName", "queryObject site-7|struct FerrinComponentInterface::IRealtimeStreamMgrSet"}));
    customerInfo.slots.getScopeName = {};
    EXPECT_EQ(lookUpAfter(std::string("site-7")), Calls{});

    host.raiseSignal("UserDisplayCreateSignal", "Customer", "", "Lumacrest", 1);
    host.clearCalls();
    EXPECT_EQ(remote.remoteNotify(1, 2, 3, 4), 0);
    EXPECT_EQ(host.calls(), (Calls{"handleRemoteNotify 1 2"}));
}

TEST_F(DisplayWiringTest, MissingServiceEndsTheHandlerWhereTheLookUpFailed) {
    host.withdraw("", "struct FerrinComponentInterface::IMultiNodeDisplayMgrSet");
    load();
    host.clearCalls();
    host.raiseSignal("UserDisplayCreateSignal", "Customer", "", "Customer", 4);
    EXPECT_EQ(host.calls(), (Calls{winEventManagerLookUp, displayManagerLookUp}));
    EXPECT_EQ(host.pendingTasks(), 0u);

    // A look-up answered with a pointer to nothing leaves nothing to fill or build on.
    host.provideEmpty<FerrinComponentInterface::IMultiNodeDisplayMgrSet>();
    host.clearCalls();
    host.raiseSignal("UserDisplayCreateSignal", "Customer", "", "Customer", 4);
    EXPECT_EQ(callsStartingWith("registerMethod").size(), 5u);
    host.clearCalls();
    EXPECT_EQ(host.runTasks(), 1);
    EXPECT_TRUE(host.calls().empty());

    // Without customer information "ImplComLoaded" still attaches the signal.
    SimulatedHost::HostFramework bare;
    module.LoadImplObjects(&bare.context, nullptr);
    bare.raiseSignal("ImplComLoaded");
    EXPECT_EQ(bare.handlerCount("UserDisplayCreateSignal"), 1);
    bare.raiseSignal("PluginInitializedSignal");
    bare.raiseSignal("UserDisplayCreateSignal", "Customer", "", "Lumacrest", 4);
    EXPECT_EQ(bare.pendingTasks(), 0u);
}

TEST_F(DisplayWiringTest, BuildsOneNodeInTheGivenOrderOfCalls) {
    load();
    host.raiseSignal("UserDisplayCreateSignal", "Customer", "", "Customer", 1);
    host.clearCalls();
    host.runTasks();
    const Calls expected = {
        "getLastViewId", "getDisplayView", "display.setEventHandler", "display.surface",
        "surface.createElement FilledRegShape -> element1", "element1.setColor 127 127 127 1",
        // the node: base view
        "display.surface", "surface.childContainer", "getFactoryFunction Tessaron|CreateView", "CreateView -> view1",
        "view1.window", "window1.attach container 4 101", "container.addChild window1",
        "view1.createElement FilledRegShape -> element2", "element2.setColor 4 4 4 1",
        // image view
        "getFactoryFunction Tessaron|CreateView", "CreateView -> view2", "view2.setEventHandler", "view2.window",
        "window2.attach container 4 102", "container.addChild window2", "view2.createElement ImageShape -> element3",
        "element3.setColor 4 4 4 1", "element3.setImageFile background.png",
        "view2.createElement TextEle -> element4", "element4.setColor 4 4 4 1",
        // overlay view
        "getFactoryFunction Tessaron|CreateView", "CreateView -> view3", "view3.setEventHandler", "view3.window",
        "window3.attach container 4 103", "container.addChild window3",
        "view3.createElement FilledRegShape -> element5", "element5.setColor 65 65 65 1",
        "view3.createElement TextEle -> element6", "view3.createElement TextEle -> element7", "nodeCreated 0 0",
        // the frame, after the nodes
        "display.surface", "surface.createElement FrameRegShape -> element8", "element8.setColor 0 255 0 1",
        // the first layout: one node alone over the whole area, no frame
        "getDisplayRect", "display.setGeometry 0 0 800 600", "element1.setGeometry 0 0 800 600",
        "view2.setGeometry 0 0 800 600", "element3.setGeometry 0 0 800 600", "element4.setGeometry 0 0 800 600",
        "view1.setGeometry 0 0 800 600", "element2.setGeometry 0 0 800 600", "view3.setGeometry 0 0 0 0",
        "element5.setGeometry 0 0 0 0", "element6.setGeometry 0 0 0 0", "element7.setGeometry 0 0 0 0",
        "element8.setGeometry 0 0 0 0", "display.layoutDone", "nodesReady 1 1"};
    EXPECT_EQ(host.calls(), expected);
}

TEST_F(DisplayWiringTest, NumbersViewsByTwoPerNodeAndFindsNodesByImageViewId) {
    load();
    host.clearCalls();
    createDisplay(4);
    ASSERT_EQ(ui.views.size(), 12u);
    const int expectedIds[4][3] = {{101, 102, 103}, {103, 104, 105}, {105, 106, 107}, {107, 108, 109}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(baseView(k).windowObject.viewId, expectedIds[k][0]);
        EXPECT_EQ(imageView(k).windowObject.viewId, expectedIds[k][1]);
        EXPECT_EQ(overlayView(k).windowObject.viewId, expectedIds[k][2]);
    }
    EXPECT_EQ(callsStartingWith("node"),
              (Calls{"nodeCreated 0 0", "nodeCreated 1 0", "nodeCreated 2 0", "nodeCreated 3 0", "nodesReady 4 1"}));
    EXPECT_EQ(callsStartingWith("getFactoryFunction").size(), 12u);  // resolved afresh for each view

    auto& slots = displayManager.slots;
    EXPECT_EQ(slots.nodeIndexOf(104), 1);
    EXPECT_EQ(slots.nodeIndexOf(103), -1);  // shared by an overlay and a base view
    EXPECT_EQ(slots.nodeIndexOf(0), 0);
    EXPECT_EQ(slots.nodeTotal(), 4);
}

TEST_F(DisplayWiringTest, GridSideIsTheTruncatedSquareRootOfTheCount) {
    struct Case {
        int count;
        Geometry firstNode;
        Geometry lastNode;
    };
    const Case cases[] = {
        {1, {0, 0, 800, 600}, {0, 0, 800, 600}},
        {4, {1, 1, 398, 298}, {401, 301, 398, 298}},
        {5, {1, 1, 398, 298}, {0, 0, 0, 0}},  // the fifth node lies outside the 2 x 2 grid
        {9, {1, 1, 264, 198}, {533, 401, 264, 198}},
        {10, {1, 1, 264, 198}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SimulatedHost::HostFramework otherHost;
        SimulatedHost::UiLibrary otherUi(otherHost);
        SimulatedHost::DisplayManager otherManager(otherHost, &otherUi.display);
        SimulatedHost::WindowEventManager otherEvents(otherHost);
        module.LoadImplObjects(&otherHost.context, nullptr);
        otherHost.raiseSignal("ImplComLoaded");
        otherHost.raiseSignal("UserDisplayCreateSignal", "Customer", "", "Customer", c.count);
        otherHost.runTasks();
        ASSERT_EQ(otherUi.views.size(), 3u * c.count);
        EXPECT_EQ(otherUi.views[1].geometry, c.firstNode) << c.count;
        EXPECT_EQ(otherUi.views[3 * (c.count - 1) + 1].geometry, c.lastNode) << c.count;
        EXPECT_EQ(otherManager.slots.nodeTotal(), c.count);
    }
}

TEST_F(DisplayWiringTest, CountsOfZeroAndBelowBuildNoNode) {
    load();
    for (int count : {0, -3, std::numeric_limits<int>::min()}) {
        host.clearCalls();
        createDisplay(count);
        EXPECT_TRUE(callsStartingWith("CreateView").empty()) << count;
        EXPECT_EQ(callsStartingWith("nodesReady"), (Calls{"nodesReady 0 1"})) << count;
    }
    EXPECT_EQ(displayManager.slots.nodeIndexOf(0), -1);
    EXPECT_EQ(displayManager.slots.selectedViewId(), -1);
}

TEST_F(DisplayWiringTest, SecondBuildAppendsNodesWhoseIndexesStartAgain) {
    load();
    createDisplay(2);
    displayManager.lastViewId = 200;
    host.clearCalls();
    createDisplay(3);
    EXPECT_EQ(callsStartingWith("nodesReady"), (Calls{"nodesReady 5 1"}));
    auto& slots = displayManager.slots;
    EXPECT_EQ(slots.nodeIndexOf(104), 1);  // first build
    EXPECT_EQ(slots.nodeIndexOf(202), 0);  // second build
    EXPECT_EQ(slots.nodeIndexOf(206), 2);
    EXPECT_EQ(slots.nodeTotal(), 3);
    EXPECT_EQ(callsStartingWith("surface.createElement").size(), 2u);
}

TEST_F(DisplayWiringTest, LastViewIdNearTheIntRangeEndsTheBuildBeforeIdsOverflow) {
    load();
    displayManager.lastViewId = std::numeric_limits<int>::max() - 6;
    host.clearCalls();
    createDisplay(4);
    // Ids max-5 .. max-1 fit two nodes; the third would reach past max.
    EXPECT_EQ(callsStartingWith("node"), (Calls{"nodeCreated 0 0", "nodeCreated 1 0", "nodesReady 2 1"}));
    EXPECT_EQ(displayManager.slots.nodeIndexOf(std::numeric_limits<int>::max() - 2), 1);
}

// Whatever the UI library fails to deliver, the display builds what it can
// and no later operation reaches a missing object.
TEST_F(DisplayWiringTest, EveryOperationStaysSafeWhenTheUiLibraryFails) {
    struct Case {
        const char* name;
        void (*script)(DisplayHost&);
        const char* nodesReady;  // null: the build stops before any node
    };
    const Case cases[] = {
        {"no display view", [](DisplayHost& f) { f.displayManager.displayView = nullptr; }, nullptr},
        {"getDisplayView unbound", [](DisplayHost& f) { f.displayManager.slots.getDisplayView = {}; }, nullptr},
        {"no surface", [](DisplayHost& f) { f.ui.refuseSurface = true; }, nullptr},
        {"no background", [](DisplayHost& f) { f.ui.refusedElements = {"FilledRegShape"}; }, nullptr},
        {"no views", [](DisplayHost& f) { f.ui.refuseViews = true; }, "nodesReady 4 1"},
        {"getFactoryFunction unbound", [](DisplayHost& f) { f.host.context.getFactoryFunction = {}; },
         "nodesReady 4 1"},
        {"no windows", [](DisplayHost& f) { f.ui.refuseWindows = true; }, "nodesReady 4 1"},
        {"no node elements or frame",
         [](DisplayHost& f) { f.ui.refusedElements = {"ImageShape", "TextEle", "FrameRegShape"}; },
         "nodesReady 4 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DisplayHost f;
        c.script(f);
        f.load();
        f.createDisplay(4);
        EXPECT_EQ(f.callsStartingWith("nodesReady"), c.nodesReady ? Calls{c.nodesReady} : Calls{});

        auto& slots = f.displayManager.slots;
        for (int id : {0, 102, 104, 999}) {
            slots.viewHandle(id);
            slots.setViewValue(id, 3);
            slots.setViewValueFlag(id, 3);
            slots.viewBounds(id);
            slots.viewAltBounds(id);
            slots.showNodeImage(id, false);
            for (int kind : {5, 7, 8, 7, 8, 15}) {
                const NodeEvent input = event(kind, id);
                for (auto& view : f.ui.views) view.deliver(input);
                f.ui.display.deliver(input);
            }
        }
        f.host.runTasks();
        for (int index : {-1, 0, 3, 4}) {
            slots.selectView(index, 0);
            slots.viewIdAt(index, 0);
        }
        slots.selectedViewId();
        slots.selectedViewHandle();
        slots.relayout(0, 0, 800, 600);
        f.call("SetSplitNum", R"({"num" : 1})");
        f.call("SetSplitNum", R"({"num" : 0})");
        f.call("SetSplitRowAndCol", R"({"row" : 2, "col" : 2})");
        f.call("SetFullscreen");
        f.call("ExitFullscreen");
    }
}

TEST_F(DisplayWiringTest, DestructionMakesNoHostCall) {
    load();
    createDisplay(4);
    host.clearCalls();
    const int disposedBefore = host.blockEvents.disposed;
    host.releaseObjects();
    EXPECT_TRUE(host.calls().empty());
    // The display released its services: the host's own blocks remain.
    EXPECT_EQ(host.blockEvents.disposed, disposedBefore);
}

}  // namespace
}  // namespace DisplayTest
