// What the host asks of the display through the slots of its display
// manager (and, for one customer, of its remote device manager).
#include "video_display/multi_node_video_display.h"
#include "video_display/ui_calls.h"

namespace Tamsel {

using fastdelegate::guardedCall;

int CMultiNodeVideoDisplay::OnNodeTotal() { return nodeTotal; }

bool CMultiNodeVideoDisplay::OnQueryTrue() { return true; }

int CMultiNodeVideoDisplay::OnQueryZero(int) { return 0; }

int CMultiNodeVideoDisplay::OnSelectedViewId() {
    const NodeRecord* node = nodeAt(selectedIndex);
    return node ? node->imageViewId : -1;
}

int CMultiNodeVideoDisplay::OnSelectedViewHandle() {
    return containAtEdge(0, [&] {
        const NodeRecord* node = nodeAt(selectedIndex);
        return node && node->imageView ? node->imageView->handle() : 0;
    });
}

int CMultiNodeVideoDisplay::OnViewIdAt(int index, int) {
    if (index < firstShownIndex || index > lastShownIndex) return -1;
    if (mode == DisplayMode::Single && index != selectedIndex) return -1;
    const NodeRecord* node = nodeAt(index);
    return node ? node->imageViewId : -1;
}

int CMultiNodeVideoDisplay::OnViewHandle(int viewId) {
    return containAtEdge(0, [&] {
        const NodeRecord* node = findNode(viewId);
        return node && node->imageView ? node->imageView->handle() : 0;
    });
}

int CMultiNodeVideoDisplay::OnSetViewValue(int viewId, int value) {
    return containAtEdge(0, [&] {
        const NodeRecord* node = findNode(viewId);
        return node && node->imageView ? node->imageView->setValue(value) : 0;
    });
}

bool CMultiNodeVideoDisplay::OnSetViewValueFlag(int viewId, int value) {
    return containAtEdge(false, [&] {
        const NodeRecord* node = findNode(viewId);
        return node && node->imageView ? node->imageView->setValueFlag(value, true) : false;
    });
}

CMultiNodeVideoDisplay::Rect CMultiNodeVideoDisplay::OnViewBounds(int viewId) {
    return containAtEdge(Rect{}, [&] {
        const NodeRecord* node = findNode(viewId);
        return node && node->imageView ? node->imageView->bounds() : Rect{};
    });
}

CMultiNodeVideoDisplay::Rect CMultiNodeVideoDisplay::OnViewAltBounds(int viewId) {
    return containAtEdge(Rect{}, [&] {
        const NodeRecord* node = findNode(viewId);
        return node && node->imageView ? node->imageView->altBounds() : Rect{};
    });
}

int CMultiNodeVideoDisplay::OnNodeIndexOf(int viewId) {
    const NodeRecord* node = findNode(viewId);
    return node ? node->index : -1;
}

bool CMultiNodeVideoDisplay::OnShowNodeImage(int viewId, bool shown) {
    containAtEdge([&] {
        postTask(&CMultiNodeVideoDisplay::ShowNodeImage, Foundation::Tuple2<int, bool>{viewId, shown});
    });
    return true;
}

bool CMultiNodeVideoDisplay::ShowNodeImage(int viewId, bool shown) {
    const NodeRecord* node = findNode(viewId);
    if (!node) return false;
    if (node->image) node->image->setShown(shown);
    return node->imageView ? node->imageView->refresh(true) : false;
}

int CMultiNodeVideoDisplay::OnRemoteNotify(int a, int b, int, int) {
    containAtEdge([&] {
        // Without a stream manager the notification is dropped.
        if (realtimeStreamMgr) guardedCall(realtimeStreamMgr->handleRemoteNotify, a, b);
    });
    return 0;
}

}  // namespace Tamsel
