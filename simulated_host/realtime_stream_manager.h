// The host's real-time stream manager, which receives the remote
// notifications the display relays ("handleRemoteNotify <a> <b>" in the
// host's call log).
#ifndef SIMULATED_HOST_REALTIME_STREAM_MANAGER_H
#define SIMULATED_HOST_REALTIME_STREAM_MANAGER_H

#include <string>

#include "module/host_interfaces.h"
#include "simulated_host/host_framework.h"

namespace SimulatedHost {

class RealtimeStreamManager {
public:
    /// Provides the service to `host` under `scope`; must outlive every call
    /// the module makes through it.
    RealtimeStreamManager(HostFramework& host, const std::string& scope);
    RealtimeStreamManager(const RealtimeStreamManager&) = delete;
    RealtimeStreamManager& operator=(const RealtimeStreamManager&) = delete;

    FerrinComponentInterface::IRealtimeStreamMgrSet& slots;

private:
    void handleRemoteNotify(int a, int b);

    HostFramework& host;
};

}  // namespace SimulatedHost

#endif
