#include "captions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace crumbleton {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number ("12", "12.5", ".5", "12.") at the start of text.
std::size_t NumberLength(std::string_view text) {
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && IsDigit(text[j])) ++j, ++digits;
        if (digits > 0) i = j;
    }
    return digits > 0 ? i : 0;
}

struct Parsed {
    double value = 0;
    std::size_t end = 0;  // index after the number, 0 when there is none
};

Parsed ParseLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t length = NumberLength(text.substr(i));
    if (length == 0) return {};
    // Whatever the locale, "." is the point; ".5" and "12." read too.
    double value = 0;
    std::from_chars(text.data() + i, text.data() + i + length, value, std::chars_format::fixed);
    return {negative ? -value : value, i + length};
}

}  // namespace

double CaptionToNumber(std::string_view text) { return ParseLeadingNumber(text).value; }

double CaptionToNumberStrict(std::string_view text) {
    const Parsed parsed = ParseLeadingNumber(text);
    if (parsed.end == 0) return std::numeric_limits<double>::quiet_NaN();
    for (std::size_t i = parsed.end; i < text.size(); ++i)
        if (!IsBlank(text[i])) return std::numeric_limits<double>::quiet_NaN();
    return parsed.value;
}

std::string NumberToCaption(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    // Whole numbers of up to 15 digits (lives, points) print as themselves.
    if (std::abs(value) < 1e15 && value == std::trunc(value)) {
        std::array<char, 24> buffer{};
        const auto result =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<std::int64_t>(value));
        return std::string(buffer.data(), result.ptr);
    }
    // %.15g: 15 significant digits, trailing zeros dropped; it may choose an exponent.
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    const std::size_t e = text.find('e');
    if (e == std::string::npos) return text;

    // Spell the exponent form out as plain decimal text.
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), exponent);
    std::string mantissa = text.substr(0, e);
    const bool negative = mantissa.front() == '-';
    if (negative) mantissa.erase(0, 1);
    std::string digits;
    for (char c : mantissa)
        if (c != '.') digits += c;
    // The mantissa has one digit before its point.
    const int point = 1 + exponent;
    std::string plain;
    if (point <= 0) {
        plain = "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (static_cast<std::size_t>(point) >= digits.size()) {
        plain = digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
    } else {
        plain = digits.substr(0, static_cast<std::size_t>(point)) + "." +
                digits.substr(static_cast<std::size_t>(point));
    }
    return negative ? "-" + plain : plain;
}

}  // namespace crumbleton
