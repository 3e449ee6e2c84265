// The selected node: its frame and the "SelectedView" message to the client.
#include "module/json_text.h"
#include "video_display/multi_node_video_display.h"
#include "video_display/ui_calls.h"

namespace Tamsel {

using fastdelegate::guardedCall;

namespace {

/// The members of a "SelectedView" message; the previous indexes are always 0.
Json::Value selectedViewParams(int nodeIndex, int viewIndex, int winId) {
    Json::Value params(Json::objectValue);
    params["nodeIndex"] = nodeIndex;
    params["viewIndex"] = viewIndex;
    params["preNodeIndex"] = 0;
    params["preViewIndex"] = 0;
    params["winID"] = winId;
    return params;
}

}  // namespace

bool CMultiNodeVideoDisplay::SelectNode(const NodeRecord& record) {
    if (selectedIndex == record.index) return true;
    PlaceSelectionFrame(record);
    selectedIndex = record.index;
    // A selection made in the display reports the index as "viewIndex".
    SendSelectedView(selectedViewParams(0, selectedIndex, record.imageViewId));
    if (displayView) displayView->selectionChanged();
    return true;
}

bool CMultiNodeVideoDisplay::SelectViewByIndex(int index, int) {
    return containAtEdge(false, [&] {
        // Only a position inside both the split and the nodes can be selected.
        if (index < 0 || index >= splitCount) return false;
        if (index == selectedIndex) return true;
        const NodeRecord* atIndex = nodeAt(index);
        const NodeRecord* record = atIndex ? findNode(atIndex->imageViewId) : nullptr;
        if (!record) return false;
        PlaceSelectionFrame(*record);
        selectedIndex = index;
        // A selection by the host reports the index as "nodeIndex".
        SendSelectedView(selectedViewParams(index, 0, record->imageViewId));
        if (displayView) displayView->selectionChanged();
        return true;
    });
}

void CMultiNodeVideoDisplay::PlaceSelectionFrame(const NodeRecord& record) {
    const Rect bounds = record.baseView ? record.baseView->bounds() : Rect{};
    Rect frame{};
    if (splitCount > 1 && mode == DisplayMode::Grid && displayView) {
        frame = displayView->inflateRect(&bounds, 1, 1);
    }
    setToRect(selectionFrame, frame);
}

void CMultiNodeVideoDisplay::SendSelectedView(Json::Value params) {
    Json::Value message(Json::objectValue);
    message["event"] = "SelectedView";
    message["params"] = std::move(params);
    const std::string text = WriteOneLineJson(message);
    guardedCall(hostContext->notifyClient, text.c_str());
}

}  // namespace Tamsel
