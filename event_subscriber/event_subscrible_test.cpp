// The release of the host services CEventSubscrible holds: the customer
// information first, then the device manager, then the remote device
// service, each through the block the host made.
#include "event_subscriber/event_subscrible.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/any.h"

namespace {

using namespace FerrinComponentInterface;

std::vector<std::string> released;

/// A host-made block that notes the type name of the service it releases.
template <class I>
class NotingBlock : public Foundation::Detail::CSPCountedBase {
public:
    explicit NotingBlock(I* held) : object(held) {}
    bool dispose() override {
        released.push_back(Tamsel::TypeName<I>());
        delete object;
        return true;
    }

private:
    I* object;
};

template <class I>
Foundation::Any ServiceIf(const std::string& typeName) {
    if (typeName != Tamsel::TypeName<I>()) return Foundation::Any();
    I* object = new I();
    return Foundation::Any(Foundation::CSharedPtr<I>::adopt(object, new NotingBlock<I>(object)));
}

/// Every look-up gets a fresh service whose only reference is the module's.
Foundation::Any QueryObject(const char* /*scope*/, const char* typeName) {
    Foundation::Any found = ServiceIf<IRemoteDeviceMgrSet>(typeName);
    if (found.empty()) found = ServiceIf<IDeviceManagerSet>(typeName);
    if (found.empty()) found = ServiceIf<ICustomerInfoSet>(typeName);
    return found;
}

TEST(EventSubscribleTest, DestructionReleasesCustomerThenDeviceManagerThenRemoteDevices) {
    HostContext context;
    context.queryObject = fastdelegate::MakeDelegate(&QueryObject);
    auto* subscriber = new Tamsel::CEventSubscrible(&context);
    subscriber->OnImplComLoaded();
    EXPECT_TRUE(released.empty());
    Tamsel::DeleteEventSubscrible(subscriber);
    EXPECT_EQ(released, (std::vector<std::string>{Tamsel::TypeName<ICustomerInfoSet>(),
                                                  Tamsel::TypeName<IDeviceManagerSet>(),
                                                  Tamsel::TypeName<IRemoteDeviceMgrSet>()}));
    Tamsel::DeleteEventSubscrible(nullptr);
}

}  // namespace
