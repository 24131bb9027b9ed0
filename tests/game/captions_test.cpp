#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "captions.h"

namespace crumbleton {
namespace {

struct ReadCase {
    const char* caption;
    double lenient;
    double strict;  // NaN: not a number as a whole
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const ReadCase kReadCases[] = {
    {"3", 3, 3},          {"", 0, kNaN},    {"0", 0, 0},      {"6900", 6900, 6900}, {"19.98", 19.98, 19.98},
    {"  12", 12, 12},     {"12  ", 12, 12}, {"-4", -4, -4},   {"+7", 7, 7},         {"12abc", 12, kNaN},
    {"1.5.6", 1.5, kNaN}, {".5", 0.5, 0.5}, {"abc", 0, kNaN}, {"- 3", 0, kNaN},     {"3,5", 3, kNaN},
};

void ExpectReads(const ReadCase& c) {
    SCOPED_TRACE(std::string("caption \"") + c.caption + "\"");
    EXPECT_DOUBLE_EQ(CaptionToNumber(c.caption), c.lenient);
    if (std::isnan(c.strict)) {
        EXPECT_TRUE(std::isnan(CaptionToNumberStrict(c.caption)));
    } else {
        EXPECT_DOUBLE_EQ(CaptionToNumberStrict(c.caption), c.strict);
    }
}

struct WriteCase {
    double value;
    const char* caption;
};

const WriteCase kWriteCases[] = {
    {3, "3"},
    {2, "2"},
    {6900, "6900"},
    {0, "0"},
    {-0.0, "0"},
    {0.01, "0.01"},
    {19.99 - 0.01, "19.98"},
    {0.5, "0.5"},
    {-0.25, "-0.25"},
    {-1, "-1"},
    {1e15, "1000000000000000"},
    {1e-5, "0.00001"},
    {123456.789, "123456.789"},
    // 15 significant digits hide the binary residue of decimal steps.
    {0.1 + 0.2, "0.3"},
};

void ExpectWrites(const WriteCase& c) { EXPECT_EQ(NumberToCaption(c.value), c.caption) << c.value; }

TEST(CaptionsTest, ReadAndWriteNumbers) {
    for (const ReadCase& c : kReadCases) ExpectReads(c);
    for (const WriteCase& c : kWriteCases) ExpectWrites(c);
}

TEST(CaptionsTest, CountdownStaysAtExactHundredths) {
    // The countdown reads its caption back and writes it anew every tick.
    std::string caption = "20";
    for (int tick = 0; tick < 2000; ++tick) caption = NumberToCaption(CaptionToNumber(caption) - 0.01);
    EXPECT_EQ(caption, "0");
    caption = "19.99";
    caption = NumberToCaption(CaptionToNumber(caption) - 0.01);
    EXPECT_EQ(caption, "19.98");
}

TEST(CaptionsTest, ShortNumbersReadAndWriteExactlyAsTheGeneralConversions) {
    // Short captions take a quicker road than long ones; both must agree with
    // from_chars and %.15g to the last bit, up to 15 digits and beyond.
    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 18);
        std::string text = std::to_string(random() % 1000000000000000000ull).substr(0, digits);
        if (random() % 2) text.insert(random() % (text.size() + 1), ".");
        if (text == ".") continue;
        std::string canonical = text.front() == '.' ? "0" + text : text;
        double expected = 0;
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), expected);
        ASSERT_EQ(CaptionToNumber(text), expected) << text;
    }
    for (double value : {1.0, -1.0, 99.0, 6900.0, -3.0, 999999999999999.0, -999999999999999.0}) {
        std::array<char, 64> expected{};
        std::snprintf(expected.data(), expected.size(), "%.15g", value);
        EXPECT_EQ(NumberToCaption(value), expected.data());
    }
    EXPECT_EQ(NumberToCaption(1e15), "1000000000000000");
    EXPECT_EQ(NumberToCaption(-1e15), "-1000000000000000");
}

TEST(CaptionsTest, IgnoreTheUsersLocale) {
    // A locale whose decimal separator is a comma must not change a thing.
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "C.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr && *std::localeconv()->decimal_point == ',') {
            comma = name;
            break;
        }
    }
    if (comma == nullptr) {
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    for (const ReadCase& c : kReadCases) ExpectReads(c);
    for (const WriteCase& c : kWriteCases) ExpectWrites(c);
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace crumbleton
