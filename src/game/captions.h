#pragma once
// Lives, points and the countdown live in label captions; these read and write
// them as numbers, with "." as the decimal point whatever the user's locale.

#include <string>
#include <string_view>

namespace crumbleton {

// Leading blanks, an optional sign and the longest leading decimal number; the
// rest is ignored. Text without a leading number reads as 0.
double CaptionToNumber(std::string_view text);

// The whole caption as a number, blanks around it allowed. A caption that holds
// no number reads as NaN, which equals nothing, so no end-of-game check fires on it.
double CaptionToNumberStrict(std::string_view text);

// Plain decimal text at 15 significant digits: no exponent, no trailing zeros,
// "0" before a leading point, no blanks or group separators.
std::string NumberToCaption(double value);

}  // namespace crumbleton
