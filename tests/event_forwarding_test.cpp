// Device events as the client receives them: every message byte for byte.
#include "tests/event_subscriber_host.h"

#include <json/json.h>

#include <clocale>
#include <climits>

#include "module/base64.h"

namespace {

using EventSubscriberTesting::EventSubscriberHost;
using Strings = std::vector<std::string>;
using Bytes = std::vector<unsigned char>;

const char kMotion[] = R"({"params":{"info":{"Events":[{"Code":"VideoMotion"}]}}})";
const char kMotionQuoted[] = R"({\"params\":{\"info\":{\"Events\":[{\"Code\":\"VideoMotion\"}]}}})";

/// A whole message around the fields, as the client receives it.
std::string Message(const std::string& fields) {
    return "{ \"event\" : \"SnapManagerEvent\", \"params\" : { \"params\" : { " + fields +
           " } } }\n";
}

std::string EventMessage(const std::string& quotedText, long long total) {
    return Message("\"event\" : \"" + quotedText +
                   "\", \"totalLength\" : " + std::to_string(total));
}

std::string Chunk(const std::string& buffer, long long covered, const std::string& code,
                  long long total) {
    return Message("\"buffer\" : \"" + buffer +
                   "\", \"bufferLengtn\" : " + std::to_string(covered) + ", \"code\" : \"" + code +
                   "\", \"totalLength\" : " + std::to_string(total));
}

std::string Base64(const Bytes& bytes) {
    std::string text(
        static_cast<size_t>(Tamsel::Base64BufferSize(static_cast<long long>(bytes.size()))), '\0');
    const int total = Tamsel::Base64Encode(bytes.data(), &text[0], static_cast<int>(bytes.size()));
    text.resize(static_cast<size_t>(total - 1));
    return text;
}

/// The fields of one message.
Json::Value Fields(const std::string& message) {
    Json::Value root;
    EXPECT_TRUE(Json::Reader().parse(message, root, false));
    return root["params"]["params"];
}

struct EventForwardingTest : EventSubscriberHost {
    void SetUp() override { subscribe(); }
    Strings deliver(const char* text, const Bytes& data) {
        return deliver(text, data.data(), static_cast<int>(data.size()));
    }
    Strings deliver(const char* text, const unsigned char* data, int length) {
        host.clearClientMessages();
        EXPECT_EQ(devices.deliverEvent(text, data, length), 1);
        return host.clientMessages();
    }
};

TEST_F(EventForwardingTest, ThreeBytesMakeAnEventMessageAndOneChunk) {
    EXPECT_EQ(deliver(kMotion, Bytes{1, 2, 3}),
              (Strings{EventMessage(kMotionQuoted, 5), Chunk("AQID", 5, "VideoMotion", 5)}));
}

// 37500 bytes are 50000 characters: the terminator travels in a chunk of its own.
TEST_F(EventForwardingTest, ChunksCoverTheBase64BufferWithItsTerminator) {
    const Bytes exact(37500, 0);
    EXPECT_EQ(deliver(kMotion, exact),
              (Strings{EventMessage(kMotionQuoted, 50001),
                       Chunk(std::string(50000, 'A'), 50000, "VideoMotion", 50001),
                       Chunk("", 1, "VideoMotion", 50001)}));
    Bytes oneMore(37501, 0);
    oneMore.back() = 0xFF;
    EXPECT_EQ(deliver(kMotion, oneMore),
              (Strings{EventMessage(kMotionQuoted, 50005),
                       Chunk(std::string(50000, 'A'), 50000, "VideoMotion", 50005),
                       Chunk("/w==", 5, "VideoMotion", 50005)}));
}

TEST_F(EventForwardingTest, ChunksJoinToTheWholeBase64Text) {
    Bytes data(200001);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>(i * 7 + i / 251);
    const Strings messages = deliver(kMotion, data);
    const std::string whole = Base64(data);
    const long long total = static_cast<long long>(whole.size()) + 1;
    ASSERT_EQ(messages.size(), 1 + (total + 49999) / 50000);
    EXPECT_EQ(messages[0], EventMessage(kMotionQuoted, total));
    std::string joined;
    long long covered = 0;
    for (size_t i = 1; i < messages.size(); ++i) {
        const Json::Value fields = Fields(messages[i]);
        const std::string buffer = fields["buffer"].asString();
        EXPECT_EQ(messages[i],
                  Chunk(buffer, fields["bufferLengtn"].asInt64(), "VideoMotion", total));
        if (i + 1 < messages.size()) {
            EXPECT_EQ(buffer.size(), 50000u);
        }
        joined += buffer;
        covered += fields["bufferLengtn"].asInt64();
    }
    EXPECT_EQ(joined, whole);
    EXPECT_EQ(covered, total);
}

TEST_F(EventForwardingTest, WithoutUsableDataOnlyTheEventMessageGoes) {
    const unsigned char bytes[3] = {1, 2, 3};
    const Strings alone = {EventMessage(kMotionQuoted, 0)};
    EXPECT_EQ(deliver(kMotion, nullptr, 0), alone);
    EXPECT_EQ(deliver(kMotion, bytes, 0), alone);
    EXPECT_EQ(deliver(kMotion, nullptr, 3), alone);
    EXPECT_EQ(deliver(kMotion, bytes, -3), alone);
    // A length whose Base64 size does not fit an int is refused before any byte is read.
    EXPECT_EQ(deliver(kMotion, bytes, INT_MAX), alone);
    EXPECT_EQ(deliver(kMotion, bytes, 1610612734), alone);
}

TEST_F(EventForwardingTest, CodeThatIsMissingOrNotTextTravelsAsEmpty) {
    for (const char* text : {R"({"params":{"info":{"Events":[{}]}}})",
                             R"({"params":{"info":{"Events":[{"Code":7}]}}})",
                             R"({"params":{"info":{"Events":[{"Code":["x"]}]}}})",
                             R"({"params":{"info":{"Events":[5]}}})"}) {
        SCOPED_TRACE(text);
        const Strings messages = deliver(text, Bytes{1, 2, 3});
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1], Chunk("AQID", 5, "", 5));
    }
}

