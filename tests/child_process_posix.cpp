#include "tests/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "simulated_host/platform.h"

namespace TestUtil {

namespace {
constexpr auto kPatience = std::chrono::seconds(5);
}

struct ChildProcess::State {
    pid_t pid = -1;
    int errorOutput = -1;
    std::string text;
};

ChildProcess::ChildProcess(const std::string& name, const std::string& argument) : state(new State) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return;
    const std::string program = SimulatedHost::programFolder() + "/" + name;
    state->pid = fork();
    if (state->pid == 0) {
        dup2(pipeEnds[1], STDERR_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl(program.c_str(), program.c_str(), argument.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    state->errorOutput = pipeEnds[0];
    fcntl(state->errorOutput, F_SETFL, O_NONBLOCK);
}

ChildProcess::~ChildProcess() {
    if (state->pid > 0 && waitpid(state->pid, nullptr, WNOHANG) == 0) {
        kill(state->pid, SIGKILL);
        waitpid(state->pid, nullptr, 0);
    }
    if (state->errorOutput >= 0) close(state->errorOutput);
}

bool ChildProcess::started() const { return state->pid > 0; }

std::string ChildProcess::debugText(const std::string& wanted) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (state->text.find(wanted) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd wait{state->errorOutput, POLLIN, 0};
        if (poll(&wait, 1, 100) == 1) {
            char buffer[256];
            const ssize_t got = read(state->errorOutput, buffer, sizeof buffer);
            if (got > 0) state->text.append(buffer, static_cast<size_t>(got));
        }
    }
    return state->text;
}

bool ChildProcess::requestEnd() { return state->pid > 0 && kill(state->pid, SIGTERM) == 0; }

int ChildProcess::waitForExit() {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (state->pid > 0 && std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(state->pid, &status, WNOHANG) == state->pid) {
            state->pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
}

}  // namespace TestUtil
