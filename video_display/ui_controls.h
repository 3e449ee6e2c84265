// The objects of the host's UI-controls library that the display calls.
// They belong to the host: the display creates some through the library,
// never releases any, and relies only on the operations declared here, in
// the order each object declares them (the order is part of the contract).
#ifndef VIDEO_DISPLAY_UI_CONTROLS_H
#define VIDEO_DISPLAY_UI_CONTROLS_H

#include "foundation/fast_delegate.h"
#include "module/host_types.h"

namespace Tessaron {

using FerrinComponentInterface::NodeEvent;
using FerrinComponentInterface::Rect;

/// The handler the display view calls for its input events.
using DisplayViewEventHandler = fastdelegate::FastDelegate1<const NodeEvent*, bool>;
/// The handler a node view calls for its input events (event, a second
/// value the display does not read).
using NodeViewEventHandler = fastdelegate::FastDelegate2<const NodeEvent*, int, bool>;

class Element;
class NodeWindow;

/// Makes a node window a child of the display.
class ChildContainer {
public:
    virtual void addChild(NodeWindow* window) = 0;

protected:
    ~ChildContainer() = default;
};

/// The drawing surface of the display view.
class DisplaySurface {
public:
    virtual ChildContainer* childContainer() = 0;
    /// A new element of the given class, or null.
    virtual Element* createElement(const char* className) = 0;

protected:
    ~DisplaySurface() = default;
};

/// The host's view that holds the whole display.
class DisplayView {
public:
    /// `in` grown by dx horizontally and dy vertically on every side.
    virtual Rect inflateRect(const Rect* in, int dx, int dy) = 0;
    /// The view keeps a copy of the handler.
    virtual void setEventHandler(const DisplayViewEventHandler* handler) = 0;
    virtual DisplaySurface* surface() = 0;
    /// Called once at the end of every layout pass.
    virtual void layoutDone() = 0;
    virtual void setGeometry(float x, float y, float w, float h) = 0;
    /// Called after the selected node changed.
    virtual void selectionChanged() = 0;

protected:
    ~DisplayView() = default;
};

/// The window of a node view, attached to the display's child container.
class NodeWindow {
public:
    virtual void attach(ChildContainer* container, int style, int viewId) = 0;

protected:
    ~NodeWindow() = default;
};

/// A view made by the library's factory function "CreateView".
class NodeView {
public:
    virtual NodeWindow* window() = 0;
    /// An opaque value the display hands to the host.
    virtual int handle() = 0;
    /// The view keeps a copy of the handler.
    virtual void setEventHandler(const NodeViewEventHandler* handler) = 0;
    virtual void setGeometry(float x, float y, float w, float h) = 0;
    /// The view's rectangle in the display view.
    virtual Rect bounds() = 0;
    /// A second rectangle, handed to the host as it is.
    virtual Rect altBounds() = 0;
    /// A new element of the given class, or null.
    virtual Element* createElement(const char* className) = 0;
    virtual bool refresh(bool redraw) = 0;
    virtual int setValue(int value) = 0;
    virtual bool setValueFlag(int value, bool flag) = 0;

protected:
    ~NodeView() = default;
};

/// A drawing element: "FilledRegShape", "FrameRegShape", "ImageShape" or
/// "TextEle".
class Element {
public:
    /// Red, green and blue from 0 to 255, alpha 1.
    virtual void setColor(float r, float g, float b, float a) = 0;
    virtual void setImageFile(const char* fileName) = 0;
    virtual void setGeometry(float x, float y, float w, float h) = 0;
    virtual void setShown(bool shown) = 0;

protected:
    ~Element() = default;
};

/// The signature of the library's factory function "CreateView".
using CreateViewFunction = NodeView* (*)();

}  // namespace Tessaron

#endif
