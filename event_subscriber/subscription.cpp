// Subscription control: every subscribe and unsubscribe asks the device for a
// fresh snap-manager instance, then sends an attach or detach request naming
// it with a fixed filter around the channel and the event. Nothing is kept.
#include <json/json.h>

#include "event_subscriber/event_subscrible.h"
#include "module/json_text.h"

namespace Tamsel {

using namespace FerrinComponentInterface;

namespace {

/// Reply buffers of the event requests; the host is told one byte less, so
/// the reply stays zero-terminated.
constexpr int kReplyBufferSize = 1024;
constexpr int kTimeout = 20000;

Json::Value OneItem(const Json::Value& item) {
    Json::Value array(Json::arrayValue);
    array.append(item);
    return array;
}

/// The filter an attach request and its matching detach request share.
Json::Value Filter(int channel, const char* event) {
    Json::Value filter(Json::objectValue);
    filter["Channels"] = OneItem(channel);
    filter["Events"] = OneItem(event);
    Json::Value flags(Json::arrayValue);
    flags.append("Event");
    flags.append("Manual");
    filter["Flags"] = flags;
    filter["Internal"] = 1;
    filter["NeedData"] = false;
    filter["Paths"] = OneItem("LocalPath");
    filter["Support"] = OneItem("Ack");
    filter["Transfer"] = OneItem("Realtime");
    return filter;
}

/// The instance number in a reply: "result" by JsonCpp's unsigned conversion
/// (a non-negative integer, true as 1, a real from 0 to 4294967295
/// truncated); 0 where there is none or the conversion refuses it.
unsigned InstanceOf(const char* reply) {
    Json::Value root;
    if (!ParseJson(reply, root) || !root.isObject()) return 0;
    const Json::Value* result = root.find("result", "result" + 6);
    if (result == nullptr || result->isNull()) return 0;
    try {
        return result->asUInt();
    } catch (...) {
        return 0;  // negative, beyond 32 bits, text, array or object
    }
}

/// The device of the event requests; 0 when the host cannot say.
unsigned DeviceId(const Foundation::CSharedPtr<IDeviceManagerSet>& deviceManager) {
    return deviceManager
               ? static_cast<unsigned>(fastdelegate::guardedCall(deviceManager->getDeviceID))
               : 0;
}

}  // namespace

unsigned CEventSubscrible::GetSnapManagerInstance() {
    if (!remoteDeviceMgr) return 0;
    Json::Value request(Json::objectValue);
    request["method"] = "snapManager.factory.instance";
    request["params"] = 0;
    const std::string text = WriteStyledJson(request);
    char reply[kReplyBufferSize] = {};
    const unsigned deviceId = DeviceId(deviceManager);
    if (!fastdelegate::guardedCall(remoteDeviceMgr->sendRequest, deviceId, text.c_str(), reply,
                                   kReplyBufferSize - 1, kTimeout)) {
        return 0;
    }
    reply[kReplyBufferSize - 1] = '\0';  // whatever the host wrote
    return InstanceOf(reply);
}

bool CEventSubscrible::SubscribeEvent(int channel, const char* event) {
    if (channel < 0 || event == nullptr) return false;
    const std::string text = FileProcRequest("snapManager.attachFileProc", channel, event);
    char reply[kReplyBufferSize] = {};
    const unsigned deviceId = DeviceId(deviceManager);
    if (!remoteDeviceMgr) return false;
    // The host copies the handler; this one lives only for the call.
    const DeviceEventHandler handler =
        fastdelegate::MakeDelegate<&CEventSubscrible::OnDeviceEvent>(this);
    return fastdelegate::guardedCall(remoteDeviceMgr->sendAttachRequest, deviceId, text.c_str(),
                                     reply, kReplyBufferSize - 1, &handler, kTimeout);
}

bool CEventSubscrible::UnSubscribeEvent(int channel, const char* event) {
    if (event == nullptr) return false;
    const std::string text = FileProcRequest("snapManager.detachFileProc", channel, event);
    char reply[kReplyBufferSize] = {};
    const unsigned deviceId = DeviceId(deviceManager);
    if (!remoteDeviceMgr) return false;
    return fastdelegate::guardedCall(remoteDeviceMgr->sendDetachRequest, deviceId, text.c_str(),
                                     reply, kReplyBufferSize - 1, kTimeout);
}

std::string CEventSubscrible::FileProcRequest(const char* method, int channel, const char* event) {
    Json::Value params(Json::objectValue);
    params["filter"] = Filter(channel, event);
    params["proc"] = true;
    Json::Value request(Json::objectValue);
    request["method"] = method;
    request["object"] = Json::Value(GetSnapManagerInstance());
    request["params"] = params;
    return WriteStyledJson(request);
}

}  // namespace Tamsel
