// Events delivered by four device threads at once: every event arrives
// complete, its messages in order. Also run in the ThreadSanitizer build.
#include "tests/event_subscriber_host.h"

#include <json/json.h>

#include <atomic>
#include <map>
#include <thread>

namespace {

using EventSubscriberTesting::EventSubscriberHost;

constexpr int kThreads = 4;
constexpr int kEventsPerThread = 200;
constexpr int kDataBytes = 37501;  // two chunks: 50000 characters, then 4 and the terminator

using EventDeliveryThreadsTest = EventSubscriberHost;

TEST_F(EventDeliveryThreadsTest, EventsFromFourThreadsArriveCompleteAndInOrder) {
    subscribe();
    std::vector<std::thread> threads;
    // The threads start delivering together, so their events overlap however
    // slowly the threads are started.
    std::atomic<int> waiting{kThreads};
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([this, t, &waiting] {
            const std::vector<unsigned char> data(kDataBytes, static_cast<unsigned char>(t));
            --waiting;
            while (waiting > 0) std::this_thread::yield();
            for (int i = 0; i < kEventsPerThread; ++i) {
                const std::string code = std::to_string(t) + "-" + std::to_string(i);
                const std::string text =
                    R"({"params":{"info":{"Events":[{"Code":")" + code + R"("}]}}})";
                devices.deliverEvent(text.c_str(), data.data(), kDataBytes);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();

    // Each event's messages, in the order the client received them.
    std::map<std::string, std::vector<Json::Value>> byEvent;
    std::map<int, int> lastEventOfThread;
    for (const std::string& message : host.clientMessages()) {
        Json::Value root;
        ASSERT_TRUE(Json::Reader().parse(message, root, false));
        const Json::Value& fields = root["params"]["params"];
        std::string code;
        if (fields.isMember("event")) {
            Json::Value event;
            ASSERT_TRUE(Json::Reader().parse(fields["event"].asString(), event, false));
            code = event["params"]["info"]["Events"][0]["Code"].asString();
            const int thread = std::stoi(code);
            const int index = std::stoi(code.substr(code.find('-') + 1));
            EXPECT_EQ(index, lastEventOfThread.count(thread) ? lastEventOfThread[thread] + 1 : 0);
            lastEventOfThread[thread] = index;
        } else {
            code = fields["code"].asString();
        }
        byEvent[code].push_back(fields);
    }
    ASSERT_EQ(byEvent.size(), static_cast<size_t>(kThreads * kEventsPerThread));
    const std::string tail[kThreads] = {"AA==", "AQ==", "Ag==", "Aw=="};
    const std::string body[kThreads] = {"AAAA", "AQEB", "AgIC", "AwMD"};
    for (const auto& [code, messages] : byEvent) {
        SCOPED_TRACE(code);
        const int t = std::stoi(code);
        ASSERT_EQ(messages.size(), 3u);
        EXPECT_TRUE(messages[0].isMember("event"));
        EXPECT_EQ(messages[0]["totalLength"].asInt(), 50005);
        std::string expectedBody;
        for (int i = 0; i < 12500; ++i) expectedBody += body[t];
        EXPECT_EQ(messages[1]["buffer"].asString(), expectedBody);
        EXPECT_EQ(messages[1]["bufferLengtn"].asInt(), 50000);
        EXPECT_EQ(messages[2]["buffer"].asString(), tail[t]);
        EXPECT_EQ(messages[2]["bufferLengtn"].asInt(), 5);
    }
}

}  // namespace
