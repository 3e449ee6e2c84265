// CMultiNodeVideoDisplay: builds and drives the host's multi-node video
// display, a grid of video tiles (nodes) made of views of the host's
// UI-controls library.
//
// It wires itself to the host in three stages, each started by a host
// signal: at construction it follows "ImplComLoaded" and
// "PluginInitializedSignal"; "ImplComLoaded" attaches
// "UserDisplayCreateSignal"; that signal, addressed to "Customer", fills
// the display's handlers into the host's display manager, publishes the
// client methods and posts the task that builds the nodes.
//
// Every member the host reaches (signal handlers, filled slots, view event
// handlers, tasks, client methods) contains exceptions: a failed look-up
// ("bad cast") ends the handler with the state reached, and the caller gets
// the handler's failure result. The host is to call one member at a time.
#ifndef VIDEO_DISPLAY_MULTI_NODE_VIDEO_DISPLAY_H
#define VIDEO_DISPLAY_MULTI_NODE_VIDEO_DISPLAY_H

#include <map>
#include <string>
#include <vector>

#include <json/value.h>

#include "foundation/shared_ptr.h"
#include "foundation/task.h"
#include "module/host_context.h"
#include "module/host_interfaces.h"
#include "video_display/node_record.h"

namespace Tamsel {

/// How the split is shown: every node of the grid, or the selected node
/// alone over the whole display area.
enum class DisplayMode { Grid, Single };

class CMultiNodeVideoDisplay {
public:
    using Rect = FerrinComponentInterface::Rect;
    using NodeEvent = FerrinComponentInterface::NodeEvent;

    explicit CMultiNodeVideoDisplay(FerrinComponentInterface::HostContext* hostContext);
    /// Calls nothing in the host or the UI objects.
    ~CMultiNodeVideoDisplay();
    CMultiNodeVideoDisplay(const CMultiNodeVideoDisplay&) = delete;
    CMultiNodeVideoDisplay& operator=(const CMultiNodeVideoDisplay&) = delete;

    // --- host wiring ----------------------------------------------------------
    void OnImplComLoaded();
    void OnPluginInitialized();
    void OnUserDisplayCreate(const char* target, const char* second, const char* customer,
                             int nodeCount);
    bool WireHostInterfaces(const char* customer);
    bool PublishMethods();

    // --- building the nodes (run as a task) -----------------------------------
    void CreateDisplay(int nodeCount);
    int BuildNode(int index, Tessaron::DisplayView* view, int firstId, NodeRecord& record);

    // --- split layout ----------------------------------------------------------
    bool LayoutNodes(int rowCount, int colCount, int x, int y, int w, int h);
    void PlaceNode(const NodeRecord& record, const Rect& area);
    bool Relayout(int x, int y, int w, int h);
    bool SetSplitNum(int num);
    bool SetSplitRowAndCol(int row, int col);

    // --- selection ---------------------------------------------------------------
    bool SelectNode(const NodeRecord& record);
    bool SelectViewByIndex(int index, int notRead);
    void PlaceSelectionFrame(const NodeRecord& record);
    void SendSelectedView(Json::Value params);

    // --- fullscreen, node input, OpenPath ------------------------------------------
    bool SetFullscreen();
    bool ExitFullscreen();
    bool OpenPath(const char* path);
    bool OnDisplayViewEvent(const NodeEvent* event);
    bool OnImageViewEvent(const NodeEvent* event, int notRead);
    bool OnOverlayViewEvent(const NodeEvent* event, int notRead);

    // --- the display manager's handlers ----------------------------------------------
    bool OnShowNodeImage(int viewId, bool shown);
    bool ShowNodeImage(int viewId, bool shown);
    int OnRemoteNotify(int a, int b, int c, int d);
    int OnNodeTotal();
    bool OnQueryTrue();
    int OnQueryZero(int notRead);
    int OnSelectedViewId();
    int OnSelectedViewHandle();
    int OnViewIdAt(int index, int notRead);
    int OnViewHandle(int viewId);
    int OnSetViewValue(int viewId, int value);
    bool OnSetViewValueFlag(int viewId, int value);
    Rect OnViewBounds(int viewId);
    Rect OnViewAltBounds(int viewId);
    int OnNodeIndexOf(int viewId);

    // --- state ---------------------------------------------------------------------
    /// The nodes, found by the id of their image view.
    std::map<NodeKey, NodeRecord, NodeKeyLess> nodeTable;
    /// The same nodes in creation order; position = node index.
    std::vector<NodeRecord> nodes;
    FerrinComponentInterface::HostContext* const hostContext;
    Tessaron::DisplayView* displayView = nullptr;
    Tessaron::Element* backgroundShape = nullptr;
    Tessaron::Element* selectionFrame = nullptr;
    int selectedIndex = 0;
    int firstShownIndex = -1;
    int lastShownIndex = -1;
    int nodeTotal = 0;
    int splitCount = 0;
    Foundation::CSharedPtr<FerrinComponentInterface::IMultiNodeDisplayMgrSet> displayMgr;
    Foundation::CSharedPtr<FerrinComponentInterface::IWinEventManagerSet> winEventMgr;
    Foundation::CSharedPtr<FerrinComponentInterface::IRemoteDeviceMgrSet> remoteDeviceMgr;
    Foundation::CSharedPtr<FerrinComponentInterface::IRealtimeStreamMgrSet> realtimeStreamMgr;
    Foundation::CSharedPtr<FerrinComponentInterface::ICustomerInfoSet> customerInfo;
    DisplayMode mode = DisplayMode::Grid;
    std::string backgroundImage = "background.png";
    bool fullscreen = false;
    int rows = 1;
    int cols = 1;

private:
    /// The record whose image view has `viewId` (0: the first node), or null.
    const NodeRecord* findNode(int viewId) const;
    /// The record at position `index` of `nodes`, or null beyond it.
    const NodeRecord* nodeAt(int index) const;
    /// splitCount, firstShownIndex, lastShownIndex and mode for n nodes.
    void setSplit(int n);
    /// Selects node 0 after a change of split, when there is a node.
    void selectFirstNode();
    /// The host's display area, (0, 0, 0, 0) when it does not say.
    Rect displayArea() const;
    /// LayoutNodes over the host's display area.
    bool layoutInDisplayArea(int rowCount, int colCount);
    /// Hands a task for a member of this display to the host; without
    /// postTask no task is made, since nothing would run or free it.
    template <class Member, class Arguments>
    void postTask(Member member, const Arguments& arguments);
};

template <class Member, class Arguments>
void CMultiNodeVideoDisplay::postTask(Member member, const Arguments& arguments) {
    if (hostContext->postTask.empty()) return;
    using Task = Foundation::CTask<CMultiNodeVideoDisplay, Member, Arguments>;
    fastdelegate::guardedCall(hostContext->postTask, new Task(this, member, arguments));
}

/// Destroys and frees a display; null is ignored.
void DeleteMultiNodeVideoDisplay(CMultiNodeVideoDisplay* display);

/// The factory entered in the module registry.
void CreateMultiNodeVideoDisplay(FerrinComponentInterface::HostContext* hostContext, void* reserved);

}  // namespace Tamsel

#endif
