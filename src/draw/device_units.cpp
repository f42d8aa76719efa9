#include "draw/device_units.h"

#include <climits>
#include <cmath>

int truncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int64_t truncToInt64(double value)
{
    constexpr double limit = 9223372036854775808.0;   // 2^63
    if (std::isnan(value))
        return 0;
    if (value >= limit)
        return INT64_MAX;
    if (value <= -limit)
        return INT64_MIN;
    return static_cast<int64_t>(value);
}

static int clampToInt(int64_t value)
{
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

int saturatingAdd(int a, int b)
{
    return clampToInt(static_cast<int64_t>(a) + b);
}

int saturatingSub(int a, int b)
{
    return clampToInt(static_cast<int64_t>(a) - b);
}
