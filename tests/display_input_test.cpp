// Input on the views, fullscreen, "OpenPath" and the display manager's
// handlers, through the simulated host.
#include "tests/display_fixture.h"

#include "simulated_host/recording_shell.h"

namespace DisplayTest {
namespace {

using Calls = std::vector<std::string>;

struct DisplayInputTest : DisplayFixture {
    int count(const std::string& prefix) const { return static_cast<int>(callsStartingWith(prefix).size()); }
};

TEST_F(DisplayInputTest, FullscreenMethodsAskTheHostOnlyOnAChange) {
    build(4);
    EXPECT_EQ(call("ExitFullscreen"), true);
    EXPECT_EQ(call("SetFullscreen"), true);
    EXPECT_EQ(call("SetFullscreen"), true);
    EXPECT_EQ(call("ExitFullscreen"), true);
    EXPECT_EQ(call("ExitFullscreen"), true);
    EXPECT_EQ(host.calls(), (Calls{"enterFullscreen", "exitFullscreen"}));
}

TEST_F(DisplayInputTest, DisplayViewLeavesFullscreenOnKind15Only) {
    build(4);
    EXPECT_FALSE(ui.display.deliver(event(15, 0)));  // not in fullscreen
    call("SetFullscreen");
    EXPECT_FALSE(ui.display.deliver(event(5, 0)));
    host.clearCalls();
    EXPECT_TRUE(ui.display.deliver(event(15, 0)));  // the host's answer
    EXPECT_EQ(host.calls(), (Calls{"exitFullscreen"}));
    EXPECT_FALSE(ui.display.deliver(event(15, 0)));

    call("SetFullscreen");
    displayManager.exitFullscreenResult = false;
    host.clearCalls();
    EXPECT_FALSE(ui.display.deliver(event(15, 0)));
    EXPECT_EQ(call("ExitFullscreen"), true);
    EXPECT_EQ(count("exitFullscreen"), 1);  // the kind-15 event left fullscreen already
}

TEST_F(DisplayInputTest, EnlargeThenFullscreenThenRestoreWithFourNodes) {
    build(4);
    EXPECT_TRUE(imageView(2).deliver(event(7, 106)));
    EXPECT_EQ(imageView(2).geometry, (Geometry{0, 0, 800, 600}));
    EXPECT_EQ(imageView(0).geometry, (Geometry{0, 0, 0, 0}));
    EXPECT_EQ(count("display.selectionChanged"), 1);
    EXPECT_TRUE(host.clientMessages().empty());  // enlarging sends no message
    EXPECT_EQ(displayManager.slots.selectedViewId(), 106);
    EXPECT_EQ(displayManager.slots.viewIdAt(1, 0), -1);
    EXPECT_EQ(displayManager.slots.viewIdAt(2, 0), 106);

    host.clearCalls();
    EXPECT_TRUE(imageView(2).deliver(event(7, 106)));
    EXPECT_EQ(host.calls(), (Calls{"enterFullscreen", "dispatchNodeEvent"}));

    host.clearCalls();
    EXPECT_TRUE(imageView(2).deliver(event(8, 106)));
    EXPECT_EQ(imageView(2).geometry, (Geometry{1, 301, 398, 298}));
    EXPECT_EQ(count("exitFullscreen"), 0);  // the grid comes back in fullscreen
    EXPECT_EQ(count("display.layoutDone"), 1);

    host.clearCalls();
    call("ExitFullscreen");
    EXPECT_EQ(host.calls(), (Calls{"exitFullscreen"}));
}

TEST_F(DisplayInputTest, RestoreWithOneNodeLeavesFullscreenOrLaysOutAgain) {
    build(1);
    call("SetFullscreen");
    host.clearCalls();
    EXPECT_TRUE(imageView(0).deliver(event(8, 102)));
    EXPECT_EQ(host.calls(), (Calls{"exitFullscreen", "dispatchNodeEvent"}));
    host.clearCalls();
    EXPECT_TRUE(imageView(0).deliver(event(8, 102)));
    EXPECT_EQ(count("display.layoutDone"), 1);
    EXPECT_EQ(count("exitFullscreen"), 0);
}

TEST_F(DisplayInputTest, ImageViewEventsArePassedOnWithTheNodeIndexFilledIn) {
    build(4);
    NodeEvent input = event(9, 104);
    for (int word = 0; word < NodeEvent::wordCount; ++word) {
        if (word != NodeEvent::kindWord && word != NodeEvent::viewIdWord) input.words[word] = 1000 + word;
    }
    for (int kind : {9, 5}) {
        input.words[NodeEvent::kindWord] = kind;
        EXPECT_TRUE(imageView(1).deliver(input));
    }
    ASSERT_EQ(windowEvents.dispatched.size(), 2u);
    for (const NodeEvent& passed : windowEvents.dispatched) {
        for (int word = 0; word < NodeEvent::wordCount; ++word) {
            const int expected = word == 3 ? 1 : word == 4 ? 0 : input.words[word];
            if (word != NodeEvent::kindWord) {
                EXPECT_EQ(passed.words[word], expected) << "word " << word;
            }
        }
    }
    // The reaction comes first, then the event is passed on.
    const Calls calls = host.calls();
    EXPECT_EQ(calls.back(), "dispatchNodeEvent");
    EXPECT_EQ(calls[calls.size() - 2], "display.selectionChanged");

    // An event for no node is neither handled nor passed on.
    EXPECT_FALSE(imageView(1).deliver(event(5, 103)));
    EXPECT_EQ(windowEvents.dispatched.size(), 2u);

    windowEvents.slots.dispatchNodeEvent = {};
    EXPECT_TRUE(imageView(1).deliver(event(9, 104)));
}

TEST_F(DisplayInputTest, OverlayEventsSelectAndAreNotPassedOn) {
    build(4);
    EXPECT_TRUE(overlayView(1).deliver(event(7, 104)));
    EXPECT_EQ(displayManager.slots.selectedViewId(), 104);
    EXPECT_EQ(host.clientMessages().size(), 1u);
    EXPECT_TRUE(overlayView(3).deliver(event(9, 108)));
    EXPECT_EQ(displayManager.slots.selectedViewId(), 104);
    EXPECT_FALSE(overlayView(3).deliver(event(5, 109)));  // an overlay id is no node's id
    EXPECT_TRUE(windowEvents.dispatched.empty());
}

TEST_F(DisplayInputTest, NullEventRecordsAreRefusedEverywhere) {
    build(4);
    call("SetFullscreen");
    host.clearCalls();
    EXPECT_FALSE(ui.display.deliver(nullptr));
    EXPECT_FALSE(imageView(1).deliver(nullptr));
    EXPECT_FALSE(overlayView(1).deliver(nullptr));
    EXPECT_TRUE(host.calls().empty());
    EXPECT_TRUE(windowEvents.dispatched.empty());
    EXPECT_TRUE(host.clientMessages().empty());
}

TEST_F(DisplayInputTest, NodeIdsAndIndexesAnswerTheHost) {
    build(4);
    auto& slots = displayManager.slots;
    EXPECT_EQ(slots.viewIdAt(3, 0), 108);
    for (int index : {4, -1, std::numeric_limits<int>::max()}) EXPECT_EQ(slots.viewIdAt(index, 0), -1);
    EXPECT_EQ(slots.nodeIndexOf(108), 3);
    EXPECT_EQ(slots.nodeIndexOf(107), -1);  // node 3's base view
    EXPECT_EQ(slots.nodeIndexOf(109), -1);  // node 3's overlay view
    EXPECT_EQ(slots.nodeIndexOf(0), 0);

    EXPECT_EQ(slots.viewHandle(104), imageView(1).handleValue);
    EXPECT_EQ(slots.setViewValue(104, 5), 6);
    EXPECT_TRUE(slots.setViewValueFlag(104, 5));
    imageView(1).altRect = {5, 6, 7, 8};
    const FerrinComponentInterface::Rect alt = slots.viewAltBounds(104);
    EXPECT_EQ((Geometry{alt.left, alt.top, alt.right, alt.bottom}), (Geometry{5, 6, 7, 8}));
    const FerrinComponentInterface::Rect bounds = slots.viewBounds(104);
    EXPECT_EQ((Geometry{bounds.left, bounds.top, bounds.right, bounds.bottom}), (Geometry{401, 1, 799, 299}));
    EXPECT_EQ(callsStartingWith("view5."),
              (Calls{"view5.handle", "view5.setValue 5", "view5.setValueFlag 5 1", "view5.altBounds",
                     "view5.bounds"}));

    host.clearCalls();
    EXPECT_EQ(slots.viewHandle(999), 0);
    EXPECT_EQ(slots.setViewValue(999, 5), 0);
    EXPECT_FALSE(slots.setViewValueFlag(999, 5));
    const FerrinComponentInterface::Rect none = slots.viewBounds(999);
    EXPECT_EQ((Geometry{none.left, none.top, none.right, none.bottom}), (Geometry{}));
    EXPECT_EQ(slots.nodeIndexOf(999), -1);
    EXPECT_TRUE(host.calls().empty());
}

TEST_F(DisplayInputTest, SelectedViewBeforeAnyNodeIsNone) {
    load();
    host.raiseSignal("UserDisplayCreateSignal", "Customer", "", "Customer", 4);  // not built yet
    EXPECT_EQ(displayManager.slots.selectedViewId(), -1);
    EXPECT_EQ(displayManager.slots.selectedViewHandle(), 0);
    EXPECT_EQ(displayManager.slots.viewIdAt(0, 0), -1);
    EXPECT_EQ(displayManager.slots.viewIdAt(-1, 0), -1);
    EXPECT_EQ(displayManager.slots.nodeTotal(), 0);
}

TEST_F(DisplayInputTest, ShowNodeImageAnswersAtOnceAndShowsOnTheTaskThread) {
    build(4);
    EXPECT_TRUE(displayManager.slots.showNodeImage(104, false));
    EXPECT_TRUE(displayManager.slots.showNodeImage(999, true));
    EXPECT_EQ(host.calls(), (Calls{"postTask", "postTask"}));
    host.clearCalls();
    EXPECT_EQ(host.runTasks(), 2);
    // Node 1's "ImageShape" is the ninth element: background, then four per node before it.
    EXPECT_EQ(host.calls(), (Calls{"element9.setShown 0", "view5.refresh 1"}));
    EXPECT_EQ(ui.element("element9")->className, "ImageShape");

    host.context.postTask = {};
    EXPECT_TRUE(displayManager.slots.showNodeImage(104, true));
}

// On Windows the file browser gets "/select, " and the unchanged path; on
// POSIX the desktop's opener gets the path's folder.
TEST_F(DisplayInputTest, OpenPathOpensTheFolderOfTheUnchangedPath) {
    build(1);
    SimulatedHost::RecordingShell shell;
    EXPECT_EQ(call("OpenPath", R"({"path" : "/srv/my videos/clip 1.mp4"})"), true);
    EXPECT_EQ(call("OpenPath", R"({"path" : "C:\\Record Files\\a b.dav"})"), true);
    EXPECT_EQ(call("OpenPath", R"({"path" : "clip.mp4"})"), true);
#if defined(_WIN32)
    EXPECT_EQ(shell.opened(), (Calls{"/select, /srv/my videos/clip 1.mp4",
                                     "/select, C:\\Record Files\\a b.dav", "/select, clip.mp4"}));
#else
    EXPECT_EQ(shell.opened(), (Calls{"/srv/my videos", "C:\\Record Files", "."}));
#endif
}

#if !defined(_WIN32)
// The desktop's opener takes the folder as an argument of its own, where a
// leading '-' would read as an option; the file browser gets it after
// "/select, ".
TEST_F(DisplayInputTest, OpenPathNeverHandsTheOpenerAnOption) {
    build(1);
    SimulatedHost::RecordingShell shell;
    EXPECT_EQ(call("OpenPath", R"({"path" : "--help/clip.mp4"})"), true);
    EXPECT_EQ(call("OpenPath", R"({"path" : "-x\\a.dav"})"), true);
    EXPECT_EQ(shell.opened(), (Calls{"./--help", "./-x"}));
}
#endif

TEST_F(DisplayInputTest, OpenPathFailsWhenTheShellCannotStartIt) {
    build(1);
    for (const char* opener : {"/bin/false", "/nonexistent/opener"}) {
        SimulatedHost::RecordingShell shell(opener);
        EXPECT_EQ(call("OpenPath", R"({"path" : "/srv/clip.mp4"})"), false) << opener;
    }
}

}  // namespace
}  // namespace DisplayTest
