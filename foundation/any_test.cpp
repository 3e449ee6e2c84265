#include "foundation/any.h"

#include <gtest/gtest.h>

#include "foundation/instance_tracker_test_util.h"
#include "foundation/shared_ptr.h"

namespace {

using Foundation::Any;
using Foundation::AnyCast;

TEST(AnyTest, CopyOfEmptyIsEmpty) {
    Any empty;
    Any copy(empty);
    EXPECT_TRUE(copy.empty());
}

TEST(AnyTest, CopiesHoldIndependentValues) {
    InstanceTracker::reset();
    {
        Any* original = new Any(InstanceTracker(7));
        Any copy(*original);
        EXPECT_NE(copy.content, original->content);
        delete original;
        EXPECT_EQ(AnyCast<InstanceTracker>(copy).value, 7);
    }
    EXPECT_EQ(InstanceTracker::alive(), 0);
}

TEST(AnyTest, EmptyCastThrowsBadCast) {
    Any empty;
    try {
        AnyCast<int>(empty);
        FAIL() << "no exception";
    } catch (const std::bad_cast& failure) {
        EXPECT_STREQ(failure.what(), "bad cast");
    }
}

TEST(AnyTest, CastOfSharedPointerSharesTheObject) {
    InstanceTracker object(1);
    Foundation::CSharedPtr<InstanceTracker> pointer(&object, nullptr);
    Any held(pointer);
    EXPECT_EQ(pointer.useCount(), 2);
    Foundation::CSharedPtr<InstanceTracker> cast = AnyCast<Foundation::CSharedPtr<InstanceTracker>>(held);
    EXPECT_EQ(cast.get(), &object);
    EXPECT_EQ(pointer.useCount(), 3);
    EXPECT_EQ(held.content->type(), typeid(Foundation::CSharedPtr<InstanceTracker>));
}

}  // namespace
