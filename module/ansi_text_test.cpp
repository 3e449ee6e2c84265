#include "module/ansi_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

using Tamsel::AnsiTextHolder;
using Tamsel::Utf8ToAnsi;

/// Makes the locale's character set, the POSIX "ANSI code page", `name` for
/// one test; on Windows the code page is the system's and stays as it is.
class AnsiTextTest : public ::testing::Test {
protected:
    void TearDown() override { std::setlocale(LC_CTYPE, saved.c_str()); }

    /// False when the character set is not available here.
    bool useCharset(const char* locale) {
#if defined(_WIN32)
        (void)locale;
        return GetACP() != 65001;
#else
        return std::setlocale(LC_CTYPE, locale) != nullptr;
#endif
    }

    /// False unless the code page is the Western one: Windows-1252, or on
    /// POSIX a Latin-1 locale where the system has one.
    bool useWesternCodePage() {
#if defined(_WIN32)
        return GetACP() == 1252;
#else
        for (const char* locale : {"en_US.ISO-8859-1", "en_US.iso88591", "de_DE.ISO-8859-1"}) {
            if (std::setlocale(LC_CTYPE, locale) != nullptr) return true;
        }
        return false;
#endif
    }

    std::string saved = std::setlocale(LC_CTYPE, nullptr);
    AnsiTextHolder holder;
};

TEST_F(AnsiTextTest, AsciiComesBackUnchanged) {
    const std::string ascii = "{ \"Code\" : \"VideoMotion\", \"n\" : [1, 2] }\t~\x7f";
    EXPECT_EQ(Utf8ToAnsi(holder, ascii.c_str()), ascii);
    EXPECT_STREQ(Utf8ToAnsi(holder, ""), "");
    EXPECT_STREQ(Utf8ToAnsi(holder, nullptr), "");
}

// The first text is freed by the second conversion: the sanitizer build's
// leak checker fails this test if it is not, and the holder frees the last.
TEST_F(AnsiTextTest, HolderKeepsOnlyTheLastText) {
    char* first = Utf8ToAnsi(holder, "first");
    EXPECT_EQ(holder.text, first);
    char* second = Utf8ToAnsi(holder, "second");
    EXPECT_EQ(holder.text, second);
    EXPECT_STREQ(second, "second");
}

// Without a Unicode character set, a character the set cannot hold and each
// ill-formed UTF-8 sequence (replaced by U+FFFD first) become "?".
TEST_F(AnsiTextTest, UnmappableAndIllFormedBecomeQuestionMarks) {
    if (!useCharset("C")) GTEST_SKIP() << "the code page is UTF-8";
    EXPECT_STREQ(Utf8ToAnsi(holder, "x\xe4\xb8\xad" "y"), "x?y");
    EXPECT_STREQ(Utf8ToAnsi(holder, "a\xff" "b"), "a?b");
#if !defined(_WIN32)
    // One replacement per maximal ill-formed prefix, as the Unicode standard advises.
    EXPECT_STREQ(Utf8ToAnsi(holder, "a\xff" "b\xe2\x82" "c\xc0\xaf"), "a?b?c??");
#endif
}

// A Western code page holds accented letters as one byte each ("é" is 0xE9)
// and nothing of CJK.
TEST_F(AnsiTextTest, WesternCodePageHoldsAccentedLettersInOneByte) {
    if (!useWesternCodePage()) GTEST_SKIP() << "no Western code page (1252 or Latin-1) here";
    EXPECT_STREQ(Utf8ToAnsi(holder, "caf\xc3\xa9 \xc3\xbc\xc3\x9f \xc3\x89"), "caf\xe9 \xfc\xdf \xc9");
    EXPECT_STREQ(Utf8ToAnsi(holder, "\xc3\xa9\xe4\xb8\xad"), "\xe9?");
}

#if !defined(_WIN32)
TEST_F(AnsiTextTest, UnicodeCharsetKeepsCharactersAndReplacesIllFormed) {
    if (!useCharset("C.UTF-8")) GTEST_SKIP() << "no C.UTF-8 locale";
    const char* replacement = "\xef\xbf\xbd";
    EXPECT_STREQ(Utf8ToAnsi(holder, "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"),
                 "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80");
    // One U+FFFD per maximal ill-formed prefix: a truncated sequence is one,
    // a surrogate's three bytes are three, an overlong form two.
    EXPECT_EQ(std::string(Utf8ToAnsi(holder, "a\xe2\x82" "b")), std::string("a") + replacement + "b");
    EXPECT_EQ(std::string(Utf8ToAnsi(holder, "\xed\xa0\x80")),
              std::string(replacement) + replacement + replacement);
    EXPECT_EQ(std::string(Utf8ToAnsi(holder, "\xc0\xaf\xf4\x90")),
              std::string(replacement) + replacement + replacement + replacement);
}
#endif

}  // namespace
