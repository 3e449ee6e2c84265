#include "simulated_host/ui_library.h"

#include <cstdio>

namespace SimulatedHost {

namespace {

std::string floatText(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

std::string rectText(const Tessaron::Rect& r) { return geometryText(r.left, r.top, r.right, r.bottom); }

}  // namespace

std::string geometryText(float x, float y, float w, float h) {
    return floatText(x) + " " + floatText(y) + " " + floatText(w) + " " + floatText(h);
}

// --- elements ---------------------------------------------------------------

UiElement::UiElement(UiLibrary& owner, std::string elementName, std::string elementClass)
    : name(std::move(elementName)), className(std::move(elementClass)), library(owner) {}

void UiElement::setColor(float r, float g, float b, float a) {
    library.log(name + ".setColor " + geometryText(r, g, b, a));
}

void UiElement::setImageFile(const char* fileName) {
    library.log(name + ".setImageFile " + (fileName ? fileName : "(null)"));
}

void UiElement::setGeometry(float x, float y, float w, float h) {
    geometry = {x, y, w, h};
    library.log(name + ".setGeometry " + geometryText(x, y, w, h));
}

void UiElement::setShown(bool shown) { library.log(name + ".setShown " + (shown ? "1" : "0")); }

// --- windows ----------------------------------------------------------------

UiWindow::UiWindow(UiLibrary& owner, std::string windowName) : name(std::move(windowName)), library(owner) {}

void UiWindow::attach(Tessaron::ChildContainer* container, int style, int id) {
    viewId = id;
    library.log(name + ".attach " + (container ? "container" : "(null)") + " " + std::to_string(style) + " " +
                std::to_string(id));
}

// --- node views ---------------------------------------------------------------

UiNodeView::UiNodeView(UiLibrary& owner, int number)
    : name("view" + std::to_string(number)),
      handleValue(1000 + number),
      windowObject(owner, "window" + std::to_string(number)),
      library(owner) {}

Tessaron::NodeWindow* UiNodeView::window() {
    library.log(name + ".window");
    return library.refuseWindows ? nullptr : &windowObject;
}

int UiNodeView::handle() {
    library.log(name + ".handle");
    return handleValue;
}

void UiNodeView::setEventHandler(const Tessaron::NodeViewEventHandler* held) {
    handler = held ? *held : Tessaron::NodeViewEventHandler();
    library.log(name + ".setEventHandler");
}

void UiNodeView::setGeometry(float x, float y, float w, float h) {
    geometry = {x, y, w, h};
    library.log(name + ".setGeometry " + geometryText(x, y, w, h));
}

Tessaron::Rect UiNodeView::bounds() {
    library.log(name + ".bounds");
    return {geometry.x, geometry.y, geometry.x + geometry.w, geometry.y + geometry.h};
}

Tessaron::Rect UiNodeView::altBounds() {
    library.log(name + ".altBounds");
    return altRect;
}

Tessaron::Element* UiNodeView::createElement(const char* className) {
    Tessaron::Element* made = library.createElement(className);
    library.log(name + ".createElement " + className + " -> " +
                (made ? static_cast<UiElement*>(made)->name : "(null)"));
    return made;
}

bool UiNodeView::refresh(bool redraw) {
    library.log(name + ".refresh " + (redraw ? "1" : "0"));
    return true;
}

int UiNodeView::setValue(int value) {
    library.log(name + ".setValue " + std::to_string(value));
    return value + 1;
}

bool UiNodeView::setValueFlag(int value, bool flag) {
    library.log(name + ".setValueFlag " + std::to_string(value) + " " + (flag ? "1" : "0"));
    return value != 0;
}

bool UiNodeView::deliver(const Tessaron::NodeEvent& event) { return deliver(&event); }

bool UiNodeView::deliver(const Tessaron::NodeEvent* event) {
    return handler.empty() ? false : handler(event, 0);
}

// --- the display view -----------------------------------------------------------

UiDisplayView::UiDisplayView(UiLibrary& owner) : library(owner) {}

Tessaron::Rect UiDisplayView::inflateRect(const Tessaron::Rect* in, int dx, int dy) {
    const Tessaron::Rect r = in ? *in : Tessaron::Rect{};
    library.log("display.inflateRect " + rectText(r) + " " + std::to_string(dx) + " " + std::to_string(dy));
    return {r.left - dx, r.top - dy, r.right + dx, r.bottom + dy};
}

void UiDisplayView::setEventHandler(const Tessaron::DisplayViewEventHandler* held) {
    handler = held ? *held : Tessaron::DisplayViewEventHandler();
    library.log("display.setEventHandler");
}

Tessaron::DisplaySurface* UiDisplayView::surface() {
    library.log("display.surface");
    if (library.refuseSurface) return nullptr;
    return this;
}

void UiDisplayView::layoutDone() { library.log("display.layoutDone"); }

void UiDisplayView::setGeometry(float x, float y, float w, float h) {
    geometry = {x, y, w, h};
    library.log("display.setGeometry " + geometryText(x, y, w, h));
}

void UiDisplayView::selectionChanged() { library.log("display.selectionChanged"); }

Tessaron::ChildContainer* UiDisplayView::childContainer() {
    library.log("surface.childContainer");
    return this;
}

Tessaron::Element* UiDisplayView::createElement(const char* className) {
    Tessaron::Element* made = library.createElement(className);
    library.log(std::string("surface.createElement ") + className + " -> " +
                (made ? static_cast<UiElement*>(made)->name : "(null)"));
    return made;
}

void UiDisplayView::addChild(Tessaron::NodeWindow* window) {
    library.log("container.addChild " + (window ? static_cast<UiWindow*>(window)->name : "(null)"));
}

bool UiDisplayView::deliver(const Tessaron::NodeEvent& event) { return deliver(&event); }

bool UiDisplayView::deliver(const Tessaron::NodeEvent* event) {
    return handler.empty() ? false : handler(event);
}

// --- the library ------------------------------------------------------------------

UiLibrary* UiLibrary::current = nullptr;

UiLibrary::UiLibrary(HostFramework& owner) : host(owner), previous(current) {
    current = this;
    host.provideFunction("Tessaron", "CreateView",
                         reinterpret_cast<FerrinComponentInterface::HostFunction>(&UiLibrary::createView));
}

UiLibrary::~UiLibrary() {
    if (current == this) current = previous;
}

UiElement* UiLibrary::element(const std::string& name) {
    for (UiElement& made : elements) {
        if (made.name == name) return &made;
    }
    return nullptr;
}

void UiLibrary::log(const std::string& entry) { host.logCall(entry); }

Tessaron::Element* UiLibrary::createElement(const char* className) {
    const std::string name = className ? className : "";
    if (refusedElements.count(name)) return nullptr;
    elements.emplace_back(*this, "element" + std::to_string(elements.size() + 1), name);
    return &elements.back();
}

Tessaron::NodeView* UiLibrary::createView() {
    UiLibrary* library = current;
    if (!library) return nullptr;
    if (library->refuseViews) {
        library->log("CreateView -> (null)");
        return nullptr;
    }
    library->views.emplace_back(*library, static_cast<int>(library->views.size() + 1));
    library->log("CreateView -> " + library->views.back().name);
    return &library->views.back();
}

}  // namespace SimulatedHost
