#pragma once

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstring>

// A device that hands out its bytes and then fails, as a file system error in mid-file would.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(QByteArray content)
        : bytes(std::move(content))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (position == bytes.size())
            return -1;
        const qint64 count = std::min(maxSize, bytes.size() - position);
        std::memcpy(data, bytes.constData() + position, static_cast<size_t>(count));
        position += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray bytes;
    qint64 position = 0;
};
