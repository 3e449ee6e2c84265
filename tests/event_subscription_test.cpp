// Subscription control and the configuration query, as the device sees the
// requests: texts byte for byte, buffers, capacities, time-outs and devices.
#include "tests/event_subscriber_host.h"

#include <json/json.h>

namespace {

using EventSubscriberTesting::EventSubscriberHost;
using EventSubscriberTesting::FileProcRequest;
using Strings = std::vector<std::string>;

const std::string kTrueReply = "{\n   \"id\" : 1,\n   \"result\" : true\n}\n";
const std::string kFalseReply = "{\n   \"id\" : 1,\n   \"result\" : false\n}\n";

const char kInstanceRequest[] =
    "{\n"
    "   \"method\" : \"snapManager.factory.instance\",\n"
    "   \"params\" : 0\n"
    "}\n";

/// The "object" line of the last request the devices received.
std::string LastObject(const SimulatedHost::RemoteDeviceManager& devices) {
    const std::string text = devices.requests().back().text;
    const size_t begin = text.find("   \"object\"");
    return text.substr(begin, text.find('\n', begin) - begin);
}

using EventSubscriptionTest = EventSubscriberHost;

TEST_F(EventSubscriptionTest, SubscribeSendsInstanceThenAttachRequest) {
    wire();
    deviceManager.deviceId = 5;
    devices.reply("snapManager.factory.instance", R"({"result":7})");
    EXPECT_EQ(call("SubscribeEvent", R"({"channel":2,"event":"VideoMotion"})"), kTrueReply);
    EXPECT_EQ(host.calls(),
              (Strings{"getDeviceID", "sendRequest 5 snapManager.factory.instance", "getDeviceID",
                       "sendAttachRequest 5 snapManager.attachFileProc"}));
    const auto requests = devices.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].text, kInstanceRequest);
    EXPECT_EQ(requests[1].text,
              FileProcRequest("snapManager.attachFileProc", "7", "2", "\"VideoMotion\""));
    for (const auto& request : requests) {
        EXPECT_EQ(request.deviceId, 5u);
        EXPECT_EQ(request.capacity, 1023);
        EXPECT_EQ(request.timeout, 20000);
        EXPECT_TRUE(request.bufferZeroed);
    }
    EXPECT_TRUE(requests[1].hadHandler);
    EXPECT_EQ(devices.handlerCount(), 1);
}

TEST_F(EventSubscriptionTest, NegativeChannelSubscribesNothing) {
    wire();
    EXPECT_EQ(call("SubscribeEvent", R"({"channel":-1,"event":"All"})"), kFalseReply);
    EXPECT_TRUE(host.calls().empty());
}

TEST_F(EventSubscriptionTest, UnsubscribeSendsNegativeChannelsAsTheyAre) {
    wire();
    deviceManager.deviceId = -2;  // reaches the device as its 32-bit pattern
    EXPECT_EQ(call("UnSubscribeEvent", R"({"channel":-3,"event":"Caf\u00e9"})"), kTrueReply);
    EXPECT_EQ(host.calls(),
              (Strings{"getDeviceID", "sendRequest 4294967294 snapManager.factory.instance",
                       "getDeviceID", "sendDetachRequest 4294967294 snapManager.detachFileProc"}));
    const std::string expected =
        FileProcRequest("snapManager.detachFileProc", "0", "-3", "\"Caf\\u00e9\"");
    const auto requests = devices.requests();
    EXPECT_EQ(requests.back().text, expected);
    EXPECT_EQ(requests.back().capacity, 1023);
    EXPECT_EQ(requests.back().timeout, 20000);
    EXPECT_TRUE(requests.back().bufferZeroed);
}

// The result is the host's boolean, whatever reply text it wrote.
TEST_F(EventSubscriptionTest, ResultIsTheHostsAnswerToTheFileProcRequest) {
    wire();
    devices.reply("snapManager.attachFileProc", R"({"result":false})");
    EXPECT_EQ(call("SubscribeEvent", R"({"channel":1,"event":"All"})"), kTrueReply);
    devices.refuse("snapManager.attachFileProc");
    EXPECT_EQ(call("SubscribeEvent", R"({"channel":1,"event":"All"})"), kFalseReply);
    devices.refuse("snapManager.detachFileProc");
    EXPECT_EQ(call("UnSubscribeEvent", R"({"channel":1,"event":"All"})"), kFalseReply);
    devices.slots.sendAttachRequest = {};
    devices.slots.sendDetachRequest = {};
    host.clearCalls();
    EXPECT_EQ(call("SubscribeEvent", R"({"channel":1,"event":"All"})"), kFalseReply);
    EXPECT_EQ(call("UnSubscribeEvent", R"({"channel":1,"event":"All"})"), kFalseReply);
    const Strings instanceOnly = {"getDeviceID", "sendRequest 0 snapManager.factory.instance",
                                  "getDeviceID"};
    Strings twice = instanceOnly;
    twice.insert(twice.end(), instanceOnly.begin(), instanceOnly.end());
    EXPECT_EQ(host.calls(), twice);
}

