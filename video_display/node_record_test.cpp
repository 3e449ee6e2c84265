#include "video_display/node_record.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Tamsel::NodeKey;
using Tamsel::NodeKeyLess;

TEST(NodeKeyLessTest, FirstDifferingFieldDecidesAndZeroMatchesAnyValue) {
    struct Case {
        NodeKey a, b;
        bool less;
    };
    const Case cases[] = {
        {{102, 101, 103}, {104, 103, 105}, true},
        {{104, 103, 105}, {102, 101, 103}, false},
        {{102, 101, 103}, {102, 101, 103}, false},  // equal keys
        {{102, 101, 103}, {102, 107, 103}, true},   // second field decides
        {{-5, 1, 1}, {3, 1, 1}, true},              // signed comparison
        {{0, 0, 0}, {102, 101, 103}, false},        // 0 matches any value
        {{102, 101, 103}, {0, 0, 0}, false},
        {{102, 0, 0}, {102, 101, 103}, false},
        {{102, 101, 103}, {102, 0, 0}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NodeKeyLess()(c.a, c.b), c.less)
            << c.a.imageViewId << "," << c.a.baseViewId << " vs " << c.b.imageViewId << "," << c.b.baseViewId;
    }
}

TEST(NodeKeyLessTest, LooksUpByImageViewIdAlone) {
    std::map<NodeKey, int, NodeKeyLess> table;
    table[{102, 101, 103}] = 0;
    table[{104, 103, 105}] = 1;
    table[{106, 105, 107}] = 2;
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table.find({104, 0, 0})->second, 1);
    EXPECT_EQ(table.find({103, 0, 0}), table.end());  // a base or overlay id is no key
    EXPECT_EQ(table.find({0, 0, 0})->second, 0);      // 0 finds the first node
}

}  // namespace
