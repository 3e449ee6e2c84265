// Device events to the client: the event message with the event text in the
// ANSI code page, then the data's Base64 buffer (the text and its
// terminator) in chunks of 50000 bytes. Each chunk is encoded on its own
// from the data bytes it covers (50000 Base64 characters are exactly 37500
// bytes), so no Base64 text of the whole data is ever held.
#include <algorithm>
#include <cstring>
#include <string>

#include <json/json.h>

#include "event_subscriber/event_subscrible.h"
#include "event_subscriber/snap_manager_message.h"
#include "module/ansi_text.h"
#include "module/base64.h"
#include "module/json_text.h"

namespace Tamsel {

namespace {

constexpr long long kChunkSize = 50000;
constexpr long long kChunkInput = kChunkSize / 4 * 3;

/// The event record's "Code" as text; "" when absent or not text.
std::string CodeOf(const Json::Value& record) {
    const Json::Value& code = MemberOf(record, "Code");
    return code.isString() ? code.asString() : std::string();
}

}  // namespace

void CEventSubscrible::SendSnapManagerEvent(SnapManagerMessage& message) {
    const char* text = message.finish();
    fastdelegate::guardedCall(hostContext->notifyClient, text);
}

void CEventSubscrible::OnDeviceEvent(const char* eventText, const unsigned char* data,
                                     int dataLength) {
    try {
        if (eventText == nullptr) return;
        Json::Value document;
        if (!ParseJson(eventText, document)) return;
        const Json::Value record =
            ElementOf(MemberOf(MemberOf(MemberOf(document, "params"), "info"), "Events"), 0);
        if (record.isNull()) return;
        const std::string code = CodeOf(record);
        if (code == kPictureCompareCode) {
            SendPictureCompareImages(eventText, record, data, dataLength);
            return;
        }

        AnsiTextHolder ansi;
        const char* ansiText = Utf8ToAnsi(ansi, eventText);
        // No data, a negative length, and data whose Base64 size would not
        // fit an int all travel as "totalLength" 0 without chunks.
        const bool hasData =
            data != nullptr && dataLength > 0 && SnapManagerMessage::Base64Fits(dataLength);
        const long long total = hasData ? Base64BufferSize(dataLength) : 0;

        SnapManagerMessage message;
        message.start();
        message.addText("event", ansiText, std::strlen(ansiText));
        message.addInteger("totalLength", total);
        SendSnapManagerEvent(message);

        for (long long offset = 0; offset < total; offset += kChunkSize) {
            const long long covered = std::min(kChunkSize, total - offset);
            // A chunk starting at the end of the text covers the terminator only.
            const long long inputAt = offset / kChunkSize * kChunkInput;
            const long long inputLength =
                std::max(0LL, std::min(kChunkInput, dataLength - inputAt));
            message.start();
            message.addBase64("buffer", inputLength > 0 ? data + inputAt : nullptr,
                              static_cast<int>(inputLength));
            message.addInteger("bufferLengtn", covered);
            message.addText("code", code.data(), code.size());
            message.addInteger("totalLength", total);
            SendSnapManagerEvent(message);
        }
    } catch (...) {
        // Out of memory: the messages sent so far stay sent.
    }
}

}  // namespace Tamsel
