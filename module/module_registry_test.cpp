#include "module/module_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/impl_factory.h"
#include "simulated_host/host_framework.h"


// An implementation object of the test's own, counting its lifetime.
namespace Tamsel {
class TrackedObject {
public:
    static int alive;
    explicit TrackedObject(FerrinComponentInterface::HostContext*) { ++alive; }
    ~TrackedObject() { --alive; }
};
int TrackedObject::alive = 0;
void DeleteTrackedObject(TrackedObject* object) { delete object; }
void CreateTrackedObject(FerrinComponentInterface::HostContext* context, void*) {
    ::Tamsel::CreateImplObject<TrackedObject>(context, &DeleteTrackedObject);
}
}  // namespace Tamsel

namespace {

using FerrinComponentInterface::HostContext;
using Tamsel::ModuleRegistry;

std::vector<std::string> factoryLog;
void firstFactory(HostContext*, void*) { factoryLog.push_back("first"); }
void secondFactory(HostContext*, void*) { factoryLog.push_back("second"); }
void throwingFactory(HostContext*, void*) { throw 42; }

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ModuleRegistry::destroyInstance();
        factoryLog.clear();
    }
    void TearDown() override { ModuleRegistry::destroyInstance(); }
};

TEST_F(RegistryTest, DuplicateFactoryIsKeptOnceAndAnswersTrue) {
    ModuleRegistry& registry = ModuleRegistry::instance();
    EXPECT_TRUE(registry.addFactory(&firstFactory));
    EXPECT_TRUE(registry.addFactory(&secondFactory));
    EXPECT_TRUE(registry.addFactory(&firstFactory));
    EXPECT_EQ(registry.factories.size(), 2u);
}

TEST_F(RegistryTest, FactoriesRunInRegistrationOrderEveryTime) {
    ModuleRegistry& registry = ModuleRegistry::instance();
    registry.addFactory(&secondFactory);
    registry.addFactory(&throwingFactory);
    registry.addFactory(&firstFactory);
    HostContext context;
    registry.runFactories(&context, nullptr);
    registry.runFactories(&context, nullptr);
    EXPECT_EQ(factoryLog, (std::vector<std::string>{"second", "first", "second", "first"}));
}

TEST_F(RegistryTest, InitializesOnce) {
    ModuleRegistry& registry = ModuleRegistry::instance();
    EXPECT_TRUE(registry.initializeOnce(nullptr));
    EXPECT_FALSE(registry.initializeOnce(nullptr));
}

TEST_F(RegistryTest, ExistingNeverCreatesTheRegistry) {
    EXPECT_EQ(ModuleRegistry::existing(), nullptr);
    ModuleRegistry::instance();
    EXPECT_NE(ModuleRegistry::existing(), nullptr);
}


TEST_F(RegistryTest, FactoryRegistersTheObjectUnderItsTypeName) {
    SimulatedHost::HostFramework host;
    Tamsel::CreateTrackedObject(&host.context, nullptr);
    ASSERT_EQ(host.registeredObjects.size(), 1u);
    EXPECT_EQ(host.registeredObjects[0].scope, "");
    EXPECT_EQ(host.registeredObjects[0].typeName,
              "class Tamsel::TrackedObject");
    auto held = Foundation::AnyCast<Foundation::CSharedPtr<Tamsel::TrackedObject>>(
        host.registeredObjects[0].object);
    EXPECT_EQ(held.useCount(), 2) << "the host's copy and this one";
    EXPECT_EQ(Tamsel::TrackedObject::alive, 1);
    held = Foundation::CSharedPtr<Tamsel::TrackedObject>();
    host.releaseObjects();
    EXPECT_EQ(Tamsel::TrackedObject::alive, 0);
}

TEST_F(RegistryTest, UnboundRegisterObjectDestroysTheObjectBeforeReturning) {
    HostContext unbound;
    Tamsel::CreateTrackedObject(&unbound, nullptr);
    EXPECT_EQ(Tamsel::TrackedObject::alive, 0);
}

}  // namespace
