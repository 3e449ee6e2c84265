#include "simulated_host/remote_device_manager.h"

#include <algorithm>
#include <cstring>

#include <json/json.h>

namespace SimulatedHost {

using fastdelegate::MakeDelegate;

namespace {

/// The request's "method", or "" for a text that is no request.
std::string MethodOf(const char* text) {
    Json::Value root;
    Json::Reader reader;
    if (text == nullptr || !reader.parse(text, root, false) || !root.isObject()) return "";
    const Json::Value& method = root["method"];
    return method.isString() ? method.asString() : "";
}

}  // namespace

RemoteDeviceManager::RemoteDeviceManager(HostFramework& framework, const std::string& scope)
    : slots(framework.provide<FerrinComponentInterface::IRemoteDeviceMgrSet>(scope)),
      host(framework) {
    slots.sendRequest = MakeDelegate<&RemoteDeviceManager::sendRequest>(this);
    slots.sendAttachRequest = MakeDelegate<&RemoteDeviceManager::sendAttachRequest>(this);
    slots.sendDetachRequest = MakeDelegate<&RemoteDeviceManager::sendDetachRequest>(this);
}

void RemoteDeviceManager::reply(const std::string& method, const std::string& text) {
    std::lock_guard<std::mutex> lock(mutex);
    scripts[method] = text;
}

void RemoteDeviceManager::refuse(const std::string& method) {
    std::lock_guard<std::mutex> lock(mutex);
    scripts[method] = std::nullopt;
}

std::vector<RemoteDeviceManager::Request> RemoteDeviceManager::requests() const {
    std::lock_guard<std::mutex> lock(mutex);
    return received;
}

int RemoteDeviceManager::deliverEvent(const char* text, const unsigned char* data, int length) {
    std::vector<FerrinComponentInterface::DeviceEventHandler> kept;
    {
        std::lock_guard<std::mutex> lock(mutex);
        kept = handlers;
    }
    for (const auto& handler : kept) handler(text, data, length);
    return static_cast<int>(kept.size());
}

int RemoteDeviceManager::handlerCount() const {
    std::lock_guard<std::mutex> lock(mutex);
    return static_cast<int>(handlers.size());
}

bool RemoteDeviceManager::answer(const char* operation, unsigned deviceId, const char* text,
                                 char* buffer, int capacity, int timeout, bool hadHandler) {
    const std::string method = MethodOf(text);
    host.logCall(std::string(operation) + " " + std::to_string(deviceId) + " " + method);
    const bool zeroed = buffer != nullptr && capacity >= 0 &&
                        std::all_of(buffer, buffer + capacity + 1, [](char c) { return c == 0; });
    std::lock_guard<std::mutex> lock(mutex);
    received.push_back(
        {operation, deviceId, text ? text : "", capacity, timeout, zeroed, hadHandler});
    auto script = scripts.find(method);
    if (script == scripts.end()) return true;
    if (!script->second) return false;
    if (buffer != nullptr && capacity >= 0) {
        const size_t length = std::min(script->second->size(), static_cast<size_t>(capacity));
        std::memcpy(buffer, script->second->data(), length);
        buffer[length] = '\0';
    }
    return true;
}

bool RemoteDeviceManager::sendRequest(unsigned deviceId, const char* text, char* buffer,
                                      int capacity, int timeout) {
    return answer("sendRequest", deviceId, text, buffer, capacity, timeout, false);
}

bool RemoteDeviceManager::sendAttachRequest(
    unsigned deviceId, const char* text, char* buffer, int capacity,
    const FerrinComponentInterface::DeviceEventHandler* handler, int timeout) {
    const bool hasHandler = handler != nullptr && !handler->empty();
    const bool accepted =
        answer("sendAttachRequest", deviceId, text, buffer, capacity, timeout, hasHandler);
    if (accepted && hasHandler) {
        std::lock_guard<std::mutex> lock(mutex);
        handlers.push_back(*handler);
    }
    return accepted;
}

bool RemoteDeviceManager::sendDetachRequest(unsigned deviceId, const char* text, char* buffer,
                                            int capacity, int timeout) {
    return answer("sendDetachRequest", deviceId, text, buffer, capacity, timeout, false);
}

}  // namespace SimulatedHost
