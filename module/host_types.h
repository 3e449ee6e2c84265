// Plain values that cross the host boundary in the display manager's and
// the window event manager's slots.
#ifndef MODULE_HOST_TYPES_H
#define MODULE_HOST_TYPES_H

#include <cstdint>

namespace FerrinComponentInterface {

/// A rectangle: left, top, right, bottom.
struct Rect {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
};

/// An input event record as a view hands it to its event handler.
struct NodeEvent {
    static constexpr int wordCount = 26;
    static constexpr int kindWord = 0;       ///< the event kind
    static constexpr int viewIdWord = 2;     ///< the id of the view the event concerns
    static constexpr int nodeIndexWord = 3;  ///< set to the node index in the copy passed on
    static constexpr int clearedWord = 4;    ///< set to 0 in the copy passed on

    std::int32_t words[wordCount] = {};
};

static_assert(sizeof(NodeEvent) == 26 * 4, "an event record is 26 32-bit words");

}  // namespace FerrinComponentInterface

#endif
