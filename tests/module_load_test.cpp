// The module loaded as the host loads it: by file name, through its exports.
#include <gtest/gtest.h>

#include "simulated_host/host_framework.h"
#include "simulated_host/loaded_module.h"

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

TEST_F(ModuleLoadTest, NullHostContextIsRefused) {
    ASSERT_TRUE(module.ready());
    EXPECT_TRUE(module.LoadImplObjects(nullptr, nullptr));
}

}  // namespace
