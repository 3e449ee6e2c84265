// CEventSubscrible: the implementation object through which the client
// subscribes to device events, receives them with their data as Base64 text,
// and reads a device's configuration.
//
// Wiring: the constructor attaches OnImplComLoaded to "ImplComLoaded"; that
// handler looks up the three host services, and only where the host's
// customer is exactly "Customer" publishes "SubscribeEvent",
// "UnSubscribeEvent" and "GetDeviceConfig" and attaches OnLocalFuncOPExit to
// "localFuncOPExitSignal". The object keeps no record of subscriptions.
//
// Every member the host reaches (the signal handlers, the published methods,
// the device-event handler) contains exceptions: the host never sees one.
#ifndef EVENT_SUBSCRIBER_EVENT_SUBSCRIBLE_H
#define EVENT_SUBSCRIBER_EVENT_SUBSCRIBLE_H

#include <string>

#include "foundation/shared_ptr.h"
#include "module/host_context.h"
#include "module/host_interfaces.h"

namespace Json {
class Value;
}  // namespace Json

namespace Tamsel {

class SnapManagerMessage;

/// The event code whose pictures travel whole, one message each.
constexpr char kPictureCompareCode[] = "CitizenPictureCompare";

class CEventSubscrible {
public:
    /// Keeps the host context (not owned) and attaches OnImplComLoaded.
    explicit CEventSubscrible(FerrinComponentInterface::HostContext* context);
    /// Releases the held services; calls nothing in the host.
    ~CEventSubscrible() = default;
    CEventSubscrible(const CEventSubscrible&) = delete;
    CEventSubscrible& operator=(const CEventSubscrible&) = delete;

    // --- wiring -------------------------------------------------------------
    /// "ImplComLoaded": looks the services up again (a failed look-up ends the
    /// handler there, earlier references held), then publishes the methods
    /// and attaches the exit handler when the customer is "Customer".
    void OnImplComLoaded();
    /// "localFuncOPExitSignal": detaches channel -1, event "All".
    void OnLocalFuncOPExit();

    // --- subscription control -------------------------------------------------
    /// Attach request for (channel, event), after a fresh instance request.
    /// False for a negative channel or a null event (nothing sent), and when
    /// the host refuses or cannot take the attach request.
    bool SubscribeEvent(int channel, const char* event);
    /// Detach request for (channel, event), after a fresh instance request;
    /// negative channels go out as they are. False for a null event.
    bool UnSubscribeEvent(int channel, const char* event);
    /// The device's snap-manager instance number; 0 on any failure.
    unsigned GetSnapManagerInstance();

    // --- configuration --------------------------------------------------------
    /// The styled text of the device's configuration `name`, kept in
    /// configText until the next successful call; "" (a constant) on failure.
    const char* GetDeviceConfig(unsigned deviceID, const char* name);

    // --- event forwarding -------------------------------------------------------
    /// Forwards one device event to the client: the event message, then the
    /// data in Base64 chunks of 50000 characters, or one message per picture
    /// for a "CitizenPictureCompare" event. Reads only hostContext, so events
    /// may arrive on several threads at once.
    void OnDeviceEvent(const char* eventText, const unsigned char* data, int dataLength);
    /// Hands one finished "SnapManagerEvent" message to notifyClient; dropped
    /// when notifyClient is not bound.
    void SendSnapManagerEvent(SnapManagerMessage& message);
    /// The event message, then one message per "Data"."ImageInfo" element, in
    /// order. An element whose bytes do not lie within the data is not read:
    /// its message has an empty "buffer" and "totalLength" 1.
    void SendPictureCompareImages(const char* eventText, const Json::Value& eventRecord,
                                  const unsigned char* data, int dataLength);

private:
    /// The styled attach or detach request for (channel, event), naming a
    /// fresh instance number (0 when the instance request fails).
    std::string FileProcRequest(const char* method, int channel, const char* event);
    void PublishMethods();

    FerrinComponentInterface::HostContext* hostContext;
    Foundation::CSharedPtr<FerrinComponentInterface::IRemoteDeviceMgrSet> remoteDeviceMgr;
    Foundation::CSharedPtr<FerrinComponentInterface::IDeviceManagerSet> deviceManager;
    std::string configText;
    Foundation::CSharedPtr<FerrinComponentInterface::ICustomerInfoSet> customerInfo;
};

/// The deleter of the shared pointer: destroys and frees; null is ignored.
void DeleteEventSubscrible(CEventSubscrible* object);

/// The factory the registry runs from LoadImplObjects.
void CreateEventSubscrible(FerrinComponentInterface::HostContext* hostContext, void* reserved);

}  // namespace Tamsel

#endif
