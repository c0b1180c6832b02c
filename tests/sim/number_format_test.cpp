// numberToText against the native C library's own "%.13g". glibc prints
// the exact value correctly rounded, exact ties to even, which is what
// numberToText promises on every system; other C libraries differ, so this
// comparison lives with the native-only tests.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "support/text.h"

namespace {

// The C library writes at least two exponent digits, we write three.
std::string nativeFormat(double x)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.13g", x);
    std::string text = buffer;
    const std::size_t e = text.find('e');
    if (e == std::string::npos) return text;
    const std::size_t digitsStart = e + 2;
    const std::size_t digits = text.size() - digitsStart;
    if (digits < 3) text.insert(digitsStart, 3 - digits, '0');
    return text;
}

// Each value whose text differs, shown with both texts, so that a failure
// names the values rather than only counting them.
std::vector<std::string> mismatches(const std::vector<double>& values)
{
    std::vector<std::string> found;
    for (const double x : values) {
        const std::string ours = numberToText(x).c_str();
        const std::string theirs = nativeFormat(x);
        if (ours == theirs) continue;
        char exact[64];
        std::snprintf(exact, sizeof exact, "%a", x);
        found.push_back(std::string(exact) + ": " + ours + " vs " + theirs);
    }
    return found;
}

// Finite doubles from a fixed seed, so every run checks the same values,
// with biased binary exponents from lowest to highest; mt19937_64's output
// is fixed by the standard, unlike the distributions'.
std::vector<double> randomDoubles(std::size_t count, std::uint64_t lowest, std::uint64_t highest)
{
    std::mt19937_64 bits(20240611);
    std::vector<double> values;
    values.reserve(count);
    constexpr std::uint64_t mantissaMask = (std::uint64_t{1} << 52) - 1;
    constexpr std::uint64_t signBit = std::uint64_t{1} << 63;
    while (values.size() < count) {
        const std::uint64_t r = bits();
        const std::uint64_t exponent = lowest + ((r >> 52) & 0x7FF) % (highest - lowest + 1);
        values.push_back(std::bit_cast<double>((r & (signBit | mantissaMask)) | (exponent << 52)));
    }
    return values;
}

TEST(NumberFormat, AwkwardValuesMatchTheCLibrary)
{
    const std::vector<double> values = {
        0.0, -0.0, 1.0, -1.0, 0.5, 1.5, 2.5, -2.5, 0.125, 0.1, 0.2, 0.1 + 0.2, 1.0 / 3.0, 2.0 / 3.0,
        1e13 - 0.5, 9999999999999.5, 9999999999998.5, 9999999999999.4, 999999999999.95,
        1e13 - 1, 1e13, 1e13 + 1, 1e-4, 0.000099999999999996, 0.00009999999999995, 1e-5,
        1e15 + 0.5, 1e15 + 5, 1e16, 1e17 + 16, 1e22, 1e23, 9007199254740993.0, 4503599627370495.5,
        599.0, 123456789.125, 1234567890123.4, 1234567890123.5, 1234567890122.5,
        5e-324, -5e-324, 1e-323, 2.2250738585072009e-308, DBL_MIN, DBL_MIN / 2,
        std::nextafter(DBL_MIN, 0.0), DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), DBL_EPSILON,
        1e308, 1e-307, 1e100, 1e-300, 0.30000000000000004, 2.675, 1.0000000000005, 1.0000000000015,
    };
    EXPECT_THAT(mismatches(values), testing::IsEmpty());
}

TEST(NumberFormat, PowersOfTenAndTheirNeighboursMatchTheCLibrary)
{
    std::vector<double> values;
    for (int power = -323; power <= 308; ++power) {
        // strtod rather than stod: stod rejects the subnormal powers.
        const double x = std::strtod(("1e" + std::to_string(power)).c_str(), nullptr);
        values.insert(values.end(), {x, std::nextafter(x, 0.0), std::nextafter(x, DBL_MAX), -x});
    }
    EXPECT_THAT(mismatches(values), testing::IsEmpty());
}

// Values exactly halfway between two 13-digit texts: a 14-digit whole
// number ending in 5, and a 13-digit whole number and a half, spread out
// so that the last kept digit is odd as often as even.
TEST(NumberFormat, ExactTiesRoundToEvenLikeTheCLibrary)
{
    std::vector<double> values;
    for (std::int64_t n = 0; n < 2000; ++n) {
        const std::int64_t spread = n * 4398046511;
        values.push_back(static_cast<double>(10000000000005 + 10 * spread));
        values.push_back(static_cast<double>(1000000000000 + spread % 9000000000000) + 0.5);
    }
    EXPECT_THAT(mismatches(values), testing::IsEmpty());
}

TEST(NumberFormat, RandomBitPatternsMatchTheCLibrary)
{
    // Every finite exponent, and then the exponents where the two layouts
    // meet, which whole-range patterns hit only rarely.
    EXPECT_THAT(mismatches(randomDoubles(100000, 0, 2046)), testing::IsEmpty());
    EXPECT_THAT(mismatches(randomDoubles(100000, 1023 - 20, 1023 + 50)), testing::IsEmpty());
}

}  // namespace
