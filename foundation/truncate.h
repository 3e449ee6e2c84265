// Real numbers from outside (JSON requests, the host's rectangles) turned
// into integers without an undefined conversion.
#ifndef FOUNDATION_TRUNCATE_H
#define FOUNDATION_TRUNCATE_H

#include <cmath>
#include <limits>

namespace Foundation {

/// `value` truncated toward zero and clamped to N's range; NaN gives 0.
template <class N>
N TruncateToRange(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= static_cast<double>(std::numeric_limits<N>::min())) {
        return std::numeric_limits<N>::min();
    }
    if (value >= static_cast<double>(std::numeric_limits<N>::max())) {
        return std::numeric_limits<N>::max();
    }
    return static_cast<N>(value);
}

}  // namespace Foundation

#endif