TEST_F(EventForwardingTest, EventsWithoutARecordSendNothing) {
    const char* const texts[] = {R"({"params":{"info":{"Events":[]}}})",
                                 R"({"params":{"info":{}}})",
                                 R"({"params":{"info":{"Events":{"Code":"x"}}}})",
                                 R"({"params":{"info":{"Events":"x"}}})",
                                 R"({"params":{"info":[1]}})",
                                 R"({"params":7})",
                                 R"([1,2])",
                                 R"("text")",
                                 R"({"params":{"info":{"Events":[null]}}})",
                                 "not JSON",
                                 "",
                                 nullptr};
    for (const char* text : texts) {
        SCOPED_TRACE(text ? text : "null");
        EXPECT_TRUE(deliver(text, Bytes{1, 2, 3}).empty());
    }
}

TEST_F(EventForwardingTest, EventTextIsEscapedAndOnlyTheFirstRecordCounts) {
    const char text[] =
        "{\"params\":{\"info\":{\"Events\":[{\"Code\":\"A\\\"B\"},{\"Code\":\"C\"}]}},"
        "\"note\":\"tab\\there\"}\n";
    const Strings messages = deliver(text, Bytes{0});
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(
        messages[0],
        EventMessage(
            "{\\\"params\\\":{\\\"info\\\":{\\\"Events\\\":[{\\\"Code\\\":\\\"A\\\\\\\"B\\\"},"
            "{\\\"Code\\\":\\\"C\\\"}]}},\\\"note\\\":\\\"tab\\\\there\\\"}\\n",
            5));
    EXPECT_EQ(messages[1], Chunk("AA==", 5, "A\\\"B", 5));
}

#if !defined(_WIN32)
// The event text reaches the client in the locale's character set, its bytes
// unchanged (no \u escapes); a character the set cannot hold becomes "?".
TEST_F(EventForwardingTest, EventTextIsInTheAnsiCodePage) {
    const std::string saved = std::setlocale(LC_CTYPE, nullptr);
    const char text[] = "{\"params\":{\"info\":{\"Events\":[{\"Code\":\"Caf\xc3\xa9\"}]}}}";
    ASSERT_NE(std::setlocale(LC_CTYPE, "C"), nullptr);
    const Strings plain = deliver(text, nullptr, 0);
    if (std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr) {
        const Strings unicode = deliver(text, nullptr, 0);
        EXPECT_EQ(
            unicode,
            (Strings{EventMessage("{\\\"params\\\":{\\\"info\\\":{\\\"Events\\\":[{\\\"Code\\\":"
                                  "\\\"Caf\xc3\xa9\\\"}]}}}",
                                  0)}));
    }
    std::setlocale(LC_CTYPE, saved.c_str());
    EXPECT_EQ(plain,
              (Strings{EventMessage("{\\\"params\\\":{\\\"info\\\":{\\\"Events\\\":[{\\\"Code\\\":"
                                    "\\\"Caf?\\\"}]}}}",
                                    0)}));
}
#endif

