#pragma once

#include <QIODevice>

#include <functional>

// Reports how far a read has come: bytes read so far of the total (-1 when the size is not
// known). Returns false to cancel the read.
using ReadProgress = std::function<bool(qint64 done, qint64 total)>;

// A read-only view of another open device that asks progress before each read it passes on;
// once progress says no, every read fails and cancelled() is true. Seeks pass through, so a
// reader may jump as on the device itself.
class ProgressDevice : public QIODevice {
public:
    ProgressDevice(QIODevice &source, ReadProgress progress);

    bool cancelled() const { return cancelled_; }

    bool isSequential() const override;
    qint64 size() const override;
    bool seek(qint64 position) override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    QIODevice &source_;
    ReadProgress progress_;
    bool cancelled_ = false;
};
