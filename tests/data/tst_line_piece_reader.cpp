#include "data/line_piece_reader.h"
#include "doubles/failing_device.h"

#include <QBuffer>
#include <QTest>

namespace {

QList<QByteArray> readAllPieces(QIODevice &device, LinePieceReader::Status &last)
{
    LinePieceReader reader(device);
    QList<QByteArray> pieces;
    std::string_view piece;
    while ((last = reader.next(piece)) == LinePieceReader::Status::Piece)
        pieces.append(QByteArray(piece.data(), static_cast<qsizetype>(piece.size())));
    return pieces;
}

QList<QByteArray> readAllPieces(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    LinePieceReader::Status last;
    QList<QByteArray> pieces = readAllPieces(buffer, last);
    if (last != LinePieceReader::Status::End)
        qWarning("stream did not end cleanly");
    return pieces;
}

} // namespace

class TestLinePieceReader : public QObject {
    Q_OBJECT

private slots:
    void splitsStreamIntoPieces_data();
    void splitsStreamIntoPieces();
    void joinsCrLfAcrossBlockBoundary();
    void keepsCrBeforeBlockBoundary();
    void reportsReadError();
    void reportsReadErrorAfterCr();
};

void TestLinePieceReader::splitsStreamIntoPieces_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QByteArray>>("pieces");

    const QByteArray a253(253, 'a');
    const QByteArray a254(254, 'a');

    QTest::newRow("empty stream has no piece") << QByteArray() << QList<QByteArray>{};
    QTest::newRow("one line") << QByteArray("1 2\n") << QList<QByteArray>{"1 2\n"};
    QTest::newRow("last line without line feed")
        << QByteArray("1\n2") << QList<QByteArray>{"1\n", "2"};
    QTest::newRow("final empty line is a piece")
        << QByteArray("1\n\n") << QList<QByteArray>{"1\n", "\n"};
    QTest::newRow("line feed alone") << QByteArray("\n") << QList<QByteArray>{"\n"};
    QTest::newRow("CR LF is one line end")
        << QByteArray("1\r\n2\r\n") << QList<QByteArray>{"1\n", "2\n"};
    QTest::newRow("lone CR is an ordinary character")
        << QByteArray("1\r2\n") << QList<QByteArray>{"1\r2\n"};
    QTest::newRow("CR CR LF keeps the first CR")
        << QByteArray("1\r\r\n") << QList<QByteArray>{"1\r\n"};
    QTest::newRow("CR at end of stream") << QByteArray("1\r") << QList<QByteArray>{"1\r"};
    QTest::newRow("253 characters and LF are one piece")
        << a253 + '\n' << QList<QByteArray>{a253 + '\n'};
    QTest::newRow("253 characters and CR LF are one piece")
        << a253 + "\r\n" << QList<QByteArray>{a253 + '\n'};
    QTest::newRow("254 characters and LF are two pieces")
        << a254 + '\n' << QList<QByteArray>{a254, "\n"};
    QTest::newRow("600 characters are three pieces")
        << QByteArray(600, 'b') << QList<QByteArray>{QByteArray(254, 'b'), QByteArray(254, 'b'),
                                                    QByteArray(92, 'b')};
    QTest::newRow("NUL is an ordinary character")
        << QByteArray("1\0002\n", 4) << QList<QByteArray>{QByteArray("1\0002\n", 4)};
}

void TestLinePieceReader::splitsStreamIntoPieces()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QByteArray>, pieces);
    QCOMPARE(readAllPieces(bytes), pieces);
}

void TestLinePieceReader::joinsCrLfAcrossBlockBoundary()
{
    // The reader fetches 64 KiB at a time: put the CR last in the first block.
    QByteArray bytes;
    while (bytes.size() < 64 * 1024 - 1)
        bytes += "1\n";
    bytes.truncate(64 * 1024 - 1);
    bytes += "\r\n2\n";
    const QList<QByteArray> pieces = readAllPieces(bytes);
    QCOMPARE(pieces.size(), 32 * 1024 + 1);
    QCOMPARE(pieces.at(pieces.size() - 2), QByteArray("1\n"));
    QCOMPARE(pieces.last(), QByteArray("2\n"));
}

void TestLinePieceReader::keepsCrBeforeBlockBoundary()
{
    // 65 535 spaces are 258 pieces of 254 and 3 left over, which the CR's piece begins with.
    QByteArray bytes(64 * 1024 - 1, ' ');
    bytes += "\r2\n";
    const QList<QByteArray> pieces = readAllPieces(bytes);
    QCOMPARE(pieces.size(), 259);
    QCOMPARE(pieces.last(), QByteArray(3, ' ') + "\r2\n");
}

void TestLinePieceReader::reportsReadError()
{
    FailingDevice device("1 2\n3 4");
    LinePieceReader::Status last;
    const QList<QByteArray> pieces = readAllPieces(device, last);
    QCOMPARE(pieces, QList<QByteArray>{"1 2\n"});
    QCOMPARE(last, LinePieceReader::Status::Error);
}

void TestLinePieceReader::reportsReadErrorAfterCr()
{
    FailingDevice device("1\r");
    LinePieceReader::Status last;
    QCOMPARE(readAllPieces(device, last), QList<QByteArray>{});
    QCOMPARE(last, LinePieceReader::Status::Error);
}

QTEST_GUILESS_MAIN(TestLinePieceReader)
#include "tst_line_piece_reader.moc"
