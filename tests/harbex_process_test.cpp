// The real launcher as a process, with the service stand-in beside it.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "tests/child_process.h"
#include "tests/socket_test_util.h"

namespace {

bool connectsWithin5s(int port) {
    for (int i = 0; i < 500; ++i) {
        if (TestUtil::canConnect(port)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(HarbexProcessTest, TakesTheNextFreePortAndStopsWhenAskedToEnd) {
    // A held port whose next port is free, so that P + 1 is the first free one.
    std::unique_ptr<TestUtil::HeldPort> heldPort;
    for (int attempt = 0; attempt < 20 && !heldPort; ++attempt) {
        auto candidate = std::make_unique<TestUtil::HeldPort>();
        if (candidate->port < 65535 && !TestUtil::canConnect(candidate->port + 1) &&
            TestUtil::canListen(candidate->port + 1)) {
            heldPort = std::move(candidate);
        }
    }
    ASSERT_TRUE(heldPort) << "no held port with a free next port";
    const TestUtil::HeldPort& held = *heldPort;
    const std::string commandLine = "harbex://" + std::to_string(held.port);
    TestUtil::ChildProcess harbex("Harbex", commandLine);
    ASSERT_TRUE(harbex.started());
    const std::string debugText = "\n_tWinMain:" + commandLine + "\n";
    EXPECT_NE(harbex.debugText(debugText).find(debugText), std::string::npos);
    ASSERT_TRUE(connectsWithin5s(held.port + 1));
    ASSERT_TRUE(harbex.requestEnd());
    EXPECT_EQ(harbex.waitForExit(), 0);
    EXPECT_FALSE(TestUtil::canConnect(held.port + 1)) << "the service was stopped";
}

}  // namespace
