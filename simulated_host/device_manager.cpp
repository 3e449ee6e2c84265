#include "simulated_host/device_manager.h"

namespace SimulatedHost {

DeviceManager::DeviceManager(HostFramework& framework, const std::string& scope)
    : slots(framework.provide<FerrinComponentInterface::IDeviceManagerSet>(scope)),
      host(framework) {
    slots.getDeviceID = fastdelegate::MakeDelegate<&DeviceManager::getDeviceID>(this);
}

int DeviceManager::getDeviceID() {
    host.logCall("getDeviceID");
    return deviceId;
}

}  // namespace SimulatedHost
