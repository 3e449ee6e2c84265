#include "simulated_host/realtime_stream_manager.h"

namespace SimulatedHost {

RealtimeStreamManager::RealtimeStreamManager(HostFramework& owner, const std::string& scope)
    : slots(owner.provide<FerrinComponentInterface::IRealtimeStreamMgrSet>(scope)), host(owner) {
    slots.handleRemoteNotify = fastdelegate::MakeDelegate<&RealtimeStreamManager::handleRemoteNotify>(this);
}

void RealtimeStreamManager::handleRemoteNotify(int a, int b) {
    host.logCall("handleRemoteNotify " + std::to_string(a) + " " + std::to_string(b));
}

}  // namespace SimulatedHost
