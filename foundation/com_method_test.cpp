#include "foundation/com_method.h"

#include "foundation/small_stack_test_util.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

using Foundation::IComInterface;
using Foundation::MakeComMethod;
using Foundation::ReplyDelegate;

/// One member of each shape the module publishes; records every call.
struct Target {
    std::vector<std::string> calls;
    bool answer = true;
    const char* text = "";

    bool subscribe(int channel, const char* event) {
        calls.push_back("subscribe " + std::to_string(channel) + " [" + event + "]");
        return answer;
    }
    const char* config(unsigned device, const char* name) {
        calls.push_back("config " + std::to_string(device) + " [" + name + "]");
        return text;
    }
    bool split(int count) {
        calls.push_back("split " + std::to_string(count));
        return answer;
    }
    bool fullscreen() {
        calls.push_back("fullscreen");
        return answer;
    }
    bool rowCol(int rows, int cols) {
        calls.push_back("rowCol " + std::to_string(rows) + " " + std::to_string(cols));
        return answer;
    }
    bool open(const char* path) {
        calls.push_back(std::string("open [") + path + "]");
        return answer;
    }
    bool fail(int) { throw std::runtime_error("member failed"); }
};

struct ReplySink {
    std::vector<std::string> replies;
    void receive(const char* text) { replies.emplace_back(text); }
};

class ComMethodTest : public ::testing::Test {
protected:
    using Method = std::unique_ptr<IComInterface>;

    Method subscribe() { return Method(MakeComMethod(&target, &Target::subscribe, "channel", "event")); }
    Method config() { return Method(MakeComMethod(&target, &Target::config, "deviceID", "name")); }
    Method split() { return Method(MakeComMethod(&target, &Target::split, "num")); }
    Method fullscreen() { return Method(MakeComMethod(&target, &Target::fullscreen)); }
    Method rowCol() { return Method(MakeComMethod(&target, &Target::rowCol, "row", "col")); }
    Method open() { return Method(MakeComMethod(&target, &Target::open, "path")); }

    /// Invokes with request id 7 and a reply delegate bound to `sink`.
    bool invoke(IComInterface& method, const char* request) {
        ReplyDelegate reply = fastdelegate::MakeDelegate<&ReplySink::receive>(&sink);
        return method.invoke(7, request, reply);
    }

    Target target;
    ReplySink sink;
};

TEST_F(ComMethodTest, ParameterCountsFollowTheMember) {
    EXPECT_EQ(fullscreen()->parameterCount(), 0);
    EXPECT_EQ(split()->parameterCount(), 1);
    EXPECT_EQ(open()->parameterCount(), 1);
    EXPECT_EQ(subscribe()->parameterCount(), 2);
    EXPECT_EQ(config()->parameterCount(), 2);
    EXPECT_EQ(rowCol()->parameterCount(), 2);
}

TEST_F(ComMethodTest, TemplatesAreStyledDefaultsInByteOrder) {
    EXPECT_STREQ(subscribe()->parameterTemplate(), "{\n   \"channel\" : 0,\n   \"event\" : \"\"\n}\n");
    EXPECT_STREQ(rowCol()->parameterTemplate(), "{\n   \"col\" : 0,\n   \"row\" : 0\n}\n");
    EXPECT_STREQ(open()->parameterTemplate(), "{\n   \"path\" : \"\"\n}\n");
    EXPECT_STREQ(fullscreen()->parameterTemplate(), "");
}

TEST_F(ComMethodTest, NamesGoIntoHundredByteSlots) {
    std::vector<char> names(200, 0);
    ASSERT_TRUE(rowCol()->parameterNames(names.data(), 2));
    EXPECT_STREQ(names.data(), "row");
    EXPECT_STREQ(names.data() + 100, "col");

    EXPECT_FALSE(rowCol()->parameterNames(names.data(), 1));
    EXPECT_FALSE(split()->parameterNames(names.data(), 2));
    EXPECT_FALSE(split()->parameterNames(nullptr, 1));
    EXPECT_TRUE(fullscreen()->parameterNames(nullptr, 0));
    EXPECT_FALSE(fullscreen()->parameterNames(names.data(), 1));
}

TEST_F(ComMethodTest, NamesOfNinetyNineCharactersAreRefusedWithNothingWritten) {
    const std::string longest(98, 'a');
    const std::string tooLong(99, 'b');
    std::vector<char> names(200, 0);

    Method fits(MakeComMethod(&target, &Target::split, longest.c_str()));
    ASSERT_TRUE(fits->parameterNames(names.data(), 1));
    EXPECT_EQ(std::string(names.data()), longest);

    std::vector<char> untouched(200, 0);
    Method single(MakeComMethod(&target, &Target::split, tooLong.c_str()));
    EXPECT_FALSE(single->parameterNames(untouched.data(), 1));
    Method second(MakeComMethod(&target, &Target::rowCol, "row", tooLong.c_str()));
    EXPECT_FALSE(second->parameterNames(untouched.data(), 2));
    EXPECT_EQ(untouched, std::vector<char>(200, 0));
}

