// The service stand-in, loaded as the launcher loads it.
#include <gtest/gtest.h>

#include "simulated_host/platform.h"
#include "tests/socket_test_util.h"

namespace {

using TestUtil::canConnect;

class PelloryTest : public ::testing::Test {
protected:
    void SetUp() override {
        library = SimulatedHost::loadLibrary(SimulatedHost::programFolder() + "/Pellory" +
                                             SimulatedHost::librarySuffix());
        ASSERT_NE(library, nullptr);
        start = reinterpret_cast<int (*)(const char*, int, void*)>(
            SimulatedHost::findFunction(library, "StartBrantel"));
        stop = reinterpret_cast<void (*)(int)>(SimulatedHost::findFunction(library, "StopBrantel"));
        ASSERT_TRUE(start && stop);
    }
    void TearDown() override { SimulatedHost::freeLibrary(library); }

    void* library = nullptr;
    int (*start)(const char*, int, void*) = nullptr;
    void (*stop)(int) = nullptr;
};

TEST_F(PelloryTest, ListensUntilStopped) {
    const int port = TestUtil::freePort();
    ASSERT_EQ(start("127.0.0.1", port, nullptr), 1);
    EXPECT_TRUE(canConnect(port));
    EXPECT_EQ(start("127.0.0.1", port, nullptr), 0) << "a port runs once";
    stop(port);
    EXPECT_FALSE(canConnect(port));
    stop(port);  // a second stop is ignored
}

TEST_F(PelloryTest, RefusesWhatItCannotListenOn) {
    TestUtil::HeldPort taken;
    EXPECT_EQ(start("127.0.0.1", taken.port, nullptr), 0);
    for (int port : {0, -1, 65536, 70000}) EXPECT_EQ(start("127.0.0.1", port, nullptr), 0) << port;
    const int port = TestUtil::freePort();
    for (const char* address : {"not an address", "", "::1"}) {
        EXPECT_EQ(start(address, port, nullptr), 0) << address;
    }
    EXPECT_EQ(start(nullptr, port, nullptr), 0);
}

TEST_F(PelloryTest, RunsSeveralPortsAndClosesConnectionsOnStop) {
    const int first = TestUtil::freePort();
    int second = TestUtil::freePort();
    while (second == first) second = TestUtil::freePort();
    ASSERT_EQ(start("127.0.0.1", first, nullptr), 1);
    ASSERT_EQ(start("127.0.0.1", second, nullptr), 1);
    const TestUtil::Socket client = TestUtil::connectTo(first);
    ASSERT_NE(client, TestUtil::kNoSocket);
    stop(first);
    EXPECT_TRUE(canConnect(second)) << "the other port keeps running";
    // The held connection is closed: the client reads end of stream.
    ASSERT_TRUE(TestUtil::waitReadable(client, 5000));
    char byte;
    EXPECT_LE(recv(client, &byte, 1, 0), 0);
    TestUtil::closeSocket(client);
    stop(second);
}

}  // namespace
