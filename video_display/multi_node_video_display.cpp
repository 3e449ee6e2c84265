#include "video_display/multi_node_video_display.h"

#include "foundation/any.h"
#include "module/impl_factory.h"
#include "video_display/ui_calls.h"

namespace Tamsel {

using fastdelegate::MakeDelegate;

CMultiNodeVideoDisplay::CMultiNodeVideoDisplay(FerrinComponentInterface::HostContext* context)
    : hostContext(context) {
    if (!hostContext) return;
    {
        Foundation::Any handler(MakeDelegate<&CMultiNodeVideoDisplay::OnImplComLoaded>(this));
        fastdelegate::guardedCall(hostContext->connectSignal, "ImplComLoaded", handler);
    }
    Foundation::Any handler(MakeDelegate<&CMultiNodeVideoDisplay::OnPluginInitialized>(this));
    fastdelegate::guardedCall(hostContext->connectSignal, "PluginInitializedSignal", handler);
}

CMultiNodeVideoDisplay::~CMultiNodeVideoDisplay() {
    nodeTable.clear();
    backgroundImage.clear();
    customerInfo = {};
    realtimeStreamMgr = {};
    remoteDeviceMgr = {};
    winEventMgr = {};
    displayMgr = {};
}

void DeleteMultiNodeVideoDisplay(CMultiNodeVideoDisplay* display) { delete display; }

void CreateMultiNodeVideoDisplay(FerrinComponentInterface::HostContext* hostContext, void*) {
    CreateImplObject<CMultiNodeVideoDisplay>(hostContext, &DeleteMultiNodeVideoDisplay);
}

}  // namespace Tamsel
