#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// A byte string in the system ANSI code page. Its value is the bytes before
// the first zero byte of its storage, so that a platform call may write into
// the storage and leave a shorter zero-terminated value behind. A text built
// from nothing (the absent text) and the empty text are the same value;
// nothing in the program tells them apart.
class Text {
public:
    Text() = default;
    explicit Text(const char* bytes);
    explicit Text(std::string_view bytes);

    // Never null: "" for the empty text.
    const char* c_str() const;

    // Writable storage of bufferSize() bytes followed by one more zero byte,
    // so a platform call told "bufferSize() bytes, terminator included" cannot
    // write past it. Meant for texts made by blankText.
    char* buffer();
    int bufferSize() const;

private:
    std::string storage_;
};

// Byte count of the value.
std::int32_t textLength(const Text& text);

// Byte-wise comparison as unsigned bytes: -1, 0 or 1.
std::int32_t compareTexts(const Text& first, const Text& second);

Text concatTexts(std::initializer_list<Text> parts);
Text duplicateText(const Text& text);

// n spaces; the empty text for n <= 0.
Text blankText(std::int32_t n);

// Copy of the zero-terminated bytes at address; nullptr gives the empty text.
Text textFromAddress(const char* address);

// Strips spaces and ideographic spaces from both ends and cuts off an
// incomplete two-byte character at the end.
Text trimBothEnds(const Text& text);

// Folds 'A'-'Z' only, and only where they stand as one-byte characters.
Text toLowerCase(const Text& text);

// 1-based byte position of the first match of needle that starts on a
// character boundary of haystack, or -1.
std::int32_t findText(const Text& haystack, const Text& needle, bool ignoreCase);

// Leading decimal integer, full-width digits, signs and space accepted,
// wrapping modulo 2^32; 0 when there are no digits.
std::int32_t toInteger(const Text& text);

// The "%.13g" layout with an exponent of at least three digits, identical on
// every C library.
Text numberToText(double x);
