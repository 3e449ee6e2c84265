#include "module/type_name.h"

#include <gtest/gtest.h>

#include "module/host_interfaces.h"

namespace Tamsel {
class CSampleObject {};
}  // namespace Tamsel

namespace {

TEST(TypeNameTest, InterfacesAreStructsAndObjectsClasses) {
    EXPECT_STREQ(Tamsel::TypeName<FerrinComponentInterface::IRemoteDeviceMgrSet>(),
                 "struct FerrinComponentInterface::IRemoteDeviceMgrSet");
    EXPECT_STREQ(Tamsel::TypeName<FerrinComponentInterface::IMultiNodeDisplayMgrSet>(),
                 "struct FerrinComponentInterface::IMultiNodeDisplayMgrSet");
    EXPECT_STREQ(Tamsel::TypeName<Tamsel::CSampleObject>(), "class Tamsel::CSampleObject");
}

}  // namespace
