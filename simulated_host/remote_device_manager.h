// The host's remote device service with scriptable devices. Each request is
// answered by what is scripted for its "method": a reply text (accepted), a
// refusal, or, unscripted, acceptance with an empty reply. Every attach
// request's event handler is kept, as the host copies it, so that a
// simulated device can deliver events through it from any thread.
#ifndef SIMULATED_HOST_REMOTE_DEVICE_MANAGER_H
#define SIMULATED_HOST_REMOTE_DEVICE_MANAGER_H

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "module/host_interfaces.h"
#include "simulated_host/host_framework.h"

namespace SimulatedHost {

class RemoteDeviceManager {
public:
    /// Provides the service to `host` under `scope`; must outlive every call
    /// the module makes through it.
    explicit RemoteDeviceManager(HostFramework& host, const std::string& scope = "");
    RemoteDeviceManager(const RemoteDeviceManager&) = delete;
    RemoteDeviceManager& operator=(const RemoteDeviceManager&) = delete;

    struct Request {
        std::string operation;  ///< "sendRequest", "sendAttachRequest" or "sendDetachRequest"
        unsigned deviceId;
        std::string text;
        int capacity;
        int timeout;
        bool bufferZeroed;  ///< the reply buffer's capacity + 1 bytes were all zero
        bool hadHandler;    ///< an attach request came with a non-empty handler
    };

    /// Accepts requests with this "method" and writes `text` as the reply,
    /// cut to the capacity the module gives.
    void reply(const std::string& method, const std::string& text);
    /// Refuses requests with this "method": the send operation answers false.
    void refuse(const std::string& method);
    /// The requests received, in order.
    std::vector<Request> requests() const;

    /// Delivers one event through every kept handler; answers how many ran.
    /// Safe from any thread.
    int deliverEvent(const char* text, const unsigned char* data, int length);
    int handlerCount() const;

    /// The slots as the module sees them; clear one to leave it unbound.
    FerrinComponentInterface::IRemoteDeviceMgrSet& slots;

private:
    bool answer(const char* operation, unsigned deviceId, const char* text, char* buffer,
                int capacity, int timeout, bool hadHandler);
    bool sendRequest(unsigned deviceId, const char* text, char* buffer, int capacity, int timeout);
    bool sendAttachRequest(unsigned deviceId, const char* text, char* buffer, int capacity,
                           const FerrinComponentInterface::DeviceEventHandler* handler,
                           int timeout);
    bool sendDetachRequest(unsigned deviceId, const char* text, char* buffer, int capacity,
                           int timeout);

    HostFramework& host;
    mutable std::mutex mutex;                                   // guards everything below
    std::map<std::string, std::optional<std::string>> scripts;  // no value: refused
    std::vector<Request> received;
    std::vector<FerrinComponentInterface::DeviceEventHandler> handlers;
};

}  // namespace SimulatedHost

#endif
