#include "module/base64.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using Tamsel::Base64BufferSize;
using Tamsel::Base64Encode;

/// Encodes into a buffer of exactly the documented size, followed by a guard
/// byte that must stay untouched; checks the result against the text.
std::string Encode(const std::string& bytes) {
    const int length = static_cast<int>(bytes.size());
    std::vector<char> buffer(static_cast<size_t>(Base64BufferSize(length)) + 1, '#');
    const int result =
        Base64Encode(reinterpret_cast<const unsigned char*>(bytes.data()), buffer.data(), length);
    EXPECT_EQ(buffer.back(), '#') << "wrote beyond the buffer";
    EXPECT_EQ(result, static_cast<int>(std::strlen(buffer.data())) + 1);
    EXPECT_EQ(result, Base64BufferSize(length));
    return buffer.data();
}

/// An independent decoder: a search in the alphabet for every character.
std::string Decode(const std::string& text) {
    static const std::string alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    EXPECT_EQ(text.size() % 4, 0u);
    for (size_t i = 0; i + 4 <= text.size(); i += 4) {
        unsigned value = 0;
        int padding = 0;
        for (size_t j = 0; j < 4; ++j) {
            const char c = text[i + j];
            if (c == '=') {
                ++padding;
                value <<= 6;
                continue;
            }
            const size_t index = alphabet.find(c);
            EXPECT_NE(index, std::string::npos) << "not in the alphabet: " << c;
            EXPECT_EQ(padding, 0) << "padding inside the text";
            value = (value << 6) | static_cast<unsigned>(index);
        }
        EXPECT_TRUE(padding == 0 || i + 4 == text.size());
        bytes += static_cast<char>(value >> 16);
        if (padding < 2) bytes += static_cast<char>((value >> 8) & 0xFF);
        if (padding < 1) bytes += static_cast<char>(value & 0xFF);
    }
    return bytes;
}

TEST(Base64Test, MatchesTheStandardVectors) {
    const std::pair<const char*, const char*> vectors[] = {
        {"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},         {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [plain, encoded] : vectors) {
        EXPECT_EQ(Encode(plain), encoded);
    }
    EXPECT_EQ(Encode(std::string("\xfb\xff\xbf\x00", 4)), "+/+/AA==");
}

TEST(Base64Test, RandomDataOfEveryLengthDecodesBack) {
    std::mt19937 random(4648);
    for (int length = 0; length <= 400; ++length) {
        std::string bytes(static_cast<size_t>(length), '\0');
        for (char& byte : bytes) byte = static_cast<char>(random());
        const std::string text = Encode(bytes);
        ASSERT_EQ(Decode(text), bytes) << "length " << length;
    }
}

TEST(Base64Test, ChunkSizedInputGivesFiftyThousandCharacters) {
    const std::string bytes(37500, '\x5a');
    const std::string text = Encode(bytes);
    EXPECT_EQ(text.size(), 50000u);
    EXPECT_EQ(Decode(text), bytes);
}

TEST(Base64Test, NothingToEncodeGivesOnlyTheTerminator) {
    const unsigned char input[] = {1, 2, 3};
    char output[8];
    std::memset(output, '#', sizeof output);
    EXPECT_EQ(Base64Encode(input, output, 0), 1);
    EXPECT_EQ(output[0], '\0');
    std::memset(output, '#', sizeof output);
    EXPECT_EQ(Base64Encode(input, output, -5), 1);
    EXPECT_EQ(output[0], '\0');
    EXPECT_EQ(output[1], '#');
    EXPECT_EQ(Base64Encode(nullptr, output, 3), 1);
    EXPECT_EQ(Base64Encode(input, nullptr, 3), 0);
}

}  // namespace
