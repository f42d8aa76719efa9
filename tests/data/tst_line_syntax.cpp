#include "data/line_syntax.h"

#include <QTest>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace {

QList<double> numbersOf(const QByteArray &line)
{
    LineNumbers numbers{};
    const int count = readNumbers(std::string_view(line.constData(), static_cast<size_t>(line.size())),
                                  numbers);
    return QList<double>(numbers.begin(), numbers.begin() + count);
}

} // namespace

class TestLineSyntax : public QObject {
    Q_OBJECT

private slots:
    void readsNumbers_data();
    void readsNumbers();
    void readsNegativeZero();
    void leavesUnreadSlotsAlone();
    void readsOutOfRangeNumbersAsStrtodDoes();
    void matchesGeneralConversionBitForBit();
    void readsWithFullStopWhateverTheLocale();
    void refusesCharactersFromCapitalAToSmallZ_data();
    void refusesCharactersFromCapitalAToSmallZ();
};

void TestLineSyntax::readsNumbers_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QList<double>>("numbers");

    QTest::newRow("empty line") << QByteArray() << QList<double>{};
    QTest::newRow("line feed only") << QByteArray("\n") << QList<double>{};
    QTest::newRow("spaces") << QByteArray("12 45.5 80.2 81.0\n") << QList<double>{12, 45.5, 80.2, 81};
    QTest::newRow("tabs, commas, semicolons")
        << QByteArray("1\t2,3;4\r\n") << QList<double>{1, 2, 3, 4};
    QTest::newRow("decimal comma reads as two numbers")
        << QByteArray("45,5") << QList<double>{45, 5};
    QTest::newRow("plus sign is a separator") << QByteArray("+1 +2.5") << QList<double>{1, 2.5};
    QTest::newRow("negative numbers") << QByteArray("-1 -0.25") << QList<double>{-1, -0.25};
    QTest::newRow("minus starts the next number")
        << QByteArray("1-2-3") << QList<double>{1, -2, -3};
    QTest::newRow("second point starts the next number")
        << QByteArray("1.2.3") << QList<double>{1.2, 0.3};
    QTest::newRow("trailing point") << QByteArray("5. 6") << QList<double>{5, 6};
    QTest::newRow("leading point") << QByteArray(".5 -.5") << QList<double>{0.5, -0.5};
    QTest::newRow("leading zeros") << QByteArray("007 00.50") << QList<double>{7, 0.5};
    QTest::newRow("lone minus stops the reading")
        << QByteArray("1 2 - 4 5") << QList<double>{1, 2};
    QTest::newRow("lone point stops the reading") << QByteArray("1 . 3") << QList<double>{1};
    QTest::newRow("double minus stops the reading") << QByteArray("1 --3") << QList<double>{1};
    QTest::newRow("minus point stops the reading") << QByteArray("1 -. 3") << QList<double>{1};
    QTest::newRow("trailing minus reads nothing more")
        << QByteArray("1 2-") << QList<double>{1, 2};
    QTest::newRow("letters are separators") << QByteArray("1e5 x7") << QList<double>{1, 5, 7};
    QTest::newRow("bytes from 128 up are separators")
        << QByteArray("1\xb0" "2\xe4" "3") << QList<double>{1, 2, 3};
    QTest::newRow("NUL is a separator") << QByteArray("1\0002", 3) << QList<double>{1, 2};
    QTest::newRow("at most ten numbers")
        << QByteArray("1 2 3 4 5 6 7 8 9 10 11 12")
        << QList<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("correctly rounded")
        << QByteArray("0.1 2.2250738585072014 9007199254740993")
        << QList<double>{0.1, 2.2250738585072014, 9007199254740992.0};
}

void TestLineSyntax::readsNumbers()
{
    QFETCH(QByteArray, line);
    QFETCH(QList<double>, numbers);
    const QList<double> read = numbersOf(line);
    QCOMPARE(read.size(), numbers.size());
    QVERIFY(countNumbersAtMost(std::string_view(line.constData(), size_t(line.size()))) >= read.size());
    // Exact equality: the conversion must match the standard one bit for bit.
    for (qsizetype index = 0; index < read.size(); ++index)
        QVERIFY2(read.at(index) == numbers.at(index), qPrintable(QString::number(index)));
}

void TestLineSyntax::readsNegativeZero()
{
    const QList<double> read = numbersOf("-0 -0.0");
    QCOMPARE(read.size(), 2);
    QVERIFY(std::signbit(read.at(0)));
    QVERIFY(std::signbit(read.at(1)));
}

void TestLineSyntax::leavesUnreadSlotsAlone()
{
    LineNumbers numbers;
    numbers.fill(-7);
    QCOMPARE(readNumbers("1 2", numbers), 2);
    QCOMPARE(numbers[1], 2.0);
    QCOMPARE(numbers[2], -7.0);
    QCOMPARE(numbers[9], -7.0);
}

