// The configuration query: one "configManager.getConfig" request to the
// device the client names; the answer is the styled text of the reply's
// "params", kept in configText.
#include <json/json.h>

#include "event_subscriber/event_subscrible.h"
#include "module/json_text.h"

namespace Tamsel {

namespace {

/// Ten times the event requests' buffer: configurations are larger.
constexpr int kConfigBufferSize = 10240;
constexpr int kTimeout = 20000;

/// JsonCpp's boolean reading of a success flag, without its throws: false
/// for null, false, 0, an empty string and an empty array or object.
bool IsTrue(const Json::Value& value) {
    switch (value.type()) {
    case Json::nullValue:
        return false;
    case Json::booleanValue:
        return value.asBool();
    case Json::intValue:
        return value.asLargestInt() != 0;
    case Json::uintValue:
        return value.asLargestUInt() != 0;
    case Json::realValue:
        return value.asDouble() != 0.0;
    case Json::stringValue: {
        const char* begin = nullptr;
        const char* end = nullptr;
        value.getString(&begin, &end);
        return begin != end;
    }
    case Json::arrayValue:
    case Json::objectValue:
        return !value.empty();
    }
    return false;
}

}  // namespace

const char* CEventSubscrible::GetDeviceConfig(unsigned deviceID, const char* name) {
    if (!remoteDeviceMgr) return "";
    Json::Value params(Json::objectValue);
    params["name"] = name ? name : "";
    Json::Value request(Json::objectValue);
    request["method"] = "configManager.getConfig";
    request["params"] = params;
    const std::string text = WriteStyledJson(request);
    std::string reply(kConfigBufferSize, '\0');
    if (!fastdelegate::guardedCall(remoteDeviceMgr->sendRequest, deviceID, text.c_str(), &reply[0],
                                   kConfigBufferSize - 1, kTimeout)) {
        return "";
    }
    reply[kConfigBufferSize - 1] = '\0';  // whatever the host wrote
    Json::Value root;
    if (!ParseJson(reply.c_str(), root) || !root.isObject()) return "";
    if (!IsTrue(root.get("result", Json::Value()))) return "";
    configText = WriteStyledJson(root.get("params", Json::Value()));
    return configText.c_str();
}

}  // namespace Tamsel
