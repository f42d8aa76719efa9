#pragma once

// Plain models of the reader's line and number syntax, written the way the C library would
// do it, for the harnesses to compare the reader against.

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>
#include <string_view>
#include <vector>

// The pieces fgets hands out from a text-mode stream into a 255-byte buffer: CR LF becomes
// LF first, then a piece ends after a LF or after 254 characters.
inline std::vector<std::string> modelPieces(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        text.push_back(bytes[i]);
    }
    std::vector<std::string> pieces;
    std::string piece;
    for (const char c : text) {
        piece.push_back(c);
        if (c == '\n' || piece.size() == 254) {
            pieces.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty())
        pieces.push_back(piece);
    return pieces;
}

// Up to ten numbers as strtod in the C locale reads them once every character other than a
// digit, "." or "-" has become a space; the count read.
inline int modelNumbers(std::string_view piece, double numbers[10])
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    std::string text(piece);
    for (char &c : text) {
        if (!(c >= '0' && c <= '9') && c != '.' && c != '-')
            c = ' ';
    }
    const char *position = text.c_str();
    int count = 0;
    while (count < 10) {
        char *end = nullptr;
        const double value = strtod_l(position, &end, cLocale);
        if (end == position)
            break;
        numbers[count++] = value;
        position = end;
    }
    return count;
}
