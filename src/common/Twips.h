#pragma once

#include <cmath>

// Window and picture sizes are given in twips, 1/1440 inch.
namespace valtrane::twips {

constexpr int PerInch = 1440;

inline int toPixels(double twips, double dotsPerInch)
{
    return int(std::lround(twips * dotsPerInch / PerInch));
}

} // namespace valtrane::twips
