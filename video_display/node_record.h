// One node of the multi-node display, and the ordering of the node table.
#ifndef VIDEO_DISPLAY_NODE_RECORD_H
#define VIDEO_DISPLAY_NODE_RECORD_H

#include "video_display/ui_controls.h"

namespace Tamsel {

/// The three views and five elements of one node. Copied by value; the
/// display owns none of the UI objects. Any of the pointers may be null when
/// the UI library did not deliver the object: every use checks it.
struct NodeRecord {
    Tessaron::NodeView* baseView = nullptr;
    int baseViewId = -1;
    Tessaron::Element* baseFill = nullptr;
    Tessaron::NodeView* imageView = nullptr;
    /// The id by which the host names the node.
    int imageViewId = -1;
    Tessaron::Element* image = nullptr;
    Tessaron::Element* imageText = nullptr;
    Tessaron::NodeView* overlayView = nullptr;
    int overlayViewId = -1;
    Tessaron::Element* overlayFill = nullptr;
    Tessaron::Element* overlayTextA = nullptr;
    Tessaron::Element* overlayTextB = nullptr;
    /// Position in creation order, 0 first.
    int index = -1;
};

struct NodeKey {
    int imageViewId;
    int baseViewId;
    int overlayViewId;
};

/// Orders keys by their first differing field, where a 0 matches any value:
/// a look-up with (view id, 0, 0) finds the node whose image view has that
/// id, and (0, 0, 0) finds the first node in key order.
struct NodeKeyLess {
    bool operator()(const NodeKey& a, const NodeKey& b) const {
        const int left[] = {a.imageViewId, a.baseViewId, a.overlayViewId};
        const int right[] = {b.imageViewId, b.baseViewId, b.overlayViewId};
        for (int field = 0; field < 3; ++field) {
            if (left[field] == right[field]) continue;
            if (left[field] == 0 || right[field] == 0) return false;
            return left[field] < right[field];
        }
        return false;
    }
};

}  // namespace Tamsel

#endif
