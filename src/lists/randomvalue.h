#pragma once
// Random numbers for the random calls of expression lines.
#include <string>
#include <string_view>

namespace orv {

// One random number between the bounds, inclusive, as text. Integer bounds
// give an integer; a low bound in exponent form gives a real number; any other
// low bound gives empty text. An integer low bound with a high bound that is
// no 32-bit integer raises EConvertError.
std::string RandomValue(std::string_view low, std::string_view high);

// A random real number below x, formed digit by digit on the general real
// format of x: the leading digits stay bounded by those of x until one is
// drawn smaller, the later ones are free digits 0 to 8.
long double RealBelow(long double x);

}  // namespace orv
