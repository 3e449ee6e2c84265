// The simulated host calls a signal handler only with the arguments of its
// own kind, as a host that knows each signal's handler type does: a module
// that connected a handler of the wrong kind sees it never called, instead
// of a call that happens to work on one platform.
#include "simulated_host/host_framework.h"

#include <gtest/gtest.h>

namespace {

using fastdelegate::MakeDelegate;
using SimulatedHost::HostFramework;

struct Receiver {
    int plainCalls = 0;
    int fourCalls = 0;
    void onPlain() { ++plainCalls; }
    void onFour(const char*, const char*, const char*, int) { ++fourCalls; }
};

TEST(HostFrameworkTest, SignalsCallOnlyHandlersOfTheRaisedKind) {
    HostFramework host;
    Receiver receiver;
    Foundation::Any plain(MakeDelegate<&Receiver::onPlain>(&receiver));
    Foundation::Any four(MakeDelegate<&Receiver::onFour>(&receiver));
    Foundation::Any notADelegate(42);
    host.context.connectSignal("Mixed", plain);
    host.context.connectSignal("Mixed", four);
    host.context.connectSignal("Mixed", notADelegate);
    EXPECT_EQ(host.handlerCount("Mixed"), 3);

    EXPECT_EQ(host.raiseSignal("Mixed"), 1);
    EXPECT_EQ(receiver.plainCalls, 1);
    EXPECT_EQ(receiver.fourCalls, 0);

    EXPECT_EQ(host.raiseSignal("Mixed", "a", "b", "c", 1), 1);
    EXPECT_EQ(receiver.plainCalls, 1);
    EXPECT_EQ(receiver.fourCalls, 1);

    EXPECT_EQ(host.raiseSignal("Unknown"), 0);
}

}  // namespace
