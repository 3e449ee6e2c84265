// One "SnapManagerEvent" message to the client, written by hand in the
// one-line form: byte for byte what the module's one-line writer gives for
//   { "event" : "SnapManagerEvent", "params" : { "params" : { fields } } }
// when the fields are added in ascending byte order of their names.
//
// Event data and pictures run to megabytes, so their Base64 text is encoded
// straight into the message: it is never scanned, escaped or copied again.
#ifndef EVENT_SUBSCRIBER_SNAP_MANAGER_MESSAGE_H
#define EVENT_SUBSCRIBER_SNAP_MANAGER_MESSAGE_H

#include <cstddef>
#include <memory>

namespace Tamsel {

class SnapManagerMessage {
public:
    /// Whether the Base64 text of `length` bytes, with its terminator, has a
    /// size that fits an int, as the client's "totalLength" must.
    static bool Base64Fits(long long length);

    /// Drops the previous message and starts a new one; the storage stays,
    /// so one message object can carry many chunks without reallocating.
    void start();
    /// Adds "name" : "text", escaped; bytes of 0x80 and above unchanged.
    void addText(const char* name, const char* text, std::size_t length);
    void addInteger(const char* name, long long value);
    /// Adds "name" : "<Base64 of length bytes at input>" and answers
    /// Base64Encode's result (characters plus one). Precondition:
    /// Base64Fits(length); a null input or a length of 0 adds "".
    int addBase64(const char* name, const unsigned char* input, int length);
    /// Closes the message and answers its zero-terminated text, valid until
    /// the next start.
    const char* finish();

private:
    void addName(const char* name);
    void append(const char* bytes, std::size_t count);
    /// Room for `count` more bytes; the new bytes are left unwritten.
    char* extend(std::size_t count);

    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
    std::size_t capacity = 0;
    bool firstField = true;
};

}  // namespace Tamsel

#endif
