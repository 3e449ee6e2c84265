#include "event_subscriber/snap_manager_message.h"

#include <climits>
#include <cstring>
#include <string>

#include "module/base64.h"
#include "module/json_text.h"

namespace Tamsel {

namespace {

constexpr char kOpening[] = "{ \"event\" : \"SnapManagerEvent\", \"params\" : { \"params\" : { ";
constexpr char kClosing[] = " } } }\n";
constexpr std::size_t kSlack = 256;

}  // namespace

bool SnapManagerMessage::Base64Fits(long long length) {
    return Base64BufferSize(length) <= INT_MAX;
}

void SnapManagerMessage::start() {
    size = 0;
    firstField = true;
    append(kOpening, sizeof kOpening - 1);
}

void SnapManagerMessage::addText(const char* name, const char* text, std::size_t length) {
    addName(name);
    std::string quoted;
    AppendJsonString(quoted, text, length);
    append(quoted.data(), quoted.size());
}

void SnapManagerMessage::addInteger(const char* name, long long value) {
    addName(name);
    const std::string digits = std::to_string(value);
    append(digits.data(), digits.size());
}

int SnapManagerMessage::addBase64(const char* name, const unsigned char* input, int length) {
    addName(name);
    append("\"", 1);
    const long long room = Base64BufferSize(length);  // the text and its terminator
    char* text = extend(static_cast<std::size_t>(room));
    const int total = Base64Encode(input, text, length);
    size += total > 0 ? static_cast<std::size_t>(total - 1) : 0;
    append("\"", 1);
    return total;
}

const char* SnapManagerMessage::finish() {
    append(kClosing, sizeof kClosing);  // the terminator included
    return bytes.get();
}

void SnapManagerMessage::addName(const char* name) {
    if (!firstField) append(", ", 2);
    firstField = false;
    append("\"", 1);
    append(name, std::strlen(name));
    append("\" : ", 4);
}

void SnapManagerMessage::append(const char* from, std::size_t count) {
    std::memcpy(extend(count), from, count);
    size += count;
}

char* SnapManagerMessage::extend(std::size_t count) {
    if (capacity - size < count) {
        // Slack after a large block leaves room for the fields and the
        // closing that follow it, so Base64 text is never moved again.
        std::size_t grown = capacity * 2;
        if (grown < size + count + kSlack) grown = size + count + kSlack;
        std::unique_ptr<char[]> larger(new char[grown]);
        if (size > 0) std::memcpy(larger.get(), bytes.get(), size);
        bytes = std::move(larger);
        capacity = grown;
    }
    return bytes.get() + size;
}

}  // namespace Tamsel
