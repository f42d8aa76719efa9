#pragma once

#include <cstdint>

// Reals become device units by cutting toward zero. Values from the files reach far beyond int
// (or are infinite), and converting those is undefined behaviour, so every conversion clamps
// first: such values stick to the ends of the range and draw far off the page.

// Cuts toward zero, clamped to the int range; NaN gives 0.
int truncToInt(double value);
// The same for 64-bit integers.
int64_t truncToInt64(double value);
// a + b, a - b clamped to the int range instead of wrapping.
int saturatingAdd(int a, int b);
int saturatingSub(int a, int b);