struct NumberCase {
    const char* argument;
    bool passesCheck;
    int asInt;
    unsigned asUnsigned;
};

// Reals truncate toward zero and clamp to the parameter's range (NaN would
// give 0); integers in 32 bits keep their pattern; 64-bit integers clamp.
const NumberCase kNumberCases[] = {
    {"7", true, 7, 7u},
    {"3.9", true, 3, 3u},
    {"-3.9", true, -3, 0u},
    {"-1", true, -1, UINT_MAX},
    {"3000000000", true, -1294967296, 3000000000u},
    {"5000000000", true, INT_MAX, UINT_MAX},
    {"-5000000000", true, INT_MIN, 0u},
    {"1e10", true, INT_MAX, UINT_MAX},
    {"-1e10", true, INT_MIN, 0u},
    {"1e300", true, INT_MAX, UINT_MAX},
    {"true", false, 0, 0u},
    {"\"5\"", false, 0, 0u},
    {"null", false, 0, 0u},
    {"[1]", false, 0, 0u},
    {"{\"a\" : 1}", false, 0, 0u},
};

TEST_F(ComMethodTest, NumberArgumentsAreCheckedAndConverted) {
    for (const NumberCase& c : kNumberCases) {
        SCOPED_TRACE(c.argument);
        target.calls.clear();
        const std::string splitRequest = std::string("{\"params\" : {\"num\" : ") + c.argument + "}}";
        EXPECT_EQ(split()->checkParameters(1, splitRequest.c_str()), c.passesCheck);
        EXPECT_TRUE(invoke(*split(), splitRequest.c_str()));

        const std::string configRequest =
            std::string("{\"params\" : {\"deviceID\" : ") + c.argument + ", \"name\" : \"n\"}}";
        EXPECT_EQ(config()->checkParameters(2, configRequest.c_str()), c.passesCheck);
        EXPECT_TRUE(invoke(*config(), configRequest.c_str()));

        EXPECT_EQ(target.calls, (std::vector<std::string>{
                                    "split " + std::to_string(c.asInt),
                                    "config " + std::to_string(c.asUnsigned) + " [n]"}));
    }
}

// JSON text cannot hold them, but a value the reader builds never reaches an
// undefined conversion either.
TEST(NumberArgumentTest, NonFiniteRealsClampAndNanIsZero) {
    using Foundation::Detail::NumberArgument;
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(NumberArgument<int>(Json::Value(std::nan(""))), 0);
    EXPECT_EQ(NumberArgument<unsigned>(Json::Value(std::nan(""))), 0u);
    EXPECT_EQ(NumberArgument<int>(Json::Value(infinity)), INT_MAX);
    EXPECT_EQ(NumberArgument<int>(Json::Value(-infinity)), INT_MIN);
    EXPECT_EQ(NumberArgument<unsigned>(Json::Value(infinity)), UINT_MAX);
    EXPECT_EQ(NumberArgument<unsigned>(Json::Value(-infinity)), 0u);
}

TEST_F(ComMethodTest, TextArgumentsMustBeStrings) {
    const char* wrong = "{\"params\" : {\"channel\" : 1, \"event\" : 5}}";
    EXPECT_FALSE(subscribe()->checkParameters(2, wrong));
    EXPECT_TRUE(invoke(*subscribe(), wrong));

    const char* right = "{\"params\" : {\"channel\" : 2, \"event\" : \"Mot\xc3\xa9\"}, \"other\" : 1}";
    EXPECT_TRUE(subscribe()->checkParameters(2, right));
    EXPECT_FALSE(subscribe()->checkParameters(1, right));
    EXPECT_TRUE(invoke(*subscribe(), right));

    EXPECT_EQ(target.calls, (std::vector<std::string>{"subscribe 1 []", "subscribe 2 [Mot\xc3\xa9]"}));
}

TEST_F(ComMethodTest, RequestsWithoutParamsObjectHoldNoParameters) {
    const char* requests[] = {"{}", "{\"params\" : 5}", "{\"params\" : [1, \"a\"]}", "[1]", "5",
                              "\"params\""};
    for (const char* request : requests) {
        SCOPED_TRACE(request);
        target.calls.clear();
        sink.replies.clear();
        EXPECT_FALSE(subscribe()->checkParameters(2, request));
        EXPECT_FALSE(open()->checkParameters(1, request));
        EXPECT_TRUE(invoke(*subscribe(), request));
        EXPECT_TRUE(invoke(*open(), request));
        EXPECT_EQ(target.calls, (std::vector<std::string>{"subscribe 0 []", "open []"}));
        EXPECT_EQ(sink.replies.size(), 2u);
    }
}

