// Base64 text of binary data: the standard alphabet, "=" padding, no line
// breaks, one NUL byte after the text. The module has no decoder.
#ifndef MODULE_BASE64_H
#define MODULE_BASE64_H

namespace Tamsel {

/// The buffer size that Base64Encode needs for `length` input bytes:
/// (length + 2) / 3 * 4 characters and the terminator.
constexpr long long Base64BufferSize(long long length) {
    return length > 0 ? (length + 2) / 3 * 4 + 1 : 1;
}

/// Writes the Base64 text of `length` bytes of `input` and its terminator to
/// `output`, which must hold Base64BufferSize(length) bytes, and returns the
/// number of characters plus one. A length of 0 or less, or a null input,
/// encodes nothing: only the terminator, result 1. A null output, or a
/// length whose text would not fit an int (above 1610612733), writes no text
/// and gives 0.
int Base64Encode(const unsigned char* input, char* output, int length);

}  // namespace Tamsel

#endif
