// Reading members of device documents without JsonCpp's throws: its member
// and element access throws on a value of the wrong kind, and a device may
// send any kind anywhere.
#ifndef EVENT_SUBSCRIBER_JSON_LOOKUP_H
#define EVENT_SUBSCRIBER_JSON_LOOKUP_H

#include <json/json.h>

#include <cstring>

namespace Tamsel {

/// The member `name` of `value`; null when missing or `value` is no object.
inline const Json::Value& MemberOf(const Json::Value& value, const char* name) {
    if (value.isObject()) {
        if (const Json::Value* found = value.find(name, name + std::strlen(name))) return *found;
    }
    return Json::Value::nullSingleton();
}

/// The element `index` of `value`; null when missing or `value` is no array.
inline const Json::Value& ElementOf(const Json::Value& value, Json::ArrayIndex index) {
    if (value.isArray() && index < value.size()) return value[index];
    return Json::Value::nullSingleton();
}

/// The elements of `value`: 0 unless it is an array.
inline Json::ArrayIndex ElementCount(const Json::Value& value) {
    return value.isArray() ? value.size() : 0;
}

}  // namespace Tamsel

#endif
