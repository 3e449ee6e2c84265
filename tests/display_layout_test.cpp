// The split layout and the selection: geometry of every node and of the
// frame, the refusals, and the "SelectedView" message.
#include "tests/display_fixture.h"

namespace DisplayTest {
namespace {

using Calls = std::vector<std::string>;

const Geometry hidden{0, 0, 0, 0};

struct DisplayLayoutTest : DisplayFixture {
    /// Every view of node k is where the layout puts a node at `g`: image
    /// and base view at g, the overlay view always empty.
    void expectNodeAt(int k, const Geometry& g) {
        EXPECT_EQ(imageView(k).geometry, g) << "node " << k;
        EXPECT_EQ(baseView(k).geometry, g) << "node " << k;
        EXPECT_EQ(overlayView(k).geometry, hidden) << "node " << k;
    }
    bool laidOut() const { return !callsStartingWith("display.layoutDone").empty(); }
};

TEST_F(DisplayLayoutTest, SplitByCountPlacesEveryNodeAndTheFrame) {
    build(9);
    EXPECT_EQ(call("SetSplitNum", R"({"num" : 4})"), true);
    expectNodeAt(0, {1, 1, 398, 298});
    expectNodeAt(1, {401, 1, 398, 298});
    expectNodeAt(2, {1, 301, 398, 298});
    expectNodeAt(3, {401, 301, 398, 298});
    for (int k = 4; k < 9; ++k) expectNodeAt(k, hidden);
    EXPECT_EQ(frame().geometry, (Geometry{0, 0, 400, 300}));
    EXPECT_EQ(ui.display.geometry, (Geometry{0, 0, 800, 600}));
    EXPECT_TRUE(host.clientMessages().empty());  // node 0 was selected already

    // Five nodes in a 2 x 2 grid: the fifth counts but is hidden.
    EXPECT_EQ(call("SetSplitNum", R"({"num" : 5})"), true);
    expectNodeAt(3, {401, 301, 398, 298});
    expectNodeAt(4, hidden);
    EXPECT_EQ(displayManager.slots.viewIdAt(4, 0), 110);  // the split, not the grid, decides

    EXPECT_EQ(call("SetSplitNum", R"({"num" : 1})"), true);
    expectNodeAt(0, {0, 0, 800, 600});
    for (int k = 1; k < 9; ++k) expectNodeAt(k, hidden);
    EXPECT_EQ(frame().geometry, hidden);
    EXPECT_EQ(displayManager.slots.nodeTotal(), 9);  // the split leaves the node total alone
}

TEST_F(DisplayLayoutTest, SplitByRowsAndColumnsPlacesTheCells) {
    build(9);
    EXPECT_EQ(call("SetSplitRowAndCol", R"({"row" : 1, "col" : 3})"), true);
    expectNodeAt(0, {1, 1, 264, 598});
    expectNodeAt(2, {533, 1, 264, 598});
    for (int k = 3; k < 9; ++k) expectNodeAt(k, hidden);
}

TEST_F(DisplayLayoutTest, RefusesMoreNodesThanItHasWithoutAnyChange) {
    build(9);
    EXPECT_EQ(call("SetSplitNum", R"({"num" : 10})"), true);
    EXPECT_EQ(call("SetSplitNum", R"({"num" : -1})"), true);
    EXPECT_EQ(call("SetSplitRowAndCol", R"({"row" : 2, "col" : 5})"), false);
    EXPECT_EQ(call("SetSplitRowAndCol", R"({"row" : -1, "col" : 3})"), false);
    // 65536 x 65536 is 0 in 32 bits; the product is taken whole.
    EXPECT_EQ(call("SetSplitRowAndCol", R"({"row" : 65536, "col" : 65536})"), false);
    EXPECT_TRUE(host.calls().empty());
    EXPECT_EQ(displayManager.slots.viewIdAt(8, 0), 118);  // still the split of 9
}

TEST_F(DisplayLayoutTest, SameCountIsNoChangeButSameRowsAndColumnsLayOutAgain) {
    build(9);
    EXPECT_EQ(call("SetSplitNum", R"({"num" : 9})"), true);
    EXPECT_TRUE(host.calls().empty());
    EXPECT_EQ(call("SetSplitRowAndCol", R"({"row" : 3, "col" : 3})"), true);
    EXPECT_TRUE(laidOut());
}

TEST_F(DisplayLayoutTest, CellsAreMeasuredFromZeroWithTheDistanceBetweenXAndW) {
    displayManager.displayRect = {100, 0, 900, 600};  // x 100, width 800
    build(9);
    call("SetSplitNum", R"({"num" : 4})");
    EXPECT_EQ(ui.display.geometry, (Geometry{100, 0, 800, 600}));
    expectNodeAt(0, {1, 1, 348, 298});
    expectNodeAt(1, {351, 1, 348, 298});
}

TEST_F(DisplayLayoutTest, EmptyOrUnknownAreaPlacesNothing) {
    build(4);
    for (FerrinComponentInterface::Rect area : {FerrinComponentInterface::Rect{0, 0, 0, 600},
                                                FerrinComponentInterface::Rect{5, 5, 800, 5}}) {
        displayManager.displayRect = area;
        host.clearCalls();
        EXPECT_EQ(call("SetSplitRowAndCol", R"({"row" : 2, "col" : 2})"), true);
        EXPECT_EQ(host.calls(), (Calls{"getDisplayRect"}));
    }
    displayManager.slots.getDisplayRect = {};
    host.clearCalls();
    EXPECT_FALSE(displayManager.slots.relayout(0, 0, 0, 0));
    EXPECT_TRUE(host.calls().empty());
    // The host's own area through relayout; huge and odd values stay defined.
    EXPECT_TRUE(displayManager.slots.relayout(0, 0, 400, 300));
    expectNodeAt(1, {201, 1, 198, 148});
    EXPECT_TRUE(displayManager.slots.relayout(std::numeric_limits<int>::min(), 0,
                                              std::numeric_limits<int>::max(), 300));
    displayManager.slots.getDisplayRect = {};
}

TEST_F(DisplayLayoutTest, NegativeOrZeroRowsOrColumnsLayOutNoCell) {
    build(9);
    for (const char* split : {R"({"row" : -2, "col" : -2})", R"({"row" : 2147483647, "col" : 0})"}) {
        host.clearCalls();
        EXPECT_EQ(call("SetSplitRowAndCol", split), true) << split;
        for (int k = 0; k < 9; ++k) expectNodeAt(k, hidden);
        EXPECT_TRUE(laidOut());
    }
}

TEST_F(DisplayLayoutTest, SplitChangesWithoutNodesSelectNothing) {
    ui.refusedElements = {"FilledRegShape"};  // the build stops before any node
    build(4);
    EXPECT_EQ(call("SetSplitNum", R"({"num" : 0})"), true);
    EXPECT_EQ(call("SetSplitRowAndCol", R"({"row" : 0, "col" : 3})"), true);
    EXPECT_TRUE(host.clientMessages().empty());
    EXPECT_EQ(callsStartingWith("display.layoutDone").size(), 2u);
    EXPECT_EQ(displayManager.slots.selectedViewId(), -1);
    EXPECT_EQ(displayManager.slots.selectedViewHandle(), 0);
    EXPECT_EQ(displayManager.slots.viewIdAt(0, 0), -1);
}

TEST_F(DisplayLayoutTest, FrameOfASelectionOutsideTheGridSitsAroundTheOrigin) {
    build(9);
    call("SetSplitNum", R"({"num" : 5})");
    EXPECT_TRUE(displayManager.slots.selectView(4, 0));
    EXPECT_EQ(frame().geometry, (Geometry{-1, -1, 2, 2}));
    EXPECT_TRUE(displayManager.slots.relayout(0, 0, 800, 600));
    EXPECT_EQ(frame().geometry, (Geometry{-1, -1, 2, 2}));
}

// --- selection ----------------------------------------------------------------

TEST_F(DisplayLayoutTest, ClickSendsSelectedViewWithTheIndexAsViewIndex) {
    build(4);
    EXPECT_TRUE(imageView(2).deliver(event(5, 106)));
    EXPECT_EQ(host.clientMessages(),
              (Calls{"{ \"event\" : \"SelectedView\", \"params\" : { \"nodeIndex\" : 0, \"preNodeIndex\" : 0, "
                     "\"preViewIndex\" : 0, \"viewIndex\" : 2, \"winID\" : 106 } }\n"}));
    EXPECT_EQ(frame().geometry, (Geometry{0, 300, 400, 300}));
    EXPECT_EQ(callsStartingWith("display.selectionChanged").size(), 1u);
    EXPECT_EQ(displayManager.slots.selectedViewId(), 106);
    EXPECT_EQ(displayManager.slots.selectedViewHandle(), imageView(2).handleValue);
}

TEST_F(DisplayLayoutTest, HostSelectionSendsTheIndexAsNodeIndex) {
    build(4);
    EXPECT_TRUE(displayManager.slots.selectView(3, 0));
    EXPECT_EQ(host.clientMessages(),
              (Calls{"{ \"event\" : \"SelectedView\", \"params\" : { \"nodeIndex\" : 3, \"preNodeIndex\" : 0, "
                     "\"preViewIndex\" : 0, \"viewIndex\" : 0, \"winID\" : 108 } }\n"}));
    EXPECT_EQ(frame().geometry, (Geometry{400, 300, 400, 300}));

    // A new split selects node 0 and says so.
    host.clearClientMessages();
    call("SetSplitRowAndCol", R"({"row" : 2, "col" : 2})");
    EXPECT_EQ(host.clientMessages(),
              (Calls{"{ \"event\" : \"SelectedView\", \"params\" : { \"nodeIndex\" : 0, \"preNodeIndex\" : 0, "
                     "\"preViewIndex\" : 0, \"viewIndex\" : 0, \"winID\" : 102 } }\n"}));
}

TEST_F(DisplayLayoutTest, SelectingTheSelectedNodeOrAPositionOutsideTheSplitDoesNothing) {
    build(4);
    EXPECT_TRUE(displayManager.slots.selectView(0, 0));
    EXPECT_TRUE(imageView(0).deliver(event(5, 102)));
    for (int index : {4, -1, std::numeric_limits<int>::min()}) {
        EXPECT_FALSE(displayManager.slots.selectView(index, 0)) << index;
    }
    EXPECT_TRUE(host.clientMessages().empty());
    EXPECT_TRUE(callsStartingWith("display.selectionChanged").empty());
    EXPECT_EQ(displayManager.slots.selectedViewId(), 102);
}

TEST_F(DisplayLayoutTest, SelectionWithOneNodeInTheSplitHidesTheFrame) {
    build(4);
    call("SetSplitNum", R"({"num" : 1})");
    EXPECT_TRUE(imageView(1).deliver(event(5, 104)));
    EXPECT_EQ(frame().geometry, hidden);
    EXPECT_EQ(host.clientMessages().size(), 1u);
}

TEST_F(DisplayLayoutTest, SelectionWithoutAClientStillMoves) {
    build(4);
    host.context.notifyClient = {};
    EXPECT_TRUE(displayManager.slots.selectView(2, 0));
    EXPECT_EQ(displayManager.slots.selectedViewId(), 106);
    EXPECT_EQ(callsStartingWith("display.selectionChanged").size(), 1u);
}

}  // namespace
}  // namespace DisplayTest
