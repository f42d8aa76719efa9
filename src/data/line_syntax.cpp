#include "data/line_syntax.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr bool isNumberCharacter(char c)
{
    return isDigit(c) || c == '.' || c == '-';
}

// Numbers of at most this many digits have an integer mantissa below 2^53 and at most as many
// decimals as there are exact powers of ten in a double (10^22).
constexpr int fastPathDigits = 15;

constexpr double exactPowersOfTen[fastPathDigits + 1] = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// One number as strtod takes it once every other character has become a space: an optional
// "-", digits, an optional "." and digits, with at least one digit.
struct NumberToken {
    size_t length = 0;   // 0 when no number starts here
    bool negative = false;
    int digits = 0;
    int decimals = 0;
    uint64_t mantissa = 0;   // all digits as an integer, exact while digits <= fastPathDigits
};

void scanDigits(std::string_view text, NumberToken &token, int &counter)
{
    while (token.length < text.size() && isDigit(text[token.length])) {
        token.mantissa = token.mantissa * 10 + static_cast<uint64_t>(text[token.length] - '0');
        ++token.length;
        ++token.digits;
        ++counter;
    }
}

NumberToken scanNumber(std::string_view text)
{
    NumberToken token;
    if (!text.empty() && text.front() == '-') {
        token.negative = true;
        ++token.length;
    }
    int integerDigits = 0;
    scanDigits(text, token, integerDigits);
    if (token.length < text.size() && text[token.length] == '.') {
        ++token.length;
        scanDigits(text, token, token.decimals);
    }
    if (token.digits == 0)
        token.length = 0;
    return token;
}

double convertNumber(std::string_view text, const NumberToken &token)
{
    // Both operands are exact doubles and IEEE division rounds correctly, so this is the value
    // the general conversion gives, in a fraction of its time.
    if (token.digits <= fastPathDigits) {
        const double magnitude = static_cast<double>(token.mantissa) / exactPowersOfTen[token.decimals];
        return token.negative ? -magnitude : magnitude;
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + token.length, value);
    // from_chars reports a range error and keeps the value where strtod gives an infinity (too
    // many integer digits) or a zero (a fraction below the smallest denormal).
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view integerPart = text.substr(token.negative ? 1 : 0,
                                                         size_t(token.digits - token.decimals));
        const bool overflows = integerPart.find_first_not_of('0') != std::string_view::npos;
        const double magnitude = overflows ? std::numeric_limits<double>::infinity() : 0.0;
        return token.negative ? -magnitude : magnitude;
    }
    return value;
}

} // namespace

bool containsRefusedCharacter(std::string_view piece)
{
    return findRefusedCharacter(piece) != piece.size();
}

size_t findRefusedCharacter(std::string_view bytes)
{
    constexpr size_t round = 64;
    size_t position = 0;
#if defined(__SSE2__)
    // Adding 0x3F carries 0x41..0x7A to 0x80..0xB9, the only bytes that then lie below -70 when
    // read as signed; SSE2 compares signed bytes only.
    const __m128i shift = _mm_set1_epi8(0x3F);
    const __m128i bound = _mm_set1_epi8(-70);
    const auto refused = [&](size_t at) {
        const __m128i bytesAt = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes.data() + at));
        return _mm_cmplt_epi8(_mm_add_epi8(bytesAt, shift), bound);
    };
    const auto firstIn = [&](size_t at) {
        return static_cast<unsigned>(_mm_movemask_epi8(refused(at)));
    };
    // Four vectors and one test a round; the 16-byte loop then finds the byte.
    for (; position + round <= bytes.size(); position += round) {
        const __m128i any = _mm_or_si128(_mm_or_si128(refused(position), refused(position + 16)),
                                         _mm_or_si128(refused(position + 32), refused(position + 48)));
        if (_mm_movemask_epi8(any) != 0)
            break;
    }
    for (; position + 16 <= bytes.size(); position += 16) {
        if (const unsigned mask = firstIn(position))
            return position + static_cast<size_t>(std::countr_zero(mask));
    }
    // The last 16 bytes cover the rest; those before position are known to be clean.
    if (position < bytes.size() && bytes.size() >= 16) {
        const size_t last = bytes.size() - 16;
        const unsigned mask = firstIn(last);
        return mask ? last + static_cast<size_t>(std::countr_zero(mask)) : bytes.size();
    }
#else
    // Without an early exit inside a round the compiler vectorises it for whatever the target has.
    for (; position + round <= bytes.size(); position += round) {
        bool any = false;
        for (size_t offset = 0; offset < round; ++offset)
            any |= isRefusedCharacter(bytes[position + offset]);
        if (any)
            break;
    }
#endif
    while (position < bytes.size() && !isRefusedCharacter(bytes[position]))
        ++position;
    return position;
}

int countNumbersAtMost(std::string_view piece)
{
    int bound = 0;
    bool inRun = false;
    bool dotInNumber = false;
    for (const char c : piece) {
        if (isDigit(c)) {
            bound += !inRun;
            dotInNumber &= inRun;
            inRun = true;
        } else if (c == '.') {
            bound += !inRun || dotInNumber;
            inRun = true;
            dotInNumber = true;
        } else if (c == '-') {
            ++bound;
            inRun = true;
            dotInNumber = false;
        } else {
            inRun = false;
        }
    }
    return bound;
}

int readNumbers(std::string_view piece, LineNumbers &numbers)
{
    int count = 0;
    size_t position = 0;
    while (count < maxColumns) {
        while (position < piece.size() && !isNumberCharacter(piece[position]))
            ++position;
        const std::string_view rest = piece.substr(position);
        const NumberToken token = scanNumber(rest);
        if (token.length == 0)
            break;
        numbers[static_cast<size_t>(count++)] = convertNumber(rest, token);
        position += token.length;
    }
    return count;
}
