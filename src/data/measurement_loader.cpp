#include "data/measurement_loader.h"

#include <QThread>

#include <atomic>

namespace {

// Emits from the worker thread; its signals reach the loader through queued connections, so
// a loader that is gone meanwhile is simply not called. It lives until its thread has ended.
class ReadRelay : public QObject {
    Q_OBJECT

signals:
    void progress(qint64 done, qint64 total);
    void finished();
};

} // namespace

// Shared by the loader and the worker; the worker writes result and then emits finished, after
// which it touches nothing here again.
struct MeasurementLoader::Read {
    std::atomic<bool> abandoned{false};
    QString ampPath;
    QString refPath;
    ReadFunction read;
    LoadedMeasurement result;
};

MeasurementLoader::MeasurementLoader(QObject *parent)
    : QObject(parent)
    , read_(readMeasurement)
{
}

MeasurementLoader::~MeasurementLoader()
{
    cancel();
}

void MeasurementLoader::start(const QString &ampPath, const QString &refPath, const MeasurementFiles &files)
{
    cancel();
    auto read = std::make_shared<Read>();
    read->ampPath = ampPath;
    read->refPath = refPath;
    read->read = read_;
    read->result.files = files;
    current_ = read;

    auto *relay = new ReadRelay;
    connect(relay, &ReadRelay::progress, this, [this, read](qint64 done, qint64 total) {
        if (current_ == read)
            emit progress(done, total);
    }, Qt::QueuedConnection);
    connect(relay, &ReadRelay::finished, this, [this, read] {
        if (current_ != read)
            return;
        current_.reset();
        emit finished(read->result);
    }, Qt::QueuedConnection);
    QThread *thread = QThread::create([read, relay] {
        auto data = std::make_shared<MeasurementSet>();
        LoadedMeasurement &result = read->result;
        result.outcome = read->read(read->ampPath, read->refPath, *data, result.files, &result.cannotOpenReason,
                                    [&read, relay](qint64 done, qint64 total) {
                                        if (read->abandoned)
                                            return false;
                                        emit relay->progress(done, total);
                                        return true;
                                    });
        result.data = std::move(data);
        emit relay->finished();
    });
    // Neither the thread nor the relay has a parent: a read blocked at the program's end must
    // not be waited for, and the process takes it down.
    connect(thread, &QThread::finished, relay, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void MeasurementLoader::cancel()
{
    if (!current_)
        return;
    current_->abandoned = true;
    current_.reset();
}

#include "measurement_loader.moc"
