#include "support/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>

Text::Text(const char* bytes) : storage_(bytes != nullptr ? bytes : "") {}

Text::Text(std::string_view bytes) : storage_(bytes.substr(0, bytes.find('\0'))) {}

const char* Text::c_str() const { return storage_.c_str(); }

char* Text::buffer() { return storage_.data(); }

int Text::bufferSize() const { return static_cast<int>(storage_.size()); }

namespace {

// The value stops at the first zero byte even when a platform call has
// written a shorter string into a larger buffer.
std::string_view valueOf(const Text& text) { return std::string_view(text.c_str()); }

unsigned char byteAt(std::string_view s, std::size_t pos) { return static_cast<unsigned char>(s[pos]); }

// Every byte with the top bit set opens a two-byte character, whatever the
// code page, so that the same bytes read the same way on every system.
bool isLeadByte(unsigned char byte) { return byte >= 0x80; }

// A lead byte at the very end has no partner and stands alone.
bool isIncompleteAt(std::string_view s, std::size_t pos) {
    return isLeadByte(byteAt(s, pos)) && pos + 1 == s.size();
}

std::size_t characterWidth(std::string_view s, std::size_t pos) {
    return isLeadByte(byteAt(s, pos)) && pos + 1 < s.size() ? 2 : 1;
}

// Callers pass character starts only, so the pair is never the tail of one
// character and the head of the next.
bool isPairAt(std::string_view s, std::size_t pos, unsigned char first, unsigned char second) {
    return pos + 1 < s.size() && byteAt(s, pos) == first && byteAt(s, pos + 1) == second;
}

bool isIdeographicSpaceAt(std::string_view s, std::size_t pos) { return isPairAt(s, pos, 0xA1, 0xA1); }

bool isTrimBlankAt(std::string_view s, std::size_t pos) {
    return s[pos] == ' ' || isIdeographicSpaceAt(s, pos);
}

char foldAsciiUpper(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::int32_t toInt32(std::size_t count) { return static_cast<std::int32_t>(count); }

}  // namespace

std::int32_t textLength(const Text& text) { return toInt32(valueOf(text).size()); }

std::int32_t compareTexts(const Text& first, const Text& second) {
    // char_traits<char> compares as unsigned char, so 0xB0 sorts after 'A'.
    const int order = valueOf(first).compare(valueOf(second));
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

Text concatTexts(std::initializer_list<Text> parts) {
    std::size_t total = 0;
    for (const Text& part : parts) total += valueOf(part).size();
    std::string joined;
    joined.reserve(total);
    for (const Text& part : parts) joined += valueOf(part);
    return Text(std::string_view(joined));
}

Text duplicateText(const Text& text) { return Text(valueOf(text)); }

Text blankText(std::int32_t n) {
    if (n <= 0) return Text();
    return Text(std::string_view(std::string(static_cast<std::size_t>(n), ' ')));
}

Text textFromAddress(const char* address) { return Text(address); }

namespace {

// Where the value ends once the trailing run of blanks is dropped, or just
// before an incomplete character at the end; blanks in front of such a
// character stay, as it is not a blank that ends the text.
std::size_t trimmedEnd(std::string_view s, std::size_t begin) {
    const std::size_t noRun = s.size();
    std::size_t runStart = noRun;
    for (std::size_t pos = begin; pos < s.size(); pos += characterWidth(s, pos)) {
        if (isIncompleteAt(s, pos)) return pos;
        if (!isTrimBlankAt(s, pos)) {
            runStart = noRun;
        } else if (runStart == noRun) {
            runStart = pos;
        }
    }
    return runStart;
}

}  // namespace

Text trimBothEnds(const Text& text) {
    const std::string_view s = valueOf(text);
    std::size_t begin = 0;
    while (begin < s.size() && isTrimBlankAt(s, begin)) begin += characterWidth(s, begin);
    const std::size_t end = trimmedEnd(s, begin);
    return Text(s.substr(begin, end - begin));
}

Text toLowerCase(const Text& text) {
    std::string lowered(valueOf(text));
    // Only the first byte of each character is folded: a second byte in
    // 'A'-'Z' belongs to a two-byte character and a first byte of one is
    // never a letter.
    for (std::size_t pos = 0; pos < lowered.size(); pos += characterWidth(lowered, pos)) {
        lowered[pos] = foldAsciiUpper(lowered[pos]);
    }
    return Text(std::string_view(lowered));
}

namespace {

bool bytesMatch(std::string_view candidate, std::string_view needle, bool ignoreCase) {
    if (!ignoreCase) return candidate == needle;
    return std::equal(candidate.begin(), candidate.end(), needle.begin(), needle.end(),
                      [](char a, char b) { return foldAsciiUpper(a) == foldAsciiUpper(b); });
}

}  // namespace

std::int32_t findText(const Text& haystack, const Text& needle, bool ignoreCase) {
    const std::string_view h = valueOf(haystack);
    const std::string_view n = valueOf(needle);
    if (n.empty()) return h.empty() ? -1 : 1;
    // Matches may start only at character starts; an incomplete last byte is
    // stepped over as one byte, which ends the search.
    for (std::size_t pos = 0; h.size() - pos >= n.size(); pos += characterWidth(h, pos)) {
        if (bytesMatch(h.substr(pos, n.size()), n, ignoreCase)) return toInt32(pos + 1);
    }
    return -1;
}

namespace {

bool isNumberBlankAt(std::string_view s, std::size_t pos) {
    const unsigned char byte = byteAt(s, pos);
    return byte == ' ' || (byte >= 0x09 && byte <= 0x0D) || isIdeographicSpaceAt(s, pos);
}

// '+' or '-' for a sign at pos, full-width forms included; 0 for anything else.
char signAt(std::string_view s, std::size_t pos) {
    if (pos >= s.size()) return 0;
    if (s[pos] == '+' || s[pos] == '-') return s[pos];
    if (isPairAt(s, pos, 0xA3, 0xAB)) return '+';
    if (isPairAt(s, pos, 0xA3, 0xAD)) return '-';
    return 0;
}

// Value of the digit at pos, full-width forms included; -1 for anything else.
int digitAt(std::string_view s, std::size_t pos) {
    if (pos >= s.size()) return -1;
    if (s[pos] >= '0' && s[pos] <= '9') return s[pos] - '0';
    if (pos + 1 < s.size() && byteAt(s, pos) == 0xA3 && byteAt(s, pos + 1) >= 0xB0 && byteAt(s, pos + 1) <= 0xB9) {
        return byteAt(s, pos + 1) - 0xB0;
    }
    return -1;
}

}  // namespace

std::int32_t toInteger(const Text& text) {
    const std::string_view s = valueOf(text);
    std::size_t pos = 0;
    while (pos < s.size() && isNumberBlankAt(s, pos)) pos += characterWidth(s, pos);
    const char sign = signAt(s, pos);
    if (sign != 0) pos += characterWidth(s, pos);
    // Unsigned arithmetic wraps modulo 2^32 by definition; the signed
    // conversion at the end is modular too.
    std::uint32_t value = 0;
    for (int digit = digitAt(s, pos); digit >= 0; digit = digitAt(s, pos)) {
        value = value * 10u + static_cast<std::uint32_t>(digit);
        pos += characterWidth(s, pos);
    }
    if (sign == '-') value = 0u - value;
    return static_cast<std::int32_t>(value);
}

namespace {

constexpr int significantDigits = 13;

// x rounded to significantDigits digits: digits holds them all, the first
// standing for 10^exponent.
struct RoundedDecimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// std::to_chars is implemented inside libstdc++ and is exact, so the digits
// do not depend on the C library the program runs on, unlike printf.
RoundedDecimal roundToSignificantDigits(double x) {
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, significantDigits - 1);
    std::string_view s(buffer, static_cast<std::size_t>(written.ptr - buffer));
    RoundedDecimal rounded;
    rounded.negative = s.front() == '-';
    if (rounded.negative) s.remove_prefix(1);
    // s is now "d.dddddddddddde+XX"
    const std::size_t e = s.find('e');
    rounded.digits = std::string(s.substr(0, 1)).append(s.substr(2, e - 2));
    const bool negativeExponent = s[e + 1] == '-';
    std::from_chars(s.data() + e + 2, s.data() + s.size(), rounded.exponent);
    if (negativeExponent) rounded.exponent = -rounded.exponent;
    return rounded;
}

// number always holds a decimal point.
std::string withoutTrailingZeros(std::string number) {
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.') number.pop_back();
    return number;
}

std::string plainNotation(const RoundedDecimal& r) {
    if (r.exponent < 0) {
        return withoutTrailingZeros("0." + std::string(static_cast<std::size_t>(-r.exponent - 1), '0') + r.digits);
    }
    const std::size_t integerDigits = static_cast<std::size_t>(r.exponent) + 1;
    return withoutTrailingZeros(r.digits.substr(0, integerDigits) + "." + r.digits.substr(integerDigits));
}

std::string exponentNotation(const RoundedDecimal& r) {
    std::string magnitude = std::to_string(std::abs(r.exponent));
    if (magnitude.size() < 3) magnitude.insert(0, 3 - magnitude.size(), '0');
    return withoutTrailingZeros(r.digits.substr(0, 1) + "." + r.digits.substr(1)) + "e" +
           (r.exponent < 0 ? "-" : "+") + magnitude;
}

}  // namespace

Text numberToText(double x) {
    if (std::isnan(x)) return Text("nan");
    if (std::isinf(x)) return Text(x < 0 ? "-inf" : "inf");
    const RoundedDecimal rounded = roundToSignificantDigits(x);
    const bool plain = rounded.exponent >= -4 && rounded.exponent < significantDigits;
    const std::string body = plain ? plainNotation(rounded) : exponentNotation(rounded);
    return Text(std::string_view((rounded.negative ? "-" : "") + body));
}
