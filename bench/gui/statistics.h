#pragma once

#include <algorithm>
#include <vector>

namespace bench {

// The middle value; for an even count, the mean of the two middle values.
inline double median(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// How a measured ratio or time stands against its ceiling, for the report.
inline const char* verdict(double measured, double ceiling) {
    return measured <= ceiling ? "met" : "MISSED";
}

} // namespace bench