TEST_F(ComMethodTest, UnparsableRequestsAreRefusedWithoutCallOrReply) {
    const char* requests[] = {"", "{", "{\"params\" : {\"num\" : }}", "not json"};
    for (const char* request : requests) {
        SCOPED_TRACE(request);
        EXPECT_FALSE(split()->checkParameters(1, request));
        EXPECT_FALSE(invoke(*split(), request));
    }
    EXPECT_FALSE(split()->checkParameters(1, nullptr));
    EXPECT_FALSE(invoke(*split(), nullptr));
    EXPECT_TRUE(target.calls.empty());
    EXPECT_TRUE(sink.replies.empty());
}

TEST_F(ComMethodTest, MethodsWithoutParametersAcceptAnyRequest) {
    EXPECT_TRUE(fullscreen()->checkParameters(0, "not json"));
    EXPECT_TRUE(fullscreen()->checkParameters(0, nullptr));
    EXPECT_FALSE(fullscreen()->checkParameters(1, "{}"));
    EXPECT_TRUE(invoke(*fullscreen(), "not json"));
    EXPECT_TRUE(invoke(*fullscreen(), nullptr));
    EXPECT_EQ(target.calls, (std::vector<std::string>{"fullscreen", "fullscreen"}));
    EXPECT_EQ(sink.replies.size(), 2u);
}

TEST_F(ComMethodTest, RepliesAreStyledWithIdAndResult) {
    target.answer = false;
    ASSERT_TRUE(invoke(*rowCol(), "{\"params\" : {\"row\" : 2, \"col\" : 3}}"));
    target.text = "a\"b\\c\nd";
    ASSERT_TRUE(invoke(*config(), "{\"params\" : {\"deviceID\" : 1, \"name\" : \"x\"}}"));
    target.text = nullptr;
    ASSERT_TRUE(invoke(*config(), "{\"params\" : {\"deviceID\" : 1, \"name\" : \"x\"}}"));

    EXPECT_EQ(target.calls[0], "rowCol 2 3");
    EXPECT_EQ(sink.replies, (std::vector<std::string>{
                                "{\n   \"id\" : 7,\n   \"result\" : false\n}\n",
                                "{\n   \"id\" : 7,\n   \"result\" : \"a\\\"b\\\\c\\nd\"\n}\n",
                                "{\n   \"id\" : 7,\n   \"result\" : \"\"\n}\n"}));
}

TEST_F(ComMethodTest, ReplyIsTrueWhateverTheMemberAnswers) {
    target.answer = true;
    ASSERT_TRUE(invoke(*open(), "{\"params\" : {\"path\" : \"C:\\\\a b\"}}"));
    EXPECT_EQ(target.calls[0], "open [C:\\a b]");
    EXPECT_EQ(sink.replies[0], "{\n   \"id\" : 7,\n   \"result\" : true\n}\n");
}

TEST_F(ComMethodTest, EmptyReplyDelegateStillCalls) {
    ReplyDelegate empty;
    EXPECT_TRUE(split()->invoke(1, "{\"params\" : {\"num\" : 4}}", empty));
    EXPECT_EQ(target.calls, std::vector<std::string>{"split 4"});
}

TEST_F(ComMethodTest, MemberExceptionsStayInside) {
    Method failing(MakeComMethod(&target, &Target::fail, "num"));
    EXPECT_FALSE(invoke(*failing, "{\"params\" : {\"num\" : 1}}"));
    EXPECT_TRUE(sink.replies.empty());
}

/// A request whose "params" member holds `depth` nested arrays.
std::string NestedRequest(int depth) {
    return "{\"params\" : " + std::string(depth, '[') + std::string(depth, ']') + "}";
}

TEST_F(ComMethodTest, DeepNestingIsRefusedAndFitsAHostStack) {
    const std::string deepest = NestedRequest(998);
    const std::string tooDeep = NestedRequest(2000);
    bool checkedDeepest = true;
    bool invokedDeepest = false;
    bool checkedTooDeep = true;
    bool invokedTooDeep = true;
    ASSERT_TRUE(TestUtil::RunOnStack(TestUtil::kHostStackSize, [&] {
        checkedDeepest = split()->checkParameters(1, deepest.c_str());
        invokedDeepest = invoke(*split(), deepest.c_str());
        checkedTooDeep = split()->checkParameters(1, tooDeep.c_str());
        invokedTooDeep = invoke(*split(), tooDeep.c_str());
    }));
    EXPECT_FALSE(checkedDeepest);
    EXPECT_TRUE(invokedDeepest);
    EXPECT_FALSE(checkedTooDeep);
    EXPECT_FALSE(invokedTooDeep);
    EXPECT_EQ(target.calls, std::vector<std::string>{"split 0"});
}

}  // namespace
