#include "data/progress_device.h"

ProgressDevice::ProgressDevice(QIODevice &source, ReadProgress progress)
    : source_(source), progress_(std::move(progress))
{
    // Unbuffered: every read reaches the source at once, so progress and position stay true.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool ProgressDevice::isSequential() const
{
    return source_.isSequential();
}

qint64 ProgressDevice::size() const
{
    return source_.size();
}

bool ProgressDevice::seek(qint64 position)
{
    return QIODevice::seek(position) && source_.seek(position);
}

qint64 ProgressDevice::readData(char *data, qint64 maxSize)
{
    if (!cancelled_ && !progress_(source_.pos(), source_.isSequential() ? -1 : source_.size())) {
        cancelled_ = true;
        setErrorString(QStringLiteral("cancelled"));
    }
    if (cancelled_)
        return -1;
    return source_.read(data, maxSize);
}

qint64 ProgressDevice::writeData(const char *, qint64)
{
    return -1;
}
