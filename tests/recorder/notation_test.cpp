// Texts of the recording survive the trip through its quoting.
#include <gtest/gtest.h>

#include <string>

#include "recording_notation.h"

namespace {

class QuotedText : public ::testing::TestWithParam<std::string> {};

TEST_P(QuotedText, ReadsBackAsWritten)
{
    std::string line = "x " + recording::quote(GetParam()) + " 7";
    std::size_t pos = 1;
    bool quoted = false;
    std::optional<std::string> text = recording::next_token(line, pos, &quoted);
    ASSERT_TRUE(text);
    EXPECT_TRUE(quoted);
    EXPECT_EQ(*text, GetParam());
    std::optional<std::string> after = recording::next_token(line, pos, &quoted);
    ASSERT_TRUE(after) << "the quoted text ended early";
    EXPECT_EQ(*after, "7");
    EXPECT_EQ(line.find('\n'), std::string::npos) << "one line per text";
}

INSTANTIATE_TEST_SUITE_P(Recording, QuotedText,
                         ::testing::Values("", "plain", "two words", "a \"quote\"", "back\\slash",
                                           "line\nbreak", "tab\tand\x01\x1f\x7f", "\\\"",
                                           "7-1 KTV News \xc3\xa9", "ends with \\",
                                           std::string(15, 'a') + "\"" + std::string(16, 'b'),
                                           std::string(16, 'a') + "\n" + std::string(40, 'c'),
                                           std::string(33, 'd') + "\x7f\x01"));

// Quoting looks at sixteen bytes at once: a character to escape is found
// wherever it falls in or after a block.
struct Quoting {
    std::string text;
    std::string quoted;
};

class QuotedExactly : public ::testing::TestWithParam<Quoting> {};

TEST_P(QuotedExactly, EscapesEachSpecialCharacter)
{
    EXPECT_EQ(recording::quote(GetParam().text), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(
    Recording, QuotedExactly,
    ::testing::Values(Quoting{std::string(16, 'a'), '"' + std::string(16, 'a') + '"'},
                      Quoting{std::string(15, 'a') + '\\', '"' + std::string(15, 'a') + "\\\\\""},
                      Quoting{std::string(16, 'a') + '\t', '"' + std::string(16, 'a') + "\\t\""},
                      Quoting{std::string(17, 'a') + "\x1f" + std::string(20, 'z'),
                              '"' + std::string(17, 'a') + "\\x1F" + std::string(20, 'z') + '"'},
                      Quoting{std::string(31, 'a') + "\x7f\xc3\xa9",
                              '"' + std::string(31, 'a') + "\\x7F\xc3\xa9\""},
                      Quoting{"\"" + std::string(40, 'q') + "\"",
                              "\"\\\"" + std::string(40, 'q') + "\\\"\""}));

struct BadQuote {
    const char *name;
    const char *line;
};

class BadQuoted : public ::testing::TestWithParam<BadQuote> {};

TEST_P(BadQuoted, IsNoToken)
{
    std::size_t pos = 0;
    bool quoted = false;
    EXPECT_FALSE(recording::next_token(GetParam().line, pos, &quoted));
}

INSTANTIATE_TEST_SUITE_P(Recording, BadQuoted,
                         ::testing::Values(BadQuote{"Unterminated", "\"open"},
                                           BadQuote{"UnknownEscape", "\"a\\q\""},
                                           BadQuote{"ShortHex", "\"\\x4\""},
                                           BadQuote{"EscapeAtEnd", "\"a\\"}),
                         [](const auto &p) { return std::string(p.param.name); });

}  // namespace
