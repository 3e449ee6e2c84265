#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "foundation/task.h"
#include "launcher/launcher.h"

namespace {

namespace Platform = Harbex::Platform;

std::vector<std::string> events;

// A task that records its run and release and the thread they happen on.
class RecordingTask : public Foundation::ITask {
public:
    RecordingTask(std::string label, Platform::ThreadId* ranOn) : name(std::move(label)), thread(ranOn) {}
    bool run() override {
        events.push_back("run " + name);
        *thread = Platform::currentThreadId();
        return true;
    }
    bool release() override {
        events.push_back("release " + name);
        delete this;
        return true;
    }

private:
    std::string name;
    Platform::ThreadId* thread;
};

TEST(MessageLoopTest, RunsPostedTasksOnItsThreadInArrivalOrder) {
    events.clear();
    Platform::createMessageQueue();
    const Platform::ThreadId loopThread = Platform::currentThreadId();
    Platform::ThreadId ranOn[2] = {};
    std::thread poster([&] {
        auto post = [&](unsigned id, Foundation::ITask* task) {
            Platform::postThreadMessage(loopThread, id, 0, reinterpret_cast<std::intptr_t>(task));
        };
        post(Harbex::kTaskMessage, new RecordingTask("first", &ranOn[0]));
        post(Harbex::kTaskMessage, nullptr);  // ignored
        post(0x0400, nullptr);                // dispatched, not run
        post(Harbex::kTaskMessage, new RecordingTask("second", &ranOn[1]));
        post(Platform::kQuitMessage, nullptr);
    });
    Harbex::RunMessageLoop();
    poster.join();
    EXPECT_EQ(events, (std::vector<std::string>{"run first", "release first", "run second",
                                                "release second"}));
    EXPECT_EQ(ranOn[0], loopThread);
    EXPECT_EQ(ranOn[1], loopThread);
}

TEST(MessageLoopTest, SameTaskTypePostedTwiceRunsTwice) {
    events.clear();
    Platform::createMessageQueue();
    Platform::ThreadId ranOn = 0;
    const Platform::ThreadId self = Platform::currentThreadId();
    for (const char* name : {"a", "b"}) {
        Platform::postThreadMessage(self, Harbex::kTaskMessage, 0,
                                    reinterpret_cast<std::intptr_t>(new RecordingTask(name, &ranOn)));
    }
    Platform::postThreadMessage(self, Platform::kQuitMessage, 0, 0);
    Harbex::RunMessageLoop();
    EXPECT_EQ(events, (std::vector<std::string>{"run a", "release a", "run b", "release b"}));
}

}  // namespace
