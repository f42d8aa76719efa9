#pragma once

#include <array>
#include <string_view>

// The number syntax shared by the amplitude and the reference file.

inline constexpr int maxColumns = 10;

using LineNumbers = std::array<double, maxColumns>;

// True for a byte from 0x41 to 0x7A (capital A to small z, with [ \ ] ^ _ ` between them),
// which makes an amplitude file invalid. Bytes of value 128 or more are never refused.
constexpr bool isRefusedCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x41 && byte <= 0x7A;
}

// True when the piece holds a refused character anywhere.
bool containsRefusedCharacter(std::string_view piece);

// The offset of the first refused character in bytes, or bytes.size() when there is none. Tests
// 16 bytes at a time with SSE2 where the target has it, else 64 at a time in portable code.
size_t findRefusedCharacter(std::string_view bytes);

// Reads up to ten numbers from a piece into numbers[0..] and returns how many were read (0 to
// 10). Every character other than a digit, "." and "-" separates numbers. A number is an
// optional "-", digits, an optional "." and digits, with at least one digit, read with "." as
// decimal point whatever the locale and rounded correctly. Reading stops at the first place
// where no number can be read ("-" or "." alone, "--"); later numbers in the piece are not
// read. A number too large for a double reads as an infinity of its sign, one too small for
// its smallest denormal as a zero of its sign, as strtod gives them. The slots from the
// returned count on are left as they were.
int readNumbers(std::string_view piece, LineNumbers &numbers);

// Never less than readNumbers returns for the piece, and the same when the piece holds at most
// ten numbers and nothing but separators between them; counts without converting, several times
// faster.
int countNumbersAtMost(std::string_view piece);