TEST_F(EventSubscriptionTest, InstanceNumberFromTheReply) {
    struct Case {
        const char* reply;  // null: the instance request is refused
        Json::UInt object;
    };
    const Case cases[] = {
        {R"({"result":7})", 7},
        {R"({"result":true})", 1},
        {R"({"result":false})", 0},
        {R"({"result":3.9})", 3},
        {R"({"result":4294967295})", 4294967295u},
        {R"({})", 0},
        {R"({"result":null})", 0},
        {"not JSON", 0},
        {nullptr, 0},
        {R"({"result":-1})", 0},
        {R"({"result":4294967296})", 0},
        {R"({"result":"7"})", 0},
        {R"({"result":[7]})", 0},
        {R"({"result":{"n":7}})", 0},
        {"[7]", 0},
        {"7", 0},
        {R"("result")", 0},
    };
    wire();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply ? c.reply : "refused");
        if (c.reply) {
            devices.reply("snapManager.factory.instance", c.reply);
        } else {
            devices.refuse("snapManager.factory.instance");
        }
        EXPECT_EQ(call("SubscribeEvent", R"({"channel":1,"event":"All"})"), kTrueReply);
        EXPECT_EQ(LastObject(devices), "   \"object\" : " + std::to_string(c.object) + ",");
    }
}

TEST_F(EventSubscriptionTest, UnboundDeviceServicesStillSendTheFileProcRequest) {
    wire();
    deviceManager.slots.getDeviceID = {};
    devices.slots.sendRequest = {};
    EXPECT_EQ(call("SubscribeEvent", R"({"channel":1,"event":"All"})"), kTrueReply);
    EXPECT_EQ(host.calls(), (Strings{"sendAttachRequest 0 snapManager.attachFileProc"}));
    EXPECT_EQ(devices.requests().back().text,
              FileProcRequest("snapManager.attachFileProc", "0", "1", "\"All\""));
}

// --- the configuration query -------------------------------------------------

/// The text answered by "GetDeviceConfig" in the method's reply.
std::string ConfigAnswer(const std::string& reply) {
    Json::Value root;
    EXPECT_TRUE(Json::Reader().parse(reply, root, false)) << reply;
    EXPECT_TRUE(root["result"].isString()) << reply;
    return root["result"].asString();
}

using DeviceConfigTest = EventSubscriberHost;

TEST_F(DeviceConfigTest, AsksTheNamedDeviceAndAnswersTheStyledParams) {
    wire();
    devices.reply("configManager.getConfig",
                  R"({"result":true,"params":{"table":{"b":[1,2],"a":"x"}}})");
    EXPECT_EQ(ConfigAnswer(call("GetDeviceConfig", R"({"deviceID":9,"name":"Encode"})")),
              "{\n"
              "   \"table\" : {\n"
              "      \"a\" : \"x\",\n"
              "      \"b\" : [ 1, 2 ]\n"
              "   }\n"
              "}\n");
    EXPECT_EQ(host.calls(), (Strings{"sendRequest 9 configManager.getConfig"}));
    const auto request = devices.requests().back();
    EXPECT_EQ(request.text,
              "{\n"
              "   \"method\" : \"configManager.getConfig\",\n"
              "   \"params\" : {\n"
              "      \"name\" : \"Encode\"\n"
              "   }\n"
              "}\n");
    EXPECT_EQ(request.capacity, 10239);
    EXPECT_EQ(request.timeout, 20000);
    EXPECT_TRUE(request.bufferZeroed);
}

