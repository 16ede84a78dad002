#pragma once

#include <cmath>

#include "windows/layout.h"

namespace quarvel::qt {

// Turns twips into pixels at the screen's logical resolution: 1440 twips to an inch, so 15 twips
// to a pixel at 96 dots per inch.
class TwipScale {
public:
    explicit TwipScale(double dotsPerInch) : dotsPerInch_(dotsPerInch) {}

    int pixels(int twips) const {
        return static_cast<int>(std::lround(twips * dotsPerInch_ / 1440.0));
    }
    // Edges are converted, not sizes, so controls that touch in twips touch on screen.
    Bounds pixels(const Bounds& twips) const {
        int left = pixels(twips.left);
        int top = pixels(twips.top);
        return {left, top, pixels(twips.left + twips.width) - left,
                pixels(twips.top + twips.height) - top};
    }

private:
    double dotsPerInch_;
};

}  // namespace quarvel::qt
