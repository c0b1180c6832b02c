#include "support/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

// Two-byte characters spelled as bytes so the cases do not depend on how
// the compiler converts the source charset.
#define IDEOGRAPHIC_SPACE "\xA1\xA1"
#define AH "\xB0\xA1"                     // 啊
#define LEFT_QUOTE "\xA1\xB0"             // “
#define UPPER_SECOND_BYTE "\x81\x41"      // 丄: second byte is 'A'
#define LOWER_SECOND_BYTE "\x81\x61"      // 乤: second byte is 'a'
#define FULLWIDTH_PLUS "\xA3\xAB"
#define FULLWIDTH_MINUS "\xA3\xAD"
#define FULLWIDTH_DIGIT(d) "\xA3" d       // d is "\xB0".."\xB9"

std::string valueOf(const Text& text) { return text.c_str(); }

// nullptr in a table stands for the absent text.
Text textOf(const char* bytes) { return Text(bytes); }

TEST(TextValue, AbsentAndEmptyAreTheSameValue) {
    const Text absent;
    const Text fromNull(static_cast<const char*>(nullptr));
    const Text empty("");
    for (const Text* text : {&absent, &fromNull, &empty}) {
        EXPECT_STREQ(text->c_str(), "");
        EXPECT_EQ(textLength(*text), 0);
        EXPECT_EQ(compareTexts(*text, Text()), 0);
    }
}

TEST(TextValue, ValueEndsAtFirstZeroByte) {
    EXPECT_EQ(valueOf(Text(std::string_view("ab\0cd", 5))), "ab");
    EXPECT_EQ(valueOf(Text(std::string_view("abcd", 2))), "ab");
}

TEST(TextValue, SourceLiteralIsStoredAsGbk) {
    const Text prefix("剩余工作倒计时：");
    EXPECT_EQ(valueOf(prefix), "\xCA\xA3\xD3\xE0\xB9\xA4\xD7\xF7\xB5\xB9\xBC\xC6\xCA\xB1\xA3\xBA");
    EXPECT_EQ(textLength(prefix), 16);
}

TEST(TextValue, CopiesAreIndependent) {
    Text original = blankText(3);
    const Text copy = original;
    original.buffer()[0] = 'x';
    EXPECT_EQ(valueOf(copy), "   ");
    EXPECT_EQ(valueOf(original), "x  ");
}

TEST(TextValue, PlatformWriteIntoBlankBufferLeavesValueBeforeZero) {
    Text title = blankText(8);
    ASSERT_EQ(title.bufferSize(), 8);
    // What a platform call given 8 bytes would do with a longer title:
    // seven bytes and its own terminator.
    std::memcpy(title.buffer(), "ConsoleW", 7);
    title.buffer()[7] = '\0';
    EXPECT_EQ(textLength(title), 7);
    EXPECT_EQ(compareTexts(title, Text("Console")), 0);
    const Text copy = duplicateText(title);
    EXPECT_EQ(valueOf(copy), "Console");
    EXPECT_EQ(copy.bufferSize(), 7);
}

TEST(TextValue, FailedPlatformWriteLeavesTheSpaces) {
    Text untouched = blankText(4);
    EXPECT_EQ(valueOf(duplicateText(untouched)), "    ");
    EXPECT_EQ(untouched.buffer()[4], '\0');
}

TEST(TextLength, CountsBytesBeforeTheTerminator) {
    const struct {
        const char* text;
        std::int32_t length;
    } cases[] = {
        {nullptr, 0},
        {"", 0},
        {"abc", 3},
        {AH AH, 4},
        {"a\xB0", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(absent)");
        EXPECT_EQ(textLength(textOf(c.text)), c.length);
    }
}

TEST(CompareTexts, OrdersByUnsignedBytes) {
    const struct {
        const char* first;
        const char* second;
        std::int32_t order;
    } cases[] = {
        {nullptr, "", 0},
        {"", nullptr, 0},
        {nullptr, nullptr, 0},
        {"abc", "abc", 0},
        {"abc", "abd", -1},
        {"abd", "abc", 1},
        {"abc", "ab", 1},
        {"ab", "abc", -1},
        {"", "a", -1},
        {"\xB0", "A", 1},
        {"A", "\xB0", -1},
        {"a", "A", 1},
        {AH, AH, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first ? c.first : "(absent)") + " vs " + (c.second ? c.second : "(absent)"));
        EXPECT_EQ(compareTexts(textOf(c.first), textOf(c.second)), c.order);
    }
}

