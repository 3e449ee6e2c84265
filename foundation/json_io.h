// Reading JSON text, looking into what was read, and writing it in the
// styled form: the JSON operations that method objects share with the rest
// of the module.
//
// Needs JsonCpp's headers and library: whoever includes this links JsonCpp
// (the foundation target itself does not, because the launcher uses it too).
#ifndef FOUNDATION_JSON_IO_H
#define FOUNDATION_JSON_IO_H

#include <json/json.h>

#include <cstring>
#include <string>

namespace Foundation {

/// Parses `text` with JsonCpp's reader, comments not collected. False, with
/// `root` unspecified, for a null or unparsable text and for a text nested
/// deeper than the reader allows (JsonCpp throws there; the throw stays here).
inline bool ParseJson(const char* text, Json::Value& root) {
    if (text == nullptr) {
        return false;
    }
    try {
        Json::Reader reader;
        return reader.parse(text, text + std::strlen(text), root, false);
    } catch (...) {
        return false;
    }
}

/// The styled form: one member per line, three blanks of indentation per
/// level, " : " between name and value, members in ascending byte order,
/// short arrays of plain values on one line, a final line feed.
inline std::string WriteStyledJson(const Json::Value& value) {
    Json::StyledWriter writer;
    return writer.write(value);
}

/// The member `name` of `value`; null when missing or `value` is no object.
/// JsonCpp's own member access throws on a value of another kind, and the
/// peers may send any kind anywhere.
inline const Json::Value& MemberOf(const Json::Value& value, const char* name) {
    if (value.isObject()) {
        if (const Json::Value* found = value.find(name, name + std::strlen(name))) {
            return *found;
        }
    }
    return Json::Value::nullSingleton();
}

/// The element `index` of `value`; null when missing or `value` is no array.
inline const Json::Value& ElementOf(const Json::Value& value, Json::ArrayIndex index) {
    if (value.isArray() && index < value.size()) {
        return value[index];
    }
    return Json::Value::nullSingleton();
}

/// The number of elements of `value`: 0 unless it is an array.
inline Json::ArrayIndex ElementCount(const Json::Value& value) {
    return value.isArray() ? value.size() : 0;
}

}  // namespace Foundation

#endif
