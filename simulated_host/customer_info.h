// The host's customer information: the customer's name and the scope name.
#ifndef SIMULATED_HOST_CUSTOMER_INFO_H
#define SIMULATED_HOST_CUSTOMER_INFO_H

#include <optional>
#include <string>

#include "module/host_interfaces.h"
#include "simulated_host/host_framework.h"

namespace SimulatedHost {

class CustomerInfo {
public:
    /// Provides the service to `host` under `scope`; must outlive every call
    /// the module makes through it.
    explicit CustomerInfo(HostFramework& host, const std::string& scope = "");
    CustomerInfo(const CustomerInfo&) = delete;
    CustomerInfo& operator=(const CustomerInfo&) = delete;

    /// What getCustomerName answers; no value answers a null text.
    std::optional<std::string> customerName = std::string("Customer");
    /// What getScopeName answers; no value answers a null text.
    std::optional<std::string> scopeName = std::string();

    /// The slots as the module sees them; clear one to leave it unbound.
    FerrinComponentInterface::ICustomerInfoSet& slots;

private:
    const char* getScopeName();
    const char* getCustomerName();

    HostFramework& host;
};

}  // namespace SimulatedHost

#endif
