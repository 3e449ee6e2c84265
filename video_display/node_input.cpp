// Input on the display view and the nodes' views, and fullscreen.
#include "video_display/multi_node_video_display.h"
#include "video_display/ui_calls.h"

namespace Tamsel {

using fastdelegate::guardedCall;
using FerrinComponentInterface::NodeEvent;

namespace {
constexpr int selectKind = 5;
constexpr int enlargeKind = 7;
constexpr int restoreKind = 8;
constexpr int leaveFullscreenKind = 15;
}  // namespace

bool CMultiNodeVideoDisplay::SetFullscreen() {
    if (fullscreen) return true;
    fullscreen = true;
    if (displayMgr) guardedCall(displayMgr->enterFullscreen);
    return true;
}

bool CMultiNodeVideoDisplay::ExitFullscreen() {
    if (!fullscreen) return true;
    fullscreen = false;
    if (displayMgr) guardedCall(displayMgr->exitFullscreen);
    return true;
}

bool CMultiNodeVideoDisplay::OnDisplayViewEvent(const NodeEvent* event) {
    return containAtEdge(false, [&] {
        if (!event || event->words[NodeEvent::kindWord] != leaveFullscreenKind || !fullscreen) return false;
        fullscreen = false;
        return displayMgr ? guardedCall(displayMgr->exitFullscreen) : false;
    });
}

bool CMultiNodeVideoDisplay::OnImageViewEvent(const NodeEvent* event, int) {
    return containAtEdge(false, [&] {
        const NodeRecord* node = event ? findNode(event->words[NodeEvent::viewIdWord]) : nullptr;
        if (!node) return false;
        const NodeRecord record = *node;
        switch (event->words[NodeEvent::kindWord]) {
        case selectKind:
            SelectNode(record);
            break;
        case enlargeKind: {
            const bool goFullscreen = mode == DisplayMode::Single;
            mode = DisplayMode::Single;
            if (selectedIndex != record.index) {
                selectedIndex = record.index;
                if (displayView) displayView->selectionChanged();
            }
            if (goFullscreen) {
                fullscreen = true;
                if (displayMgr) guardedCall(displayMgr->enterFullscreen);
            } else {
                layoutInDisplayArea(rows, cols);
            }
            break;
        }
        case restoreKind: {
            bool leaveFullscreen = false;
            if (mode == DisplayMode::Single && splitCount > 1) {
                mode = DisplayMode::Grid;
            } else if (mode == DisplayMode::Single && fullscreen) {
                leaveFullscreen = true;
            }
            if (selectedIndex != record.index) selectedIndex = record.index;
            if (leaveFullscreen) {
                fullscreen = false;
                if (displayMgr) guardedCall(displayMgr->exitFullscreen);
            } else {
                layoutInDisplayArea(rows, cols);
            }
            break;
        }
        default:
            break;
        }
        NodeEvent passedOn = *event;
        passedOn.words[NodeEvent::nodeIndexWord] = record.index;
        passedOn.words[NodeEvent::clearedWord] = 0;
        if (winEventMgr) guardedCall(winEventMgr->dispatchNodeEvent, &passedOn);
        return true;
    });
}

bool CMultiNodeVideoDisplay::OnOverlayViewEvent(const NodeEvent* event, int) {
    return containAtEdge(false, [&] {
        const NodeRecord* node = event ? findNode(event->words[NodeEvent::viewIdWord]) : nullptr;
        if (!node) return false;
        const int kind = event->words[NodeEvent::kindWord];
        if (kind == selectKind || kind == enlargeKind || kind == restoreKind) SelectNode(NodeRecord(*node));
        return true;
    });
}

}  // namespace Tamsel