TEST_F(EventForwardingTest, UnboundNotifyClientDropsTheMessages) {
    host.context.notifyClient = {};
    EXPECT_TRUE(deliver(kMotion, Bytes(40000, 1)).empty());
}

// --- picture-compare events ----------------------------------------------------

std::string PictureEvent(const std::string& imageInfo) {
    return R"({"params":{"info":{"Events":[{"Code":"CitizenPictureCompare","Data":{"ImageInfo":)" +
           imageInfo + "}}]}}}";
}

std::string Quoted(const std::string& text) {
    std::string quoted;
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted;
}

std::string PictureEventMessage(const std::string& text) {
    return Message("\"event\" : \"" + Quoted(text) + "\"");
}

std::string Picture(const std::string& buffer) {
    return Message("\"buffer\" : \"" + buffer + "\", \"code\" : \"CitizenPictureCompare\", " +
                   "\"totalLength\" : " + std::to_string(buffer.size() + 1));
}

using PictureCompareTest = EventForwardingTest;

TEST_F(PictureCompareTest, EachPictureTravelsWholeInItsOwnMessage) {
    const std::string text =
        PictureEvent(R"([{"Offset":0,"Length":3},{"Offset":3.0,"Length":4.0}])");
    EXPECT_EQ(deliver(text.c_str(), Bytes{1, 2, 3, 4, 5, 6, 7}),
              (Strings{PictureEventMessage(text), Picture("AQID"), Picture("BAUGBw==")}));
}

TEST_F(PictureCompareTest, LargePictureIsNotCutAndPicturesMayRepeat) {
    Bytes data(37510, 0);
    data[37500] = 0xFB;
    const std::string text = PictureEvent(
        R"([{"Offset":0,"Length":37500},{"Offset":37500,"Length":1},{"Offset":37500,"Length":1}])");
    EXPECT_EQ(deliver(text.c_str(), data),
              (Strings{PictureEventMessage(text), Picture(std::string(50000, 'A')), Picture("+w=="),
                       Picture("+w==")}));
}

TEST_F(PictureCompareTest, WithoutPicturesOnlyTheEventMessageGoes) {
    for (const char* info : {"[]", "{}", "\"x\"", "null"}) {
        const std::string text = PictureEvent(info);
        EXPECT_EQ(deliver(text.c_str(), Bytes{1, 2, 3}), (Strings{PictureEventMessage(text)}));
    }
    const std::string noData =
        R"({"params":{"info":{"Events":[{"Code":"CitizenPictureCompare"}]}}})";
    EXPECT_EQ(deliver(noData.c_str(), Bytes{1}), (Strings{PictureEventMessage(noData)}));
}

// A picture that cannot be read still gets its message, empty, in its place.
TEST_F(PictureCompareTest, PicturesOutsideTheDataAreNeverRead) {
    const char* unreadable[] = {
        R"({"Offset":0})",             // no "Length"
        R"({"Offset":5,"Length":3})",  // beyond the end
        R"({"Offset":0,"Length":9})",  // longer than the data
        R"({"Offset":-1,"Length":3})",
        R"({"Offset":0,"Length":-3})",
        R"({"Offset":2147483647,"Length":2147483647})",
        R"({"Offset":4294967296,"Length":1})",
        R"({"Offset":"0","Length":3})",
        R"({"Offset":0,"Length":2.5})",
        R"({"Offset":0,"Length":true})",
        R"({"Offset":0,"Length":[3]})",
        R"(3)",
    };
    const Bytes data{1, 2, 3, 4, 5, 6, 7};
    for (const char* element : unreadable) {
        SCOPED_TRACE(element);
        const std::string text =
            PictureEvent(std::string("[") + element + R"(,{"Length":3},{"Offset":4,"Length":3}])");
        EXPECT_EQ(deliver(text.c_str(), data), (Strings{PictureEventMessage(text), Picture(""),
                                                        Picture("AQID"), Picture("BQYH")}));
    }
    const std::string text = PictureEvent(R"([{"Offset":0,"Length":3}])");
    EXPECT_EQ(deliver(text.c_str(), nullptr, 3), (Strings{PictureEventMessage(text), Picture("")}));
    EXPECT_EQ(deliver(text.c_str(), data.data(), -1),
              (Strings{PictureEventMessage(text), Picture("")}));
}

}  // namespace
