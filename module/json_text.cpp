#include "module/json_text.h"

#include <cmath>

namespace Tamsel {

namespace {

void AppendValue(std::string& out, const Json::Value& value);

void AppendReal(std::string& out, double real) {
    if (!std::isfinite(real)) {
        out += "null";
        return;
    }
    out += Json::valueToString(real);
}

void AppendObject(std::string& out, const Json::Value& object) {
    if (object.empty()) {
        out += "{}";
        return;
    }
    out += "{ ";
    bool first = true;
    // JsonCpp keeps members ordered by their names' bytes, compared unsigned.
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!first) {
            out += ", ";
        }
        first = false;
        const char* end = nullptr;
        const char* name = it.memberName(&end);
        AppendJsonString(out, name, static_cast<std::size_t>(end - name));
        out += " : ";
        AppendValue(out, *it);
    }
    out += " }";
}

void AppendArray(std::string& out, const Json::Value& array) {
    if (array.empty()) {
        out += "[]";
        return;
    }
    out += "[ ";
    for (Json::ArrayIndex i = 0; i < array.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        AppendValue(out, array[i]);
    }
    out += " ]";
}

void AppendValue(std::string& out, const Json::Value& value) {
    switch (value.type()) {
    case Json::nullValue:
        out += "null";
        break;
    case Json::intValue:
        out += Json::valueToString(value.asLargestInt());
        break;
    case Json::uintValue:
        out += Json::valueToString(value.asLargestUInt());
        break;
    case Json::realValue:
        AppendReal(out, value.asDouble());
        break;
    case Json::booleanValue:
        out += value.asBool() ? "true" : "false";
        break;
    case Json::stringValue: {
        const char* begin = nullptr;
        const char* end = nullptr;
        value.getString(&begin, &end);
        AppendJsonString(out, begin, static_cast<std::size_t>(end - begin));
        break;
    }
    case Json::arrayValue:
        AppendArray(out, value);
        break;
    case Json::objectValue:
        AppendObject(out, value);
        break;
    }
}

}  // namespace

void AppendJsonString(std::string& out, const char* text, std::size_t length) {
    static const char hex[] = "0123456789abcdef";
    if (text == nullptr) {
        length = 0;
    }
    out.reserve(out.size() + length + 2);
    out += '"';
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        switch (byte) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += hex[byte >> 4];
                out += hex[byte & 15];
            } else {
                out += static_cast<char>(byte);
            }
        }
    }
    out += '"';
}

std::string WriteOneLineJson(const Json::Value& value) {
    std::string out;
    AppendValue(out, value);
    out += '\n';
    return out;
}

}  // namespace Tamsel
