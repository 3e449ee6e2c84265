// The module's two JSON text forms and its JSON reading.
//
// The styled form (device requests, method replies, parameter templates)
// is JsonCpp's styled writer. The one-line form (messages to the client) is
// written here: `{ "name" : value, ... }` with arrays as `[ a, b ]`, empty
// containers as `{}` and `[]`, members in ascending byte order of their
// names, then a line feed. JsonCpp has no writer for this form, and its
// writers would turn string bytes that are not valid UTF-8 into "\ufffd",
// corrupting the ANSI event text the module forwards.
#ifndef MODULE_JSON_TEXT_H
#define MODULE_JSON_TEXT_H

#include "foundation/json_io.h"

#include <json/json.h>

#include <cstddef>
#include <string>

namespace Tamsel {

/// JsonCpp's reader without comments: false for null, unparsable or too
/// deeply nested text; never throws.
using Foundation::ParseJson;

/// The styled form, final line feed included.
using Foundation::WriteStyledJson;

/// Members and elements of what was read, null where they are missing or
/// the value is of another kind; never throw.
using Foundation::ElementCount;
using Foundation::ElementOf;
using Foundation::MemberOf;

/// The one-line form of `value`, followed by a line feed.
///
/// Strings keep every byte of 0x80 and above unchanged; `"`, `\` and the
/// control characters below 0x20 are escaped (\b \f \n \r \t, others as
/// \u00XX). Integers are written in full. Reals are written as JsonCpp's
/// writers write them (17 significant digits, ".0" added to an integral
/// value, so they read back as the same double and stay reals); NaN and the
/// infinities, which JSON cannot hold, are written as null.
std::string WriteOneLineJson(const Json::Value& value);

/// Appends `length` bytes of `text` as a quoted, escaped JSON string in the
/// one-line form, for callers that write an envelope by hand.
void AppendJsonString(std::string& out, const char* text, std::size_t length);

}  // namespace Tamsel

#endif
