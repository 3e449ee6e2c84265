#include "launcher/launcher.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Harbex::LibraryLoader;
namespace Platform = Harbex::Platform;

std::vector<std::string> debugLog;
void recordDebug(const char* text) { debugLog.emplace_back(text); }

TEST(FirstPortTest, ReadsTheNumberBehindTheFirstMarker) {
    struct Case {
        const char* commandLine;
        int port;
    } cases[] = {
        {"harbex://30000/path?x=1", 30000},
        {"harbex://30000", 30000},
        {"x://  42abc", 42},  // leading blanks skipped, digits up to the first other character
        {"harbex://+17", 17},
        {"31000 rest", 31000},  // no marker: the whole line
        {"", 23490},
        {"harbex://", 23490},
        {"harbex://0", 23490},
        {"harbex://-5", 23490},
        {"harbex://abc", 23490},
        {"a://12://34", 12},  // only the first marker counts
        {"harbex://99999999999999999999", INT_MAX},  // clamped, never undefined
        {"harbex://-99999999999999999999", 23490},
        {"harbex://70000", 70000},  // no upper bound here
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Harbex::FirstPort(c.commandLine), c.port) << '"' << c.commandLine << '"';
    }
    EXPECT_EQ(Harbex::FirstPort(nullptr), 23490);
}

// The recording service library's own functions.
struct FakeService {
    Platform::LibraryHandle library;
    template <class F>
    F get(const char* name) const {
        return reinterpret_cast<F>(Platform::findFunction(library, name));
    }
    void reset(int firstAccepted) const { get<void (*)(int)>("FakeReset")(firstAccepted); }
    std::vector<int> startPorts() const {
        std::vector<int> ports;
        for (int i = 0; i < get<int (*)()>("FakeStartCount")(); ++i) {
            ports.push_back(get<int (*)(int)>("FakeStartPort")(i));
        }
        return ports;
    }
    std::vector<int> stopPorts() const {
        std::vector<int> ports;
        for (int i = 0; i < get<int (*)()>("FakeStopCount")(); ++i) {
            ports.push_back(get<int (*)(int)>("FakeStopPort")(i));
        }
        return ports;
    }
};

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        debugLog.clear();
        Platform::createMessageQueue();
        service.library = loader.getLibrary("FakePellory");
        ASSERT_NE(service.library, nullptr) << "FakePellory beside the test in " << loader.folder();
    }

    // Runs the launcher with a quit message already queued, so that its
    // message loop ends at once.
    int launch(const char* commandLine, const char* library = "FakePellory") {
        Platform::postThreadMessage(Platform::currentThreadId(), Platform::kQuitMessage, 0, 0);
        return Harbex::RunLauncher(loader, library, commandLine, &recordDebug);
    }

    LibraryLoader loader;
    FakeService service{};
};

TEST_F(LauncherTest, FirstPortAcceptedIsStartedOnceAndStopped) {
    service.reset(30000);
    EXPECT_EQ(launch("harbex://30000"), 0);
    EXPECT_EQ(service.startPorts(), std::vector<int>{30000});
    EXPECT_EQ(service.stopPorts(), std::vector<int>{30000});
    EXPECT_STREQ(service.get<const char* (*)(int)>("FakeStartAddress")(0), "127.0.0.1");
    EXPECT_EQ(service.get<const void* (*)(int)>("FakeStartReserved")(0), nullptr);
}

TEST_F(LauncherTest, ThirdPortAccepted) {
    service.reset(30002);
    launch("harbex://30000");
    EXPECT_EQ(service.startPorts(), (std::vector<int>{30000, 30001, 30002}));
    EXPECT_EQ(service.stopPorts(), std::vector<int>{30002});
}

TEST_F(LauncherTest, NoPortAcceptedStillRunsTheLoopAndStopsOnePastTheLast) {
    service.reset(0);
    launch("harbex://30000");
    EXPECT_EQ(service.startPorts(),
              (std::vector<int>{30000, 30001, 30002, 30003, 30004, 30005, 30006, 30007, 30008}));
    EXPECT_EQ(service.stopPorts(), std::vector<int>{30009});
}

TEST_F(LauncherTest, ProbingStopsAtTheLargestInt) {
    service.reset(0);
    launch("harbex://2147483646");
    EXPECT_EQ(service.startPorts(), (std::vector<int>{INT_MAX - 1, INT_MAX}));
    EXPECT_EQ(service.stopPorts(), std::vector<int>{INT_MAX});
}

TEST_F(LauncherTest, WritesTheThreeDebugStringsInOrder) {
    service.reset(23490);
    launch("harbex://23490 --x");
    EXPECT_EQ(debugLog, (std::vector<std::string>{"\n_tWinMain:", "harbex://23490 --x", "\n"}));
}

TEST_F(LauncherTest, MissingServiceLibraryReturnsAtOnce) {
    EXPECT_EQ(launch("harbex://30000", "NoSuchServiceLibrary"), 0);
    EXPECT_TRUE(debugLog.empty());
    // The loop did not run: the quit message is still queued.
    Harbex::RunMessageLoop();
}

TEST_F(LauncherTest, LibraryWithoutTheServiceFunctionsRunsTheLoopOnly) {
    service.reset(30000);
    EXPECT_EQ(launch("harbex://30000", "FakeServiceWithoutFunctions"), 0);
    EXPECT_EQ(debugLog.size(), 3u);
    EXPECT_TRUE(service.startPorts().empty());
}

TEST_F(LauncherTest, GetLibraryLoadsANameOnceAndNeverRetriesAFailure) {
    EXPECT_EQ(loader.getLibrary("FakePellory"), service.library);
    // The cache compares names case-sensitively, so "fakepellory" is a load
    // of its own: Windows file names ignore case and find the loaded module
    // again, POSIX ones do not.
#if defined(_WIN32)
    EXPECT_EQ(loader.getLibrary("fakepellory"), service.library);
#else
    EXPECT_EQ(loader.getLibrary("fakepellory"), nullptr);
#endif

    // A library that appears after a failed attempt is still not loaded.
    const std::string late = loader.folder() + "/LateLibrary" + Platform::librarySuffix();
    std::remove(late.c_str());
    EXPECT_EQ(loader.getLibrary("LateLibrary"), nullptr);
    {
        std::ifstream source(loader.folder() + "/FakePellory" + Platform::librarySuffix(),
                             std::ios::binary);
        std::ofstream copy(late, std::ios::binary);
        copy << source.rdbuf();
    }
    EXPECT_EQ(loader.getLibrary("LateLibrary"), nullptr);
    std::remove(late.c_str());
}

TEST_F(LauncherTest, UnloadAllForgetsEverything) {
    loader.unloadAll();
    EXPECT_TRUE(loader.folder().empty());
}

}  // namespace
