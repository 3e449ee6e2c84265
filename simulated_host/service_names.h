// The host's names for its service interfaces, as its run-time type
// information spells them.
#ifndef SIMULATED_HOST_SERVICE_NAMES_H
#define SIMULATED_HOST_SERVICE_NAMES_H

#include "module/host_interfaces.h"

namespace SimulatedHost {

template <class I>
const char* serviceName();

#define SIMULATED_HOST_SERVICE_NAME(Interface)                                \
    template <>                                                               \
    inline const char* serviceName<FerrinComponentInterface::Interface>() {   \
        return "struct FerrinComponentInterface::" #Interface;                \
    }

SIMULATED_HOST_SERVICE_NAME(IRemoteDeviceMgrSet)
SIMULATED_HOST_SERVICE_NAME(IDeviceManagerSet)
SIMULATED_HOST_SERVICE_NAME(ICustomerInfoSet)
SIMULATED_HOST_SERVICE_NAME(IRealtimeStreamMgrSet)
SIMULATED_HOST_SERVICE_NAME(IWinEventManagerSet)
SIMULATED_HOST_SERVICE_NAME(IMultiNodeDisplayMgrSet)

#undef SIMULATED_HOST_SERVICE_NAME

}  // namespace SimulatedHost

#endif
