#include "simulated_host/customer_info.h"

namespace SimulatedHost {

CustomerInfo::CustomerInfo(HostFramework& framework, const std::string& scope)
    : slots(framework.provide<FerrinComponentInterface::ICustomerInfoSet>(scope)), host(framework) {
    slots.getScopeName = fastdelegate::MakeDelegate<&CustomerInfo::getScopeName>(this);
    slots.getCustomerName = fastdelegate::MakeDelegate<&CustomerInfo::getCustomerName>(this);
}

const char* CustomerInfo::getScopeName() {
    host.logCall("getScopeName");
    return scopeName ? scopeName->c_str() : nullptr;
}

const char* CustomerInfo::getCustomerName() {
    host.logCall("getCustomerName");
    return customerName ? customerName->c_str() : nullptr;
}

}  // namespace SimulatedHost