TEST(ConcatTexts, JoinsPartsInOrder) {
    const Text countdown = concatTexts({Text("剩余工作倒计时："), numberToText(599.0)});
    EXPECT_EQ(textLength(countdown), 19);
    EXPECT_EQ(valueOf(countdown), valueOf(Text("剩余工作倒计时：")) + "599");

    EXPECT_EQ(valueOf(concatTexts({Text("a"), Text(), Text("bc"), Text("")})), "abc");
    EXPECT_EQ(valueOf(concatTexts({Text("solo")})), "solo");
    EXPECT_EQ(valueOf(concatTexts({Text(), Text("")})), "");
}

TEST(ConcatTexts, PartsEndAtTheirFirstZero) {
    Text written = blankText(6);
    std::memcpy(written.buffer(), "ab\0xyz", 6);
    EXPECT_EQ(valueOf(concatTexts({written, Text("!")})), "ab!");
}

TEST(DuplicateText, CopiesTheValue) {
    EXPECT_EQ(valueOf(duplicateText(Text())), "");
    EXPECT_EQ(valueOf(duplicateText(Text(AH "x"))), AH "x");
}

TEST(BlankText, GivesNSpacesOrEmpty) {
    const struct {
        std::int32_t n;
        const char* value;
    } cases[] = {
        {std::numeric_limits<std::int32_t>::min(), ""},
        {-5, ""},
        {0, ""},
        {1, " "},
        {3, "   "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        const Text blank = blankText(c.n);
        EXPECT_EQ(valueOf(blank), c.value);
        EXPECT_EQ(blank.bufferSize(), textLength(blank));
    }
}

TEST(TextFromAddress, CopiesUpToTheZero) {
    EXPECT_EQ(valueOf(textFromAddress(nullptr)), "");
    EXPECT_EQ(valueOf(textFromAddress("")), "");
    char bytes[] = "click.exe";
    const Text copy = textFromAddress(bytes);
    bytes[0] = 'C';
    EXPECT_EQ(valueOf(copy), "click.exe");
}

TEST(TrimBothEnds, StripsSpacesAndIdeographicSpacesOnly) {
    const struct {
        const char* text;
        const char* trimmed;
    } cases[] = {
        {nullptr, ""},
        {"", ""},
        {"abc", "abc"},
        {IDEOGRAPHIC_SPACE " abc ", "abc"},
        {"  a b  ", "a b"},
        {"a" IDEOGRAPHIC_SPACE "b" IDEOGRAPHIC_SPACE, "a" IDEOGRAPHIC_SPACE "b"},
        {" " IDEOGRAPHIC_SPACE "  " IDEOGRAPHIC_SPACE, ""},
        {"abc \t", "abc \t"},
        {"\tabc", "\tabc"},
        {"abc \t ", "abc \t"},
        // Cut off an incomplete last character; the 0xA1 0xA1 that straddles
        // the two characters is no ideographic space.
        {AH "\xA1", AH},
        {"abc \xA1", "abc "},
        {"\xA1", ""},
        {" \xA1", ""},
        {"\xA1 abc", "\xA1 abc"},
        {IDEOGRAPHIC_SPACE "\xA1", ""},
        // Only pairs at a character start are blanks: here 0xB0 0xA1 is one
        // character and the trailing 0xA1 0x20 another.
        {"\xB0\xA1\xA1 ", AH "\xA1 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(absent)");
        EXPECT_EQ(valueOf(trimBothEnds(textOf(c.text))), c.trimmed);
    }
}

TEST(ToLowerCase, FoldsOneByteAsciiLettersOnly) {
    const struct {
        const char* text;
        const char* lowered;
    } cases[] = {
        {nullptr, ""},
        {"ConsoleWindowClass", "consolewindowclass"},
        {"@[`{AZaz09", "@[`{azaz09"},
        {UPPER_SECOND_BYTE, UPPER_SECOND_BYTE},
        {"X" UPPER_SECOND_BYTE "Y", "x" UPPER_SECOND_BYTE "y"},
        {"\xC0\xC1", "\xC0\xC1"},
        {"AB\x81", "ab\x81"},
        // 0x80 and 0xFF open two-byte characters like every other high byte.
        {"\x80" "A" "\xFF" "B", "\x80" "A" "\xFF" "B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(absent)");
        const Text lowered = toLowerCase(textOf(c.text));
        EXPECT_EQ(valueOf(lowered), c.lowered);
    }
}

TEST(FindText, FindsFirstMatchAtACharacterStart) {
    const struct {
        const char* haystack;
        const char* needle;
        bool ignoreCase;
        std::int32_t position;
    } cases[] = {
        {"C:\\dir\\click.exe", "click.exe", false, 8},
        {"CLICK.EXE", "click.exe", false, -1},
        {"CLICK.EXE", "click.exe", true, 1},
        {"click.exe", "CLICK.EXE", true, 1},
        {"abcabc", "c", false, 3},
        {"abc", "abc", false, 1},
        {"abc", "", false, 1},
        {"abc", nullptr, true, 1},
        {"", "", false, -1},
        {nullptr, nullptr, false, -1},
        {nullptr, "a", false, -1},
        {"ab", "abc", false, -1},
        // The bytes 0xA1 0xB0 occur at offset 1, which is inside a character.
        {AH AH, LEFT_QUOTE, false, -1},
        {AH LEFT_QUOTE, LEFT_QUOTE, false, 3},
        // Second bytes fold too when case is ignored.
        {LOWER_SECOND_BYTE, UPPER_SECOND_BYTE, true, 1},
        {LOWER_SECOND_BYTE, UPPER_SECOND_BYTE, false, -1},
        // A match may end inside a two-byte character.
        {"x" AH, "x\xB0", false, 1},
        // It never starts inside one, 0x80 and 0xFF leading as well.
        {"a\xB0" "b", "b", false, -1},
        {"\x80" "A", "A", false, -1},
        {"\xFF" "A", "A", false, -1},
        // A lone lead byte at the end is a character of its own.
        {"ab\xB0", "\xB0", false, 3},
        {"a\xB0", "x", false, -1},
        {"\xC4\xE3", "\xC4", false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.haystack ? c.haystack : "(absent)") + " / " + (c.needle ? c.needle : "(absent)") +
                     (c.ignoreCase ? " ignoring case" : ""));
        EXPECT_EQ(findText(textOf(c.haystack), textOf(c.needle), c.ignoreCase), c.position);
    }
}

