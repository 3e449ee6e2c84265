#include "event_subscriber/event_subscrible.h"

#include <cstring>

#include "foundation/any.h"
#include "foundation/com_method.h"
#include "module/impl_factory.h"

namespace Tamsel {

using namespace FerrinComponentInterface;

namespace {

/// Hands the host an Any holding a delegate to `handler` for `signal`.
void Connect(HostContext* context, const char* signal, fastdelegate::FastDelegate0<void> handler) {
    Foundation::Any held(handler);
    fastdelegate::guardedCall(context->connectSignal, signal, held);
}

/// The service the host registered under I's type name; throws "bad cast"
/// when it has none.
template <class I>
Foundation::CSharedPtr<I> LookUp(HostContext* context) {
    const Foundation::Any found =
        fastdelegate::guardedCall(context->queryObject, "", TypeName<I>());
    return Foundation::AnyCast<Foundation::CSharedPtr<I>>(found);
}

}  // namespace

CEventSubscrible::CEventSubscrible(HostContext* context) : hostContext(context) {
    Connect(hostContext, "ImplComLoaded",
            fastdelegate::MakeDelegate<&CEventSubscrible::OnImplComLoaded>(this));
}

void CEventSubscrible::OnImplComLoaded() {
    try {
        remoteDeviceMgr = LookUp<IRemoteDeviceMgrSet>(hostContext);
        deviceManager = LookUp<IDeviceManagerSet>(hostContext);
        customerInfo = LookUp<ICustomerInfoSet>(hostContext);
        // Without all three services the published methods could do nothing.
        if (!remoteDeviceMgr || !deviceManager || !customerInfo) return;
        const char* customer = fastdelegate::guardedCall(customerInfo->getCustomerName);
        if (customer == nullptr || std::strcmp(customer, "Customer") != 0) return;
        PublishMethods();
        Connect(hostContext, "localFuncOPExitSignal",
                fastdelegate::MakeDelegate<&CEventSubscrible::OnLocalFuncOPExit>(this));
    } catch (...) {
        // A failed look-up ends the handler here; the references taken stay.
    }
}

void CEventSubscrible::PublishMethods() {
    // A method object is made only for a host that takes it: it owns them.
    if (hostContext->registerMethod.empty()) return;
    hostContext->registerMethod(
        "SubscribeEvent", 0,
        Foundation::MakeComMethod(this, &CEventSubscrible::SubscribeEvent, "channel", "event"));
    hostContext->registerMethod(
        "UnSubscribeEvent", 0,
        Foundation::MakeComMethod(this, &CEventSubscrible::UnSubscribeEvent, "channel", "event"));
    hostContext->registerMethod(
        "GetDeviceConfig", 0,
        Foundation::MakeComMethod(this, &CEventSubscrible::GetDeviceConfig, "deviceID", "name"));
}

void CEventSubscrible::OnLocalFuncOPExit() {
    try {
        UnSubscribeEvent(-1, "All");
    } catch (...) {
    }
}

void DeleteEventSubscrible(CEventSubscrible* object) {
    delete object;
}

void CreateEventSubscrible(HostContext* hostContext, void* /*reserved*/) {
    CreateImplObject<CEventSubscrible>(hostContext, &DeleteEventSubscrible);
}

}  // namespace Tamsel