void TestLineSyntax::readsOutOfRangeNumbersAsStrtodDoes()
{
    // A piece holds at most 254 characters, so only direct calls reach this range.
    const QByteArray huge = '1' + QByteArray(400, '0');
    const QList<double> read = numbersOf(huge + " -" + huge + " 3");
    QCOMPARE(read.size(), 3);
    QCOMPARE(read.at(0), std::numeric_limits<double>::infinity());
    QCOMPARE(read.at(1), -std::numeric_limits<double>::infinity());
    QCOMPARE(read.at(2), 3.0);

    // Below the smallest denormal strtod gives a zero of the number's sign.
    const QByteArray tiny = "0." + QByteArray(400, '0') + '1';
    const QList<double> small = numbersOf(tiny + " -" + tiny);
    QCOMPARE(small.size(), 2);
    QCOMPARE(small.at(0), 0.0);
    QVERIFY(std::signbit(small.at(1)) && small.at(1) == 0.0);
}

void TestLineSyntax::matchesGeneralConversionBitForBit()
{
    // Short numbers take a faster route than from_chars; it must give the very same bits.
    // Lengths run past the fast route's limit so both sides of it are covered.
    std::mt19937_64 random(20241207);
    std::uniform_int_distribution<int> digitCount(1, 20);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> coin(0, 3);
    char text[32];
    int checked = 0;
    for (int round = 0; round < 2'000'000; ++round) {
        size_t length = 0;
        if (coin(random) == 0)
            text[length++] = '-';
        const int digits = digitCount(random);
        std::uniform_int_distribution<int> pointAt(-1, digits);
        const int point = pointAt(random);   // -1: no point
        for (int index = 0; index < digits; ++index) {
            if (index == point)
                text[length++] = '.';
            text[length++] = static_cast<char>('0' + digit(random));
        }
        if (point == digits)
            text[length++] = '.';
        const std::string_view token(text, length);

        LineNumbers numbers{};
        QCOMPARE(readNumbers(token, numbers), 1);
        double expected = 0;
        std::from_chars(token.data(), token.data() + token.size(), expected);
        if (std::bit_cast<uint64_t>(numbers[0]) != std::bit_cast<uint64_t>(expected))
            QFAIL(qPrintable(QString::fromLatin1(text, static_cast<qsizetype>(length))));
        ++checked;
    }
    QCOMPARE(checked, 2'000'000);
}

void TestLineSyntax::readsWithFullStopWhateverTheLocale()
{
    const char *const previous = std::setlocale(LC_NUMERIC, nullptr);
    const QByteArray saved = previous ? QByteArray(previous) : QByteArray("C");
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE"))
        QSKIP("no German locale installed");
    const QList<double> read = numbersOf("45.5 1,5");
    std::setlocale(LC_NUMERIC, saved.constData());
    QCOMPARE(read, (QList<double>{45.5, 1, 5}));
}

void TestLineSyntax::refusesCharactersFromCapitalAToSmallZ_data()
{
    QTest::addColumn<char>("character");
    QTest::addColumn<bool>("refused");

    QTest::newRow("@ 0x40 below the range") << '@' << false;
    QTest::newRow("A 0x41 first") << 'A' << true;
    QTest::newRow("E exponent") << 'E' << true;
    QTest::newRow("Z") << 'Z' << true;
    QTest::newRow("[ 0x5B") << '[' << true;
    QTest::newRow("backslash 0x5C") << '\\' << true;
    QTest::newRow("] 0x5D") << ']' << true;
    QTest::newRow("^ 0x5E") << '^' << true;
    QTest::newRow("_ 0x5F") << '_' << true;
    QTest::newRow("backquote 0x60") << '`' << true;
    QTest::newRow("e exponent") << 'e' << true;
    QTest::newRow("z 0x7A last") << 'z' << true;
    QTest::newRow("{ 0x7B above the range") << '{' << false;
    QTest::newRow("~") << '~' << false;
    QTest::newRow("digit") << '5' << false;
    QTest::newRow("plus") << '+' << false;
    QTest::newRow("tab") << '\t' << false;
    QTest::newRow("CR") << '\r' << false;
    QTest::newRow("0xC1 (A with high bit)") << '\xc1' << false;
    QTest::newRow("0xE4 (a umlaut in Windows-1252)") << '\xe4' << false;
    QTest::newRow("0xFF") << '\xff' << false;
}

void TestLineSyntax::refusesCharactersFromCapitalAToSmallZ()
{
    QFETCH(char, character);
    QFETCH(bool, refused);
    QCOMPARE(isRefusedCharacter(character), refused);
    const char line[] = {'1', ' ', character, '2', '\n'};
    QCOMPARE(containsRefusedCharacter(std::string_view(line, sizeof line)), refused);
    // At every offset of runs shorter than a vector, between one and a round, and over rounds.
    for (const size_t length : {15, 40, 150}) {
        for (size_t at = 0; at < length; ++at) {
            std::string run(length, '1');
            run[at] = character;
            QCOMPARE(findRefusedCharacter(run), refused ? at : run.size());
        }
    }
}

QTEST_GUILESS_MAIN(TestLineSyntax)
#include "tst_line_syntax.moc"
