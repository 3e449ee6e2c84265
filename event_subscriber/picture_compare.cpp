// Picture-compare events: the event message, then each picture of the
// record's "Data"."ImageInfo" whole in one message of its own, in order.
#include <cstring>

#include <json/json.h>

#include "event_subscriber/event_subscrible.h"
#include "event_subscriber/snap_manager_message.h"
#include "module/ansi_text.h"
#include "module/json_text.h"

namespace Tamsel {

namespace {

/// An "Offset" or "Length": a whole number from 0 to INT_MAX (3.0 counts);
/// a missing or null member reads as 0. False for anything else: fractions,
/// booleans, texts, arrays and objects.
bool ReadCount(const Json::Value& value, int& count) {
    if (value.isNull()) {
        count = 0;
        return true;
    }
    if (!value.isInt() || value.asInt() < 0) return false;
    count = value.asInt();
    return true;
}

/// Where picture `info` lies in the data; false when its bytes, from
/// "Offset" for "Length" bytes, do not lie within the data or cannot be
/// encoded for the client.
bool PictureBytes(const Json::Value& info, const unsigned char* data, int dataLength, int& offset,
                  int& length) {
    if (data == nullptr || !info.isObject()) return false;
    if (!ReadCount(MemberOf(info, "Offset"), offset)) return false;
    if (!ReadCount(MemberOf(info, "Length"), length)) return false;
    return static_cast<long long>(offset) + length <= dataLength &&
           SnapManagerMessage::Base64Fits(length);
}

}  // namespace

void CEventSubscrible::SendPictureCompareImages(const char* eventText,
                                                const Json::Value& eventRecord,
                                                const unsigned char* data, int dataLength) {
    AnsiTextHolder ansi;
    const char* ansiText = Utf8ToAnsi(ansi, eventText);
    SnapManagerMessage message;
    message.start();
    message.addText("event", ansiText, std::strlen(ansiText));
    SendSnapManagerEvent(message);

    const Json::Value& images = MemberOf(MemberOf(eventRecord, "Data"), "ImageInfo");
    const Json::ArrayIndex count = ElementCount(images);
    for (Json::ArrayIndex i = 0; i < count; ++i) {
        int offset = 0;
        int length = 0;
        // A picture that cannot be read still gets its message, so the
        // client sees one message per element, in order.
        const bool readable = PictureBytes(images[i], data, dataLength, offset, length);
        message.start();
        const int total =
            message.addBase64("buffer", readable ? data + offset : nullptr, readable ? length : 0);
        message.addText("code", kPictureCompareCode, sizeof kPictureCompareCode - 1);
        message.addInteger("totalLength", total);
        SendSnapManagerEvent(message);
    }
}

}  // namespace Tamsel
