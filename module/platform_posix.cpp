#include "module/platform.h"

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

namespace Tamsel {
namespace Platform {

namespace {

// The "ANSI code page" of a POSIX system is the character set of the current
// locale. Windows' UTF-8 conversion replaces every ill-formed sequence with
// U+FFFD and its ANSI conversion writes "?" for a character the code page
// cannot hold; the same happens here, so that the same bytes reach the
// client on both systems (U+FFFD itself survives only in a Unicode locale).

const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

/// The length of the well-formed UTF-8 sequence at `text`, or 0 if the
/// sequence there is ill-formed; in that case `*illFormed` is the length of
/// its maximal ill-formed prefix (at least 1), which one U+FFFD replaces.
size_t SequenceLength(const unsigned char* text, size_t* illFormed) {
    const unsigned char lead = text[0];
    if (lead < 0x80) {
        return 1;
    }
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // no overlong forms
        if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
    } else {
        *illFormed = 1;
        return 0;
    }
    for (size_t i = 1; i < length; ++i) {
        const unsigned char next = text[i];  // the terminator ends every sequence
        const unsigned char min = i == 1 ? low : 0x80;
        const unsigned char max = i == 1 ? high : 0xBF;
        if (next < min || next > max) {
            *illFormed = i;
            return 0;
        }
    }
    return length;
}

/// The text with every ill-formed sequence replaced by U+FFFD.
std::string WellFormed(const char* utf8) {
    std::string result;
    const unsigned char* text = reinterpret_cast<const unsigned char*>(utf8);
    while (*text != 0) {
        size_t illFormed = 0;
        const size_t length = SequenceLength(text, &illFormed);
        if (length == 0) {
            result += kReplacement;
            text += illFormed;
        } else {
            result.append(reinterpret_cast<const char*>(text), length);
            text += length;
        }
    }
    return result;
}

/// Converts well-formed UTF-8 through `converter`; a character the target
/// cannot hold becomes "?".
std::string Convert(iconv_t converter, std::string input) {
    std::string output;
    char chunk[4096];
    char* in = &input[0];
    size_t inLeft = input.size();
    for (;;) {
        char* out = chunk;
        size_t outLeft = sizeof chunk;
        const size_t done = inLeft > 0 ? iconv(converter, &in, &inLeft, &out, &outLeft)
                                       : iconv(converter, nullptr, nullptr, &out, &outLeft);
        const int error = errno;
        output.append(chunk, static_cast<size_t>(out - chunk));
        if (done != static_cast<size_t>(-1)) {
            if (inLeft == 0 && out == chunk) {
                return output;  // input done and shift state flushed
            }
            continue;
        }
        if (error == E2BIG) {
            continue;
        }
        if (error != EILSEQ) {
            return output;  // cannot happen with well-formed input
        }
        output += '?';
        size_t skipped = 0;
        const size_t length = SequenceLength(reinterpret_cast<unsigned char*>(in), &skipped);
        const size_t step = length > 0 ? length : 1;
        in += step;
        inLeft -= step;
    }
}

char* CopyToMalloc(const std::string& text) {
    char* copy = static_cast<char*>(std::calloc(text.size() + 1, 1));
    if (copy != nullptr) {
        std::memcpy(copy, text.data(), text.size());
    }
    return copy;
}

/// Closes the converter however the conversion ends.
struct Converter {
    iconv_t handle;
    explicit Converter(const char* target) : handle(iconv_open(target, "UTF-8")) {}
    ~Converter() {
        if (valid()) iconv_close(handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return handle != reinterpret_cast<iconv_t>(-1); }
};

}  // namespace

char* ConvertUtf8ToAnsi(const char* utf8) {
    try {
        Converter converter(nl_langinfo(CODESET));
        if (!converter.valid()) {
            return CopyToMalloc(std::string());
        }
        return CopyToMalloc(Convert(converter.handle, WellFormed(utf8)));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace Platform
}  // namespace Tamsel
