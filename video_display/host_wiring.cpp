// Following the host's signals, filling the display manager's slots and
// publishing the client methods.
#include <cstring>
#include <string>

#include "foundation/any.h"
#include "foundation/com_method.h"
#include "module/type_name.h"
#include "video_display/multi_node_video_display.h"
#include "video_display/ui_calls.h"

namespace Tamsel {

using fastdelegate::guardedCall;
using fastdelegate::MakeDelegate;
using namespace FerrinComponentInterface;

namespace {

/// The interface the host registered under I's type name and `scope`.
/// Throws "bad cast" when the host has none (or cannot be asked).
template <class I>
Foundation::CSharedPtr<I> lookUp(HostContext& host, const char* scope) {
    Foundation::Any answer = guardedCall(host.queryObject, scope, TypeName<I>());
    return Foundation::AnyCast<Foundation::CSharedPtr<I>>(answer);
}

/// Exactly `expected`: the texts compared byte by byte, terminators included.
bool isExactly(const char* text, const char* expected) {
    return text && std::strcmp(text, expected) == 0;
}

}  // namespace

void CMultiNodeVideoDisplay::OnImplComLoaded() {
    containAtEdge([&] {
        Foundation::Any handler(MakeDelegate<&CMultiNodeVideoDisplay::OnUserDisplayCreate>(this));
        guardedCall(hostContext->connectSignal, "UserDisplayCreateSignal", handler);
        customerInfo = lookUp<ICustomerInfoSet>(*hostContext, "");
    });
}

void CMultiNodeVideoDisplay::OnPluginInitialized() {
    containAtEdge([&] {
        // Without customer information, or with getScopeName unbound, the
        // scope name is empty: no stream manager is looked up.
        const char* scope = customerInfo ? guardedCall(customerInfo->getScopeName) : nullptr;
        const std::string scopeName = scope ? scope : "";
        if (scopeName.empty()) return;
        realtimeStreamMgr = lookUp<IRealtimeStreamMgrSet>(*hostContext, scopeName.c_str());
    });
}

void CMultiNodeVideoDisplay::OnUserDisplayCreate(const char* target, const char*, const char* customer,
                                                 int nodeCount) {
    containAtEdge([&] {
        if (!isExactly(target, "Customer")) return;
        WireHostInterfaces(customer);
        PublishMethods();
        postTask(&CMultiNodeVideoDisplay::CreateDisplay, Foundation::Tuple1<int>{nodeCount});
    });
}

bool CMultiNodeVideoDisplay::WireHostInterfaces(const char* customer) {
    winEventMgr = lookUp<IWinEventManagerSet>(*hostContext, "");
    displayMgr = lookUp<IMultiNodeDisplayMgrSet>(*hostContext, "");
    // A host that registered an empty pointer has no display manager to fill.
    if (!displayMgr) return false;

    IMultiNodeDisplayMgrSet& slots = *displayMgr;
    slots.relayout = MakeDelegate<&CMultiNodeVideoDisplay::Relayout>(this);
    slots.selectedViewId = MakeDelegate<&CMultiNodeVideoDisplay::OnSelectedViewId>(this);
    slots.selectedViewHandle = MakeDelegate<&CMultiNodeVideoDisplay::OnSelectedViewHandle>(this);
    slots.viewHandle = MakeDelegate<&CMultiNodeVideoDisplay::OnViewHandle>(this);
    slots.selectView = MakeDelegate<&CMultiNodeVideoDisplay::SelectViewByIndex>(this);
    slots.nodeTotal = MakeDelegate<&CMultiNodeVideoDisplay::OnNodeTotal>(this);
    slots.queryTrue = MakeDelegate<&CMultiNodeVideoDisplay::OnQueryTrue>(this);
    slots.setViewValue = MakeDelegate<&CMultiNodeVideoDisplay::OnSetViewValue>(this);
    slots.setViewValueFlag = MakeDelegate<&CMultiNodeVideoDisplay::OnSetViewValueFlag>(this);
    slots.viewBounds = MakeDelegate<&CMultiNodeVideoDisplay::OnViewBounds>(this);
    slots.viewAltBounds = MakeDelegate<&CMultiNodeVideoDisplay::OnViewAltBounds>(this);
    slots.viewIdAt = MakeDelegate<&CMultiNodeVideoDisplay::OnViewIdAt>(this);
    slots.nodeIndexOf = MakeDelegate<&CMultiNodeVideoDisplay::OnNodeIndexOf>(this);
    slots.queryZero = MakeDelegate<&CMultiNodeVideoDisplay::OnQueryZero>(this);
    if (winEventMgr) {
        slots.winEventOpA = winEventMgr->winEventOpA;
        slots.winEventOpB = winEventMgr->winEventOpB;
    }
    slots.showNodeImage = MakeDelegate<&CMultiNodeVideoDisplay::OnShowNodeImage>(this);

    // A null customer is not "Lumacrest".
    if (!isExactly(customer, "Lumacrest")) return true;
    remoteDeviceMgr = lookUp<IRemoteDeviceMgrSet>(*hostContext, "");
    if (remoteDeviceMgr) {
        remoteDeviceMgr->remoteNotify = MakeDelegate<&CMultiNodeVideoDisplay::OnRemoteNotify>(this);
    }
    return true;
}

bool CMultiNodeVideoDisplay::PublishMethods() {
    using Foundation::MakeComMethod;
    using Display = CMultiNodeVideoDisplay;
    // Without registerMethod nothing is published, so no method object is made.
    if (hostContext->registerMethod.empty()) return true;
    const auto publish = [&](const char* name, Foundation::IComInterface* method) {
        guardedCall(hostContext->registerMethod, name, 0, method);
    };
    publish("SetSplitNum", MakeComMethod(this, &Display::SetSplitNum, "num"));
    publish("SetFullscreen", MakeComMethod(this, &Display::SetFullscreen));
    publish("ExitFullscreen", MakeComMethod(this, &Display::ExitFullscreen));
    publish("SetSplitRowAndCol", MakeComMethod(this, &Display::SetSplitRowAndCol, "row", "col"));
    publish("OpenPath", MakeComMethod(this, &Display::OpenPath, "path"));
    return true;
}

}  // namespace Tamsel
