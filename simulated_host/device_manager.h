// The host's device manager: reports the device of the event requests.
#ifndef SIMULATED_HOST_DEVICE_MANAGER_H
#define SIMULATED_HOST_DEVICE_MANAGER_H

#include <atomic>
#include <string>

#include "module/host_interfaces.h"
#include "simulated_host/host_framework.h"

namespace SimulatedHost {

class DeviceManager {
public:
    /// Provides the service to `host` under `scope`; must outlive every call
    /// the module makes through it.
    explicit DeviceManager(HostFramework& host, const std::string& scope = "");
    DeviceManager(const DeviceManager&) = delete;
    DeviceManager& operator=(const DeviceManager&) = delete;

    /// What getDeviceID answers.
    std::atomic<int> deviceId{0};

    /// The slots as the module sees them; clear one to leave it unbound.
    FerrinComponentInterface::IDeviceManagerSet& slots;

private:
    int getDeviceID();

    HostFramework& host;
};

}  // namespace SimulatedHost

#endif
