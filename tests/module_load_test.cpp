// The module loaded as the host loads it: by file name, through its exports.
#include <gtest/gtest.h>

#include "simulated_host/host_framework.h"
#include "simulated_host/loaded_module.h"

#include <set>
#include <string>
#include <utility>

namespace Tamsel {
class CEventSubscrible;
class CMultiNodeVideoDisplay;
}  // namespace Tamsel

namespace {

using SimulatedHost::HostFramework;
using SimulatedHost::LoadedModule;

// The module outlives the host, whose objects' code lives in the module.
struct ModuleLoadTest : ::testing::Test {
    LoadedModule module{LoadedModule::besideProgram("Tamsel")};
    HostFramework host;
};

TEST_F(ModuleLoadTest, LoadsByFileNameThroughTheFourExports) {
    ASSERT_TRUE(module.ready());
    module.CheckModule();
    module.InitModule(nullptr);
    module.InitModule(nullptr);
    EXPECT_TRUE(module.LoadImplObjects(&host.context, nullptr));
    module.ClearModule(nullptr);
}

/// The object an Any from registerObject holds, and its use count while the
/// cast's copy lives.
template <class T>
std::pair<const void*, long> Held(const Foundation::Any& any) {
    const Foundation::CSharedPtr<T> held = Foundation::AnyCast<Foundation::CSharedPtr<T>>(any);
    return {held.get(), held.useCount()};
}

// Every call creates one object per class, event subscriber first, and the
// host's copy is the only reference left to each.
TEST_F(ModuleLoadTest, EveryLoadRegistersOneObjectPerClassHeldOnlyByTheHost) {
    ASSERT_TRUE(module.ready());
    ASSERT_TRUE(module.LoadImplObjects(&host.context, nullptr));
    ASSERT_TRUE(module.LoadImplObjects(&host.context, nullptr));
    const std::string subscriber = "class Tamsel::CEventSubscrible";
    const std::string display = "class Tamsel::CMultiNodeVideoDisplay";
    ASSERT_EQ(host.registeredObjects.size(), 4u);
    std::set<const void*> objects;
    for (size_t i = 0; i < host.registeredObjects.size(); ++i) {
        const HostFramework::RegisteredObject& registered = host.registeredObjects[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(registered.scope, "");
        EXPECT_EQ(registered.typeName, i % 2 == 0 ? subscriber : display);
        const auto [object, useCount] = i % 2 == 0
                                            ? Held<Tamsel::CEventSubscrible>(registered.object)
                                            : Held<Tamsel::CMultiNodeVideoDisplay>(registered.object);
        EXPECT_EQ(useCount, 2) << "the host's copy and the cast's";
        objects.insert(object);
    }
    EXPECT_EQ(objects.size(), 4u);
}

TEST_F(ModuleLoadTest, NullHostContextIsRefused) {
    ASSERT_TRUE(module.ready());
    EXPECT_TRUE(module.LoadImplObjects(nullptr, nullptr));
}

}  // namespace
