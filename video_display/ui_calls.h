// Calls on UI objects that may be missing, and the conversions the layout
// shares. The UI library may hand back null for any object; every call
// through these helpers skips a null object.
#ifndef VIDEO_DISPLAY_UI_CALLS_H
#define VIDEO_DISPLAY_UI_CALLS_H

#include <cmath>

#include "foundation/truncate.h"
#include "video_display/ui_controls.h"

namespace Tamsel {

/// Sets a view or element to R as (left, top, |right - left|,
/// |bottom - top|); nothing for a null object.
template <class UiObject>
void setToRect(UiObject* object, const Tessaron::Rect& r) {
    if (object) object->setGeometry(r.left, r.top, std::fabs(r.right - r.left), std::fabs(r.bottom - r.top));
}

template <class UiObject>
void setColor(UiObject* object, float r, float g, float b) {
    if (object) object->setColor(r, g, b, 1);
}

/// A float truncated toward zero, saturated to the int range; NaN gives 0.
/// The host's rectangles are not trusted to fit.
inline int truncateToInt(double value) { return Foundation::TruncateToRange<int>(value); }

/// The side of the square grid for a count: its square root truncated;
/// 0 for a count below 1.
inline int squareSide(int count) {
    return count < 1 ? 0 : static_cast<int>(std::sqrt(static_cast<double>(count)));
}

/// Runs a handler the host called; anything thrown ends it there.
template <class Body>
void containAtEdge(Body&& body) noexcept {
    try {
        body();
    } catch (...) {
    }
}

/// Runs a handler the host called; anything thrown ends it with `failure`.
template <class R, class Body>
R containAtEdge(R failure, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

}  // namespace Tamsel

#endif
