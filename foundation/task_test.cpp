#include "foundation/task.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using Foundation::CTask;
using Foundation::ITask;
using Foundation::Tuple1;
using Foundation::Tuple2;

struct Display {
    std::vector<std::string> log;
    void create(int count) { log.push_back("create " + std::to_string(count)); }
    bool show(int id, bool shown) {
        log.push_back("show " + std::to_string(id) + (shown ? " true" : " false"));
        return false;
    }
    void fail(int) { throw 1; }
};

using CreateTask = CTask<Display, void (Display::*)(int), Tuple1<int>>;
using ShowTask = CTask<Display, bool (Display::*)(int, bool), Tuple2<int, bool>>;

// Counts task destructions through a derived task.
int destroyedTasks = 0;
struct CountedCreateTask : CreateTask {
    using CreateTask::CreateTask;
    ~CountedCreateTask() override { ++destroyedTasks; }
};

TEST(TaskTest, RunsOnceThenReleases) {
    Display display;
    destroyedTasks = 0;
    ITask* task = new CountedCreateTask(&display, &Display::create, Tuple1<int>{4});
    EXPECT_TRUE(display.log.empty()) << "nothing runs when the task is made";
    EXPECT_TRUE(task->run());
    EXPECT_TRUE(task->release());
    EXPECT_EQ(destroyedTasks, 1);
    EXPECT_EQ(display.log, std::vector<std::string>{"create 4"});
}

TEST(TaskTest, RunDropsTheMembersResult) {
    Display display;
    ITask* task = new ShowTask(&display, &Display::show, Tuple2<int, bool>{17, false});
    EXPECT_TRUE(task->run());
    task->release();
    EXPECT_EQ(display.log, std::vector<std::string>{"show 17 false"});
}

TEST(TaskTest, QueueRunsInPostingOrder) {
    Display display;
    std::deque<ITask*> queue;
    queue.push_back(new CreateTask(&display, &Display::create, Tuple1<int>{1}));
    queue.push_back(new ShowTask(&display, &Display::show, Tuple2<int, bool>{2, true}));
    queue.push_back(new CreateTask(&display, &Display::create, Tuple1<int>{3}));
    while (!queue.empty()) {
        ITask* task = queue.front();
        queue.pop_front();
        task->run();
        task->release();
    }
    EXPECT_EQ(display.log, (std::vector<std::string>{"create 1", "show 2 true", "create 3"}));
}

TEST(TaskTest, MemberThatThrowsStaysInsideTheTask) {
    Display display;
    ITask* task = new CreateTask(&display, &Display::fail, Tuple1<int>{0});
    EXPECT_TRUE(task->run());
    EXPECT_TRUE(task->release());
}

TEST(TaskTest, DeleteTaskIgnoresNull) { Foundation::DeleteTask(nullptr); }

}  // namespace
