// The stand-in for the host's UI-controls library "Tessaron": the display
// view, its surface and child container, node views made by the factory
// function "CreateView", their windows and drawing elements. Every call on
// every UI object is appended, with its arguments, to the host's one ordered
// call log ("view3.setGeometry 1 1 398 298"), so that tests can assert the
// order of calls and the geometry. Objects are named "display", "surface",
// "container", "view<N>" and "window<N>" (N counting views from 1) and
// "element<N>" (N counting elements from 1).
#ifndef SIMULATED_HOST_UI_LIBRARY_H
#define SIMULATED_HOST_UI_LIBRARY_H

#include <deque>
#include <memory>
#include <set>
#include <string>

#include "simulated_host/host_framework.h"
#include "video_display/ui_controls.h"

namespace SimulatedHost {

class UiLibrary;

/// The last geometry set on a view or element, as (x, y, w, h).
struct Geometry {
    float x = 0, y = 0, w = 0, h = 0;
    bool operator==(const Geometry& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

class UiElement final : public Tessaron::Element {
public:
    UiElement(UiLibrary& library, std::string name, std::string className);
    void setColor(float r, float g, float b, float a) override;
    void setImageFile(const char* fileName) override;
    void setGeometry(float x, float y, float w, float h) override;
    void setShown(bool shown) override;

    const std::string name;
    const std::string className;
    Geometry geometry;

private:
    UiLibrary& library;
};

class UiWindow final : public Tessaron::NodeWindow {
public:
    UiWindow(UiLibrary& library, std::string name);
    void attach(Tessaron::ChildContainer* container, int style, int viewId) override;

    const std::string name;
    /// The view id given at attach; -1 before.
    int viewId = -1;

private:
    UiLibrary& library;
};

class UiNodeView final : public Tessaron::NodeView {
public:
    UiNodeView(UiLibrary& library, int number);
    Tessaron::NodeWindow* window() override;
    int handle() override;
    void setEventHandler(const Tessaron::NodeViewEventHandler* handler) override;
    void setGeometry(float x, float y, float w, float h) override;
    Tessaron::Rect bounds() override;
    Tessaron::Rect altBounds() override;
    Tessaron::Element* createElement(const char* className) override;
    bool refresh(bool redraw) override;
    int setValue(int value) override;
    bool setValueFlag(int value, bool flag) override;

    /// Delivers an input event to the handler the view holds, as the
    /// library does for the user's input; false when it holds none.
    bool deliver(const Tessaron::NodeEvent& event);
    /// The same with the record as the library hands it over, null included.
    bool deliver(const Tessaron::NodeEvent* event);

    const std::string name;
    /// handle() answers 1000 + the view's number.
    const int handleValue;
    Geometry geometry;
    /// What altBounds() answers.
    Tessaron::Rect altRect{1, 2, 3, 4};
    UiWindow windowObject;

private:
    UiLibrary& library;
    Tessaron::NodeViewEventHandler handler;
};

class UiDisplayView final : public Tessaron::DisplayView, Tessaron::DisplaySurface, Tessaron::ChildContainer {
public:
    explicit UiDisplayView(UiLibrary& library);
    // DisplayView
    Tessaron::Rect inflateRect(const Tessaron::Rect* in, int dx, int dy) override;
    void setEventHandler(const Tessaron::DisplayViewEventHandler* handler) override;
    Tessaron::DisplaySurface* surface() override;
    void layoutDone() override;
    void setGeometry(float x, float y, float w, float h) override;
    void selectionChanged() override;
    // DisplaySurface
    Tessaron::ChildContainer* childContainer() override;
    Tessaron::Element* createElement(const char* className) override;
    // ChildContainer
    void addChild(Tessaron::NodeWindow* window) override;

    /// Delivers an input event to the handler the display view holds.
    bool deliver(const Tessaron::NodeEvent& event);
    /// The same with the record as the library hands it over, null included.
    bool deliver(const Tessaron::NodeEvent* event);

    Geometry geometry;

private:
    UiLibrary& library;
    Tessaron::DisplayViewEventHandler handler;
};

class UiLibrary {
public:
    /// Provides "CreateView" of "Tessaron" to `host`. The newest library
    /// makes the views until it is destroyed.
    explicit UiLibrary(HostFramework& host);
    ~UiLibrary();
    UiLibrary(const UiLibrary&) = delete;
    UiLibrary& operator=(const UiLibrary&) = delete;

    /// The display view the host's display manager hands out.
    UiDisplayView display{*this};
    /// The node views in order of creation.
    std::deque<UiNodeView> views;
    /// The elements in order of creation.
    std::deque<UiElement> elements;

    // --- scripting the library's failures ------------------------------------
    /// "CreateView" makes no view (answers null).
    bool refuseViews = false;
    /// Views answer window() with null.
    bool refuseWindows = false;
    /// The display view answers surface() with null.
    bool refuseSurface = false;
    /// createElement answers null for these class names.
    std::set<std::string> refusedElements;

    /// The element named `name`, or null.
    UiElement* element(const std::string& name);
    /// Appends an entry to the host's call log.
    void log(const std::string& entry);
    Tessaron::Element* createElement(const char* className);

private:
    static Tessaron::NodeView* createView();
    static UiLibrary* current;

    HostFramework& host;
    /// The library that was current before this one, restored at destruction.
    UiLibrary* previous;
};

/// "<x> <y> <w> <h>" with the shortest text of each float.
std::string geometryText(float x, float y, float w, float h);

}  // namespace SimulatedHost

#endif