TEST(ToInteger, ReadsLeadingDecimalIntegerWithWrapAround) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"600", 600},
        {" 20", 20},
        {"20 ", 20},
        {"", 0},
        {nullptr, 0},
        {"abc", 0},
        {"-5", -5},
        {"+7", 7},
        {"12abc", 12},
        {"1.9", 1},
        {"1e3", 1},
        {"0x10", 0},
        {FULLWIDTH_DIGIT("\xB6") FULLWIDTH_DIGIT("\xB0") FULLWIDTH_DIGIT("\xB0"), 600},
        {IDEOGRAPHIC_SPACE FULLWIDTH_DIGIT("\xB2") FULLWIDTH_DIGIT("\xB0"), 20},
        {FULLWIDTH_MINUS FULLWIDTH_DIGIT("\xB5"), -5},
        {FULLWIDTH_PLUS "4" FULLWIDTH_DIGIT("\xB2"), 42},
        {FULLWIDTH_DIGIT("\xB9") "9", 99},
        {"\t\n12", 12},
        {"\v\f\r 8", 8},
        {"\x08" "8", 0},
        {"- 5", 0},
        {"--5", 0},
        {"-+5", 0},
        {"1 2", 1},
        {"007", 7},
        {"-0", 0},
        // A lone 0xA3 at the end is no full-width digit.
        {"5\xA3", 5},
        {"\xA3\xBA", 0},
        {"2147483647", 2147483647},
        {"2147483648", std::numeric_limits<std::int32_t>::min()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"4294967296", 0},
        {"4294967301", 5},
        {"-4294967301", -5},
        {"99999999999999999999", 1661992959},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(absent)");
        EXPECT_EQ(toInteger(textOf(c.text)), c.value);
    }
}

TEST(NumberToText, FormatsLikePercentPoint13G) {
    const struct {
        double x;
        const char* text;
    } cases[] = {
        {599.0, "599"},
        {0.0, "0"},
        {-0.0, "-0"},
        {-1.0, "-1"},
        {0.5, "0.5"},
        {1.0 / 3.0, "0.3333333333333"},
        {-2.0 / 3.0, "-0.6666666666667"},
        {0.1 + 0.2, "0.3"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {1e-5, "1e-005"},
        {-1.25e-7, "-1.25e-007"},
        {1e12, "1000000000000"},
        {1e13, "1e+013"},
        {1.5e15, "1.5e+015"},
        {123456789.125, "123456789.125"},
        {1234567890123.4, "1234567890123"},
        {12345678901234.0, "1.234567890123e+013"},
        // Rounding carries into a new leading digit and so into the other
        // notation.
        {9999999999999.5, "1e+013"},
        {0.000099999999999996, "0.0001"},
        {1e100, "1e+100"},
        {1e-300, "1e-300"},
        {5e-324, "4.940656458412e-324"},
        {std::numeric_limits<double>::max(), "1.797693134862e+308"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {std::nan(""), "nan"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(valueOf(numberToText(c.x)), c.text);
    }
}

TEST(NumberToText, WholeCountdownValuesArePlainDigits) {
    for (const std::int32_t n : {0, 1, 9, 10, 20, 599, 600, 65536, 1000000, 2147483646}) {
        EXPECT_EQ(valueOf(numberToText(static_cast<double>(n))), std::to_string(n));
    }
}

}  // namespace
