// The real launcher as a process, with the service stand-in beside it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "simulated_host/platform.h"
#include "tests/socket_test_util.h"

namespace {

struct Process {
    pid_t pid = -1;
    int errorOutput = -1;

    explicit Process(const std::string& commandLine) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) return;
        const std::string program = SimulatedHost::programFolder() + "/Harbex";
        pid = fork();
        if (pid == 0) {
            dup2(pipeEnds[1], STDERR_FILENO);
            close(pipeEnds[0]);
            close(pipeEnds[1]);
            execl(program.c_str(), program.c_str(), commandLine.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipeEnds[1]);
        errorOutput = pipeEnds[0];
        fcntl(errorOutput, F_SETFL, O_NONBLOCK);
    }

    ~Process() {
        if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (errorOutput >= 0) close(errorOutput);
    }

    /// Reads standard error until it holds `wanted` or five seconds passed.
    std::string errorText(const std::string& wanted) {
        std::string text;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (text.find(wanted) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
            pollfd wait{errorOutput, POLLIN, 0};
            if (poll(&wait, 1, 100) == 1) {
                char buffer[256];
                ssize_t got = read(errorOutput, buffer, sizeof buffer);
                if (got > 0) text.append(buffer, static_cast<size_t>(got));
            }
        }
        return text;
    }

    /// The exit status after the process ended within five seconds, or -1.
    int waitForExit() {
        for (int i = 0; i < 500; ++i) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }
};

bool connectsWithin5s(int port) {
    for (int i = 0; i < 500; ++i) {
        if (TestUtil::canConnect(port)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(HarbexProcessTest, TakesTheNextFreePortAndStopsOnTerminate) {
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
    Process harbex(commandLine);
    ASSERT_GT(harbex.pid, 0);
    const std::string debugText = "\n_tWinMain:" + commandLine + "\n";
    EXPECT_NE(harbex.errorText(debugText).find(debugText), std::string::npos);
    ASSERT_TRUE(connectsWithin5s(held.port + 1));
    kill(harbex.pid, SIGTERM);
    EXPECT_EQ(harbex.waitForExit(), 0);
    EXPECT_FALSE(TestUtil::canConnect(held.port + 1)) << "the service was stopped";
}

}  // namespace
