// Building the background, the nodes and the selection frame, and finding
// nodes again.
#include <limits>

#include "video_display/multi_node_video_display.h"
#include "video_display/ui_calls.h"

namespace Tamsel {

using fastdelegate::guardedCall;
using fastdelegate::MakeDelegate;

namespace {

/// A new node view from the library's "CreateView", resolved afresh for
/// every view, with the display's event handler installed when one is given
/// and its window attached to the display's child container with style 4
/// under `viewId`. Null when the host cannot resolve "CreateView" or it
/// makes no view; a missing window or container is skipped.
Tessaron::NodeView* createNodeView(FerrinComponentInterface::HostContext& host,
                                   Tessaron::ChildContainer* container, int viewId,
                                   const Tessaron::NodeViewEventHandler* handler) {
    FerrinComponentInterface::HostFunction function =
        guardedCall(host.getFactoryFunction, "Tessaron", "CreateView");
    Tessaron::NodeView* view =
        function ? reinterpret_cast<Tessaron::CreateViewFunction>(function)() : nullptr;
    if (!view) return nullptr;
    if (handler) view->setEventHandler(handler);
    Tessaron::NodeWindow* window = view->window();
    if (window && container) {
        window->attach(container, 4, viewId);
        container->addChild(window);
    }
    return view;
}

Tessaron::Element* createElement(Tessaron::NodeView* view, const char* className) {
    return view ? view->createElement(className) : nullptr;
}

}  // namespace

void CMultiNodeVideoDisplay::CreateDisplay(int nodeCount) {
    containAtEdge([&] {
        nodeTotal = nodeCount;
        setSplit(nodeCount);
        rows = cols = squareSide(nodeCount);

        const int lastViewId = displayMgr ? guardedCall(displayMgr->getLastViewId) : 0;
        displayView = displayMgr ? guardedCall(displayMgr->getDisplayView) : nullptr;
        // Without a display view there is nothing to build on.
        if (!displayView) return;
        const Tessaron::DisplayViewEventHandler handler =
            MakeDelegate<&CMultiNodeVideoDisplay::OnDisplayViewEvent>(this);
        displayView->setEventHandler(&handler);

        Tessaron::DisplaySurface* surface = displayView->surface();
        backgroundShape = surface ? surface->createElement("FilledRegShape") : nullptr;
        if (!backgroundShape) return;
        setColor(backgroundShape, 127, 127, 127);

        // Ids are counted in 64 bits: a last view id near the int range ends
        // the build before an id would leave it.
        long long firstId = static_cast<long long>(lastViewId) + 1;
        for (int i = 0; i < nodeCount; ++i) {
            if (firstId + 2 > std::numeric_limits<int>::max()) break;
            NodeRecord record;
            const int lastId = BuildNode(i, displayView, static_cast<int>(firstId), record);
            nodeTable[{record.imageViewId, record.baseViewId, record.overlayViewId}] = record;
            if (displayMgr) guardedCall(displayMgr->nodeCreated, i, 0);
            nodes.push_back(record);
            firstId = lastId;
        }

        surface = displayView->surface();
        selectionFrame = surface ? surface->createElement("FrameRegShape") : nullptr;
        setColor(selectionFrame, 0, 255, 0);

        layoutInDisplayArea(rows, cols);
        if (displayMgr) guardedCall(displayMgr->nodesReady, static_cast<int>(nodes.size()), 1);
    });
}

int CMultiNodeVideoDisplay::BuildNode(int index, Tessaron::DisplayView* view, int firstId,
                                      NodeRecord& record) {
    record.index = index;
    Tessaron::DisplaySurface* surface = view ? view->surface() : nullptr;
    Tessaron::ChildContainer* container = surface ? surface->childContainer() : nullptr;

    record.baseView = createNodeView(*hostContext, container, firstId, nullptr);
    record.baseViewId = firstId;
    record.baseFill = createElement(record.baseView, "FilledRegShape");
    setColor(record.baseFill, 4, 4, 4);

    const Tessaron::NodeViewEventHandler imageHandler =
        MakeDelegate<&CMultiNodeVideoDisplay::OnImageViewEvent>(this);
    record.imageView = createNodeView(*hostContext, container, firstId + 1, &imageHandler);
    record.imageViewId = firstId + 1;
    record.image = createElement(record.imageView, "ImageShape");
    setColor(record.image, 4, 4, 4);
    if (record.image) record.image->setImageFile(backgroundImage.c_str());
    record.imageText = createElement(record.imageView, "TextEle");
    setColor(record.imageText, 4, 4, 4);

    const Tessaron::NodeViewEventHandler overlayHandler =
        MakeDelegate<&CMultiNodeVideoDisplay::OnOverlayViewEvent>(this);
    record.overlayView = createNodeView(*hostContext, container, firstId + 2, &overlayHandler);
    record.overlayViewId = firstId + 2;
    record.overlayFill = createElement(record.overlayView, "FilledRegShape");
    setColor(record.overlayFill, 65, 65, 65);
    record.overlayTextA = createElement(record.overlayView, "TextEle");
    record.overlayTextB = createElement(record.overlayView, "TextEle");
    return firstId + 2;
}

const NodeRecord* CMultiNodeVideoDisplay::findNode(int viewId) const {
    auto found = nodeTable.find({viewId, 0, 0});
    return found == nodeTable.end() ? nullptr : &found->second;
}

const NodeRecord* CMultiNodeVideoDisplay::nodeAt(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= nodes.size()) return nullptr;
    return &nodes[static_cast<size_t>(index)];
}

}  // namespace Tamsel
