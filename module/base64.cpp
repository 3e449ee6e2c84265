#include "module/base64.h"

#include <climits>
#include <cstring>

namespace Tamsel {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

/// The two characters of every 12-bit group: one table lookup does the work
/// of two 6-bit lookups, which roughly doubles the speed.
struct PairTable {
    char pairs[4096][2];
};

constexpr PairTable MakePairTable() {
    PairTable table{};
    for (int group = 0; group < 4096; ++group) {
        table.pairs[group][0] = kAlphabet[group >> 6];
        table.pairs[group][1] = kAlphabet[group & 63];
    }
    return table;
}

constexpr PairTable kPairTable = MakePairTable();

/// The longest input whose text length plus one still fits an int.
constexpr int kMaxLength = (INT_MAX - 1) / 4 * 3;

inline void WriteGroup(char* out, unsigned bits24) {
    std::memcpy(out, kPairTable.pairs[bits24 >> 12], 2);
    std::memcpy(out + 2, kPairTable.pairs[bits24 & 0xFFF], 2);
}

}  // namespace

int Base64Encode(const unsigned char* input, char* output, int length) {
    if (output == nullptr) {
        return 0;
    }
    if (input == nullptr || length <= 0) {
        output[0] = '\0';
        return 1;
    }
    if (length > kMaxLength) {
        output[0] = '\0';
        return 0;
    }
    const unsigned char* in = input;
    char* out = output;
    int left = length;
    for (; left >= 3; left -= 3, in += 3, out += 4) {
        WriteGroup(out, (unsigned(in[0]) << 16) | (unsigned(in[1]) << 8) | in[2]);
    }
    if (left == 1) {
        const unsigned b0 = in[0];
        *out++ = kAlphabet[b0 >> 2];
        *out++ = kAlphabet[(b0 & 3) << 4];
        *out++ = '=';
        *out++ = '=';
    } else if (left == 2) {
        const unsigned b0 = in[0];
        const unsigned b1 = in[1];
        *out++ = kAlphabet[b0 >> 2];
        *out++ = kAlphabet[((b0 & 3) << 4) | (b1 >> 4)];
        *out++ = kAlphabet[(b1 & 15) << 2];
        *out++ = '=';
    }
    *out = '\0';
    return static_cast<int>(out - output) + 1;
}

}  // namespace Tamsel
