#include "foundation/shared_ptr.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "foundation/instance_tracker_test_util.h"

namespace {

using Foundation::CSharedPtr;

int deleterCalls = 0;
void trackingDeleter(InstanceTracker* object) {
    ++deleterCalls;
    delete object;
}

class SharedPtrTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstanceTracker::reset();
        deleterCalls = 0;
    }
};

// A block made elsewhere (as the host makes them), recording its teardown.
struct ForeignBlock : Foundation::Detail::CSPCountedBase {
    static int disposed;
    static int destroyed;
    bool dispose() override {
        ++disposed;
        return true;
    }
    void destroy() override {
        ++destroyed;
        delete this;
    }
};
int ForeignBlock::disposed = 0;
int ForeignBlock::destroyed = 0;

TEST_F(SharedPtrTest, EmptyPointerCopiesWithoutACount) {
    CSharedPtr<InstanceTracker> empty;
    CSharedPtr<InstanceTracker> copy(empty);
    EXPECT_EQ(copy.get(), nullptr);
    EXPECT_EQ(copy.useCount(), 0);
}

TEST_F(SharedPtrTest, LastOfThreeCopiesRunsTheDeleterOnce) {
    auto* first = new CSharedPtr<InstanceTracker>(new InstanceTracker(1), &trackingDeleter);
    auto* second = new CSharedPtr<InstanceTracker>(*first);
    auto* third = new CSharedPtr<InstanceTracker>(*second);
    EXPECT_EQ(first->useCount(), 3);
    delete second;
    delete first;
    EXPECT_EQ(deleterCalls, 0);
    EXPECT_EQ(third->useCount(), 1);
    delete third;
    EXPECT_EQ(deleterCalls, 1);
    EXPECT_EQ(InstanceTracker::alive(), 0);
}

TEST_F(SharedPtrTest, SelfAssignmentKeepsTheObject) {
    CSharedPtr<InstanceTracker> pointer(new InstanceTracker(1), &trackingDeleter);
    CSharedPtr<InstanceTracker>& alias = pointer;
    pointer = alias;
    EXPECT_EQ(pointer.useCount(), 1);
    EXPECT_EQ(deleterCalls, 0);
}

TEST_F(SharedPtrTest, AssignmentFromACopyOfItselfKeepsTheObject) {
    CSharedPtr<InstanceTracker> pointer(new InstanceTracker(1), &trackingDeleter);
    pointer = CSharedPtr<InstanceTracker>(pointer);
    EXPECT_EQ(pointer.useCount(), 1);
    EXPECT_EQ(pointer->value, 1);
    EXPECT_EQ(deleterCalls, 0);
}

TEST_F(SharedPtrTest, AssignmentAcrossBlocksRaisesTheNewCountFirst) {
    // The only reference to the old object sits inside the new object, so
    // releasing the old block first would free the source mid-assignment.
    struct Node {
        CSharedPtr<Node> next;
    };
    static int nodesDeleted = 0;
    nodesDeleted = 0;
    auto deleteNode = [](Node* node) {
        ++nodesDeleted;
        delete node;
    };
    CSharedPtr<Node> head(new Node, +deleteNode);
    head->next = CSharedPtr<Node>(new Node, +deleteNode);
    head = head->next;  // the old head dies, and with it the source's owner
    EXPECT_EQ(nodesDeleted, 1);
    EXPECT_EQ(head.useCount(), 1);
    ASSERT_NE(head.get(), nullptr);
}

TEST_F(SharedPtrTest, AssignmentDisposesTheOldObjectAtZero) {
    CSharedPtr<InstanceTracker> a(new InstanceTracker(1), &trackingDeleter);
    CSharedPtr<InstanceTracker> b(new InstanceTracker(2), &trackingDeleter);
    a = b;
    EXPECT_EQ(deleterCalls, 1);
    EXPECT_EQ(a->value, 2);
    EXPECT_EQ(b.useCount(), 2);
}

TEST_F(SharedPtrTest, NullDeleterFreesTheBlockButNotTheObject) {
    InstanceTracker object(5);
    { CSharedPtr<InstanceTracker> pointer(&object, nullptr); }
    EXPECT_EQ(InstanceTracker::destroyed, 0);
}

TEST_F(SharedPtrTest, ForeignBlockIsTornDownThroughItsOwnOperations) {
    ForeignBlock::disposed = ForeignBlock::destroyed = 0;
    InstanceTracker object(3);
    {
        CSharedPtr<InstanceTracker> adopted = CSharedPtr<InstanceTracker>::adopt(&object, new ForeignBlock);
        CSharedPtr<InstanceTracker> copy(adopted);
        CSharedPtr<InstanceTracker> other;
        other = copy;
        EXPECT_EQ(adopted.useCount(), 3);
    }
    EXPECT_EQ(ForeignBlock::disposed, 1);
    EXPECT_EQ(ForeignBlock::destroyed, 1);
}

TEST_F(SharedPtrTest, CopiesReleasedOnManyThreadsDeleteOnce) {
    CSharedPtr<InstanceTracker> shared(new InstanceTracker(1), &trackingDeleter);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([shared] {
            for (int i = 0; i < 10000; ++i) {
                CSharedPtr<InstanceTracker> copy(shared);
                (void)copy;
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(shared.useCount(), 1);
    EXPECT_EQ(deleterCalls, 0);
}

}  // namespace
