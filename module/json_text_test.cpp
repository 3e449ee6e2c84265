#include "module/json_text.h"

#include "foundation/small_stack_test_util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using Tamsel::AppendJsonString;
using Tamsel::ParseJson;
using Tamsel::WriteOneLineJson;
using Tamsel::WriteStyledJson;

Json::Value Parsed(const char* text) {
    Json::Value root;
    EXPECT_TRUE(ParseJson(text, root)) << text;
    return root;
}

TEST(OneLineJsonTest, WritesNestedObjectsAndArraysInByteOrder) {
    Json::Value message(Json::objectValue);
    message["params"]["params"]["totalLength"] = 5;
    message["params"]["params"]["buffer"] = "AAEC";
    message["event"] = "SnapManagerEvent";
    message["list"].append(1);
    message["list"].append("two");
    message["list"].append(Json::Value(Json::objectValue));
    message["list"].append(Json::Value(Json::arrayValue));
    message["list"].append(Json::Value());
    message["list"].append(false);
    message["Upper"] = -3;
    message["\xc3\xa9"] = 4000000000u;
    EXPECT_EQ(WriteOneLineJson(message),
              "{ \"Upper\" : -3, \"event\" : \"SnapManagerEvent\", "
              "\"list\" : [ 1, \"two\", {}, [], null, false ], "
              "\"params\" : { \"params\" : { \"buffer\" : \"AAEC\", \"totalLength\" : 5 } }, "
              "\"\xc3\xa9\" : 4000000000 }\n");
}

TEST(OneLineJsonTest, WritesPlainValuesAndEmptyContainers) {
    EXPECT_EQ(WriteOneLineJson(Json::Value(Json::objectValue)), "{}\n");
    EXPECT_EQ(WriteOneLineJson(Json::Value(Json::arrayValue)), "[]\n");
    EXPECT_EQ(WriteOneLineJson(Json::Value()), "null\n");
    EXPECT_EQ(WriteOneLineJson(Json::Value(true)), "true\n");
    EXPECT_EQ(WriteOneLineJson(Json::Value(Json::Int64(-9000000000))), "-9000000000\n");
    EXPECT_EQ(WriteOneLineJson(Json::Value(2.0)), "2.0\n");
    EXPECT_EQ(WriteOneLineJson(Json::Value(0.5)), "0.5\n");
    EXPECT_EQ(WriteOneLineJson(Json::Value(std::nan(""))), "null\n");
    EXPECT_EQ(WriteOneLineJson(Json::Value(-std::numeric_limits<double>::infinity())), "null\n");
}

TEST(OneLineJsonTest, EscapesQuotesBackslashesAndControlsButKeepsHighBytes) {
    // 0xE9 alone is "é" in an ANSI code page and not valid UTF-8.
    const char bytes[] = "a\"b\\c/\b\f\n\r\t\x01\x1f\x7f\xe9\xff\0z";
    const std::string text(bytes, sizeof bytes - 1);
    EXPECT_EQ(WriteOneLineJson(Json::Value(text)),
              "\"a\\\"b\\\\c/\\b\\f\\n\\r\\t\\u0001\\u001f\x7f\xe9\xff\\u0000z\"\n");

    std::string out = "{ \"x\" : ";
    AppendJsonString(out, "q\"\xe9", 3);
    EXPECT_EQ(out, "{ \"x\" : \"q\\\"\xe9\"");
    AppendJsonString(out, nullptr, 0);
    EXPECT_EQ(out, "{ \"x\" : \"q\\\"\xe9\"\"\"");
}

TEST(OneLineJsonTest, ValidUtf8OutputReadsBackAsTheSameValue) {
    const char* documents[] = {
        "{\"a\" : [1, -2, 3.25, 1e300, \"x\\u0001\\n\\\"y\"], \"b\" : {\"c\" : null, \"d\" : true}}",
        "{\"caf\\u00e9\" : \"\xe2\x82\xac \xf0\x9f\x98\x80\", \"e\" : [], \"f\" : {}}",
        "[0.1, 123456789012345678, 18446744073709551615, -0.0]",
    };
    for (const char* document : documents) {
        SCOPED_TRACE(document);
        const Json::Value value = Parsed(document);
        const std::string written = WriteOneLineJson(value);
        EXPECT_EQ(written.find('\n'), written.size() - 1);
        EXPECT_EQ(Parsed(written.c_str()), value);
    }
}

TEST(StyledJsonTest, WritesOneMemberPerLineWithFinalLineFeed) {
    Json::Value request(Json::objectValue);
    request["method"] = "snapManager.factory.instance";
    request["params"]["channel"] = 1;
    request["id"] = 3;
    EXPECT_EQ(WriteStyledJson(request),
              "{\n   \"id\" : 3,\n   \"method\" : \"snapManager.factory.instance\",\n"
              "   \"params\" : {\n      \"channel\" : 1\n   }\n}\n");
}

TEST(ParseJsonTest, RefusesNullAndUnparsableText) {
    Json::Value root;
    EXPECT_FALSE(ParseJson(nullptr, root));
    EXPECT_FALSE(ParseJson("", root));
    EXPECT_FALSE(ParseJson("{\"a\" : }", root));
    EXPECT_TRUE(ParseJson("// a comment\n{\"a\" : 1 /* inline */}", root));
    EXPECT_EQ(root["a"].asInt(), 1);
    EXPECT_FALSE(root.hasComment(Json::commentBefore));
}

TEST(ParseJsonTest, DeepNestingIsRefusedAndFitsAHostStack) {
    // Alternating objects and arrays, just inside and far beyond the reader's limit.
    std::string deepest;
    for (int i = 0; i < 499; ++i) deepest += "{\"a\":[";
    for (int i = 0; i < 499; ++i) deepest += "]}";
    std::string tooDeep;
    for (int i = 0; i < 5000; ++i) tooDeep += "{\"a\":[";
    for (int i = 0; i < 5000; ++i) tooDeep += "]}";

    bool parsedDeepest = false;
    bool parsedTooDeep = true;
    ASSERT_TRUE(TestUtil::RunOnStack(TestUtil::kHostStackSize, [&] {
        Json::Value root;
        parsedDeepest = ParseJson(deepest.c_str(), root);
        parsedTooDeep = ParseJson(tooDeep.c_str(), root);
    }));
    EXPECT_TRUE(parsedDeepest);
    EXPECT_FALSE(parsedTooDeep);
}

}  // namespace