TEST_F(DeviceConfigTest, DeviceIdAndNameReachTheDeviceUnchanged) {
    wire();
    for (const char* id : {"0", "4294967295"}) {
        call("GetDeviceConfig", std::string(R"({"name":"","deviceID":)") + id + "}");
        EXPECT_EQ(std::to_string(devices.requests().back().deviceId), id);
        EXPECT_NE(devices.requests().back().text.find("\"name\" : \"\"\n"), std::string::npos);
    }
}

TEST_F(DeviceConfigTest, SuccessFlagFollowsJsonTruth) {
    struct Case {
        const char* result;
        bool success;
    };
    const Case cases[] = {
        {"true", true},  {"1", true},         {"-1", true},     {"0.5", true},   {"\"x\"", true},
        {"[0]", true},   {"{\"a\":0}", true}, {"false", false}, {"0", false},    {"0.0", false},
        {"\"\"", false}, {"[]", false},       {"{}", false},    {"null", false},
    };
    wire();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        devices.reply("configManager.getConfig",
                      std::string(R"({"params":{"n":1},"result":)") + c.result + "}");
        EXPECT_EQ(ConfigAnswer(call("GetDeviceConfig", R"({"deviceID":1,"name":"n"})")),
                  c.success ? "{\n   \"n\" : 1\n}\n" : "");
    }
}

// A failure answers the empty text, not the text kept from an earlier success.
TEST_F(DeviceConfigTest, FailuresAnswerTheEmptyText) {
    const std::string tooLong = R"({"result":true,"params":")" + std::string(10240, 'x') + "\"}";
    const char* replies[] = {R"({"params":{}})", "not JSON",      "[1]",  "true",
                             R"("text")",        tooLong.c_str(), nullptr};
    wire();
    devices.reply("configManager.getConfig", R"({"result":true,"params":{"n":1}})");
    ASSERT_EQ(ConfigAnswer(call("GetDeviceConfig", R"({"deviceID":1,"name":"n"})")),
              "{\n   \"n\" : 1\n}\n");
    for (const char* reply : replies) {
        SCOPED_TRACE(reply ? std::string(reply).substr(0, 40) : "refused");
        if (reply) {
            devices.reply("configManager.getConfig", reply);
        } else {
            devices.refuse("configManager.getConfig");
        }
        EXPECT_EQ(ConfigAnswer(call("GetDeviceConfig", R"({"deviceID":1,"name":"n"})")), "");
    }
    devices.slots.sendRequest = {};
    EXPECT_EQ(ConfigAnswer(call("GetDeviceConfig", R"({"deviceID":1,"name":"n"})")), "");
}

TEST_F(DeviceConfigTest, MissingParamsAnswersNull) {
    wire();
    devices.reply("configManager.getConfig", R"({"result":true})");
    EXPECT_EQ(ConfigAnswer(call("GetDeviceConfig", R"({"deviceID":1,"name":"n"})")), "null\n");
}


// --- services that vanish after the methods were published ---------------------

// A later "ImplComLoaded" may find a service without its object; the methods
// published before stay with the host and must still answer, not crash.
TEST_F(EventSubscriptionTest, WithoutTheDeviceServiceMethodsAnswerTheirFailure) {
    wire();
    host.provideEmpty<FerrinComponentInterface::IRemoteDeviceMgrSet>();
    host.raiseSignal("ImplComLoaded");
    EXPECT_EQ(call("SubscribeEvent", R"({"channel":1,"event":"All"})"), kFalseReply);
    EXPECT_EQ(call("UnSubscribeEvent", R"({"channel":1,"event":"All"})"), kFalseReply);
    EXPECT_EQ(ConfigAnswer(call("GetDeviceConfig", R"({"deviceID":1,"name":"n"})")), "");
    EXPECT_EQ(host.raiseSignal("localFuncOPExitSignal"), 1);
    EXPECT_TRUE(devices.requests().empty());
}

TEST_F(EventSubscriptionTest, WithoutTheDeviceManagerRequestsGoToDeviceZero) {
    wire();
    deviceManager.deviceId = 5;
    host.provideEmpty<FerrinComponentInterface::IDeviceManagerSet>();
    host.raiseSignal("ImplComLoaded");
    host.clearCalls();
    EXPECT_EQ(call("SubscribeEvent", R"({"channel":1,"event":"All"})"), kTrueReply);
    EXPECT_EQ(host.calls(), (Strings{"sendRequest 0 snapManager.factory.instance",
                                     "sendAttachRequest 0 snapManager.attachFileProc"}));
}

}  // namespace
