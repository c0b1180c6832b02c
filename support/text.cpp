#include "support/text.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

Text::Text(const char* bytes) : storage_(bytes != nullptr ? bytes : "") {}

Text::Text(std::string_view bytes) : storage_(bytes.substr(0, bytes.find('\0'))) {}

const char* Text::c_str() const { return storage_.c_str(); }

char* Text::buffer() { return storage_.data(); }

int Text::bufferSize() const { return static_cast<int>(storage_.size()); }

namespace {

// The value stops at the first zero byte even when a platform call has
// written a shorter string into a larger buffer.
std::string_view valueOf(const Text& text) { return std::string_view(text.c_str()); }

unsigned char byteAt(std::string_view s, std::size_t pos) {
    return static_cast<unsigned char>(s[pos]);
}

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

bool isIdeographicSpaceAt(std::string_view s, std::size_t pos) {
    return isPairAt(s, pos, 0xA1, 0xA1);
}

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
    for (const Text& part : parts)
        total += valueOf(part).size();
    std::string joined;
    joined.reserve(total);
    for (const Text& part : parts)
        joined += valueOf(part);
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
    while (begin < s.size() && isTrimBlankAt(s, begin))
        begin += characterWidth(s, begin);
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
    if (pos + 1 < s.size() && byteAt(s, pos) == 0xA3 && byteAt(s, pos + 1) >= 0xB0 &&
        byteAt(s, pos + 1) <= 0xB9) {
        return byteAt(s, pos + 1) - 0xB0;
    }
    return -1;
}

}  // namespace

std::int32_t toInteger(const Text& text) {
    const std::string_view s = valueOf(text);
    std::size_t pos = 0;
    while (pos < s.size() && isNumberBlankAt(s, pos))
        pos += characterWidth(s, pos);
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

// A decimal number spelled out: the first of digits stands for 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// A whole number in base 10^9, least significant limb first.
using BigInteger = std::vector<std::uint32_t>;

constexpr std::uint32_t limbBase = 1000000000;
constexpr int limbDigits = 9;

BigInteger toBigInteger(std::uint64_t n) {
    BigInteger limbs;
    for (; n != 0; n /= limbBase)
        limbs.push_back(static_cast<std::uint32_t>(n % limbBase));
    return limbs;
}

// A limb times any 32-bit factor plus the carry stays below 2^64.
void multiplyBy(BigInteger& limbs, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % limbBase);
        carry = product / limbBase;
    }
    for (; carry != 0; carry /= limbBase)
        limbs.push_back(static_cast<std::uint32_t>(carry % limbBase));
}

// Multiplies by base^count, as many factors of base at a time as fit in 32 bits.
void multiplyByPower(BigInteger& limbs, std::uint32_t base, int count) {
    constexpr std::uint32_t largestFactor = std::numeric_limits<std::uint32_t>::max();
    while (count > 0) {
        std::uint32_t factor = 1;
        for (; count > 0 && factor <= largestFactor / base; --count)
            factor *= base;
        multiplyBy(limbs, factor);
    }
}

std::string toDigits(const BigInteger& limbs) {
    std::string digits = std::to_string(limbs.back());
    for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        digits.append(static_cast<std::size_t>(limbDigits) - part.size(), '0').append(part);
    }
    return digits;
}

// Every digit of a finite, positive magnitude, exactly: a double is m * 2^e,
// and for negative e that is m * 5^-e shifted -e places to the right. Our own
// arithmetic gives the same digits on every C library.
Decimal exactDecimal(double magnitude) {
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    constexpr int mantissaBits = std::numeric_limits<double>::digits;
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, mantissaBits));
    binaryExponent -= mantissaBits;
    // Fewer fives to multiply by, and no trailing zeros to carry along.
    const int spareTwos = std::min(std::countr_zero(mantissa), std::max(-binaryExponent, 0));
    mantissa >>= spareTwos;
    binaryExponent += spareTwos;

    BigInteger limbs = toBigInteger(mantissa);
    if (binaryExponent >= 0) {
        multiplyByPower(limbs, 2, binaryExponent);
    } else {
        multiplyByPower(limbs, 5, -binaryExponent);
    }
    Decimal exact;
    exact.digits = toDigits(limbs);
    exact.exponent = static_cast<int>(exact.digits.size()) - 1 + std::min(binaryExponent, 0);
    return exact;
}

// Whether the dropped digits, at least one, call for rounding up: above
// half, or exactly half with an odd last kept digit, which is what printf
// does in the default rounding mode.
bool roundsUp(std::string_view kept, std::string_view dropped) {
    if (dropped.front() < '5') return false;
    if (dropped.front() > '5') return true;
    const bool aboveHalf = dropped.find_first_not_of('0', 1) != std::string_view::npos;
    return aboveHalf || (kept.back() - '0') % 2 != 0;
}

// Rounds to significantDigits digits, padding short ones with zeros; a
// carry out of the first digit (9.9999999999995 to 10) adds a new one.
Decimal roundToSignificantDigits(Decimal exact) {
    constexpr auto width = static_cast<std::size_t>(significantDigits);
    const std::string_view all = exact.digits;
    const bool up = all.size() > width && roundsUp(all.substr(0, width), all.substr(width));
    exact.digits.resize(width, '0');
    if (!up) return exact;
    const std::size_t lastBelowNine = exact.digits.find_last_not_of('9');
    if (lastBelowNine == std::string::npos) {
        exact.digits = "1" + std::string(width - 1, '0');
        ++exact.exponent;
        return exact;
    }
    ++exact.digits[lastBelowNine];
    std::fill(exact.digits.begin() + static_cast<std::ptrdiff_t>(lastBelowNine) + 1,
              exact.digits.end(), '0');
    return exact;
}

Decimal roundedDecimal(double x) {
    Decimal exact = x == 0 ? Decimal{false, "0", 0} : exactDecimal(std::fabs(x));
    exact.negative = std::signbit(x);
    return roundToSignificantDigits(std::move(exact));
}

// number always holds a decimal point.
std::string withoutTrailingZeros(std::string number) {
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.') number.pop_back();
    return number;
}

std::string plainNotation(const Decimal& r) {
    if (r.exponent < 0) {
        return withoutTrailingZeros(
            "0." + std::string(static_cast<std::size_t>(-r.exponent - 1), '0') + r.digits);
    }
    const std::size_t integerDigits = static_cast<std::size_t>(r.exponent) + 1;
    return withoutTrailingZeros(r.digits.substr(0, integerDigits) + "." +
                                r.digits.substr(integerDigits));
}

std::string exponentNotation(const Decimal& r) {
    std::string magnitude = std::to_string(std::abs(r.exponent));
    if (magnitude.size() < 3) magnitude.insert(0, 3 - magnitude.size(), '0');
    return withoutTrailingZeros(r.digits.substr(0, 1) + "." + r.digits.substr(1)) + "e" +
           (r.exponent < 0 ? "-" : "+") + magnitude;
}

}  // namespace

Text numberToText(double x) {
    if (std::isnan(x)) return Text("nan");
    if (std::isinf(x)) return Text(x < 0 ? "-inf" : "inf");
    const Decimal rounded = roundedDecimal(x);
    const bool plain = rounded.exponent >= -4 && rounded.exponent < significantDigits;
    const std::string body = plain ? plainNotation(rounded) : exponentNotation(rounded);
    return Text(std::string_view((rounded.negative ? "-" : "") + body));
}
