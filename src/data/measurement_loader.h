#pragma once

#include "data/measurement_reader.h"
#include "data/measurement_set.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// What a read in the background gives back.
struct LoadedMeasurement {
    ReadOutcome outcome = ReadOutcome::Cancelled;
    std::shared_ptr<const MeasurementSet> data;   // complete only when outcome is Read
    MeasurementFiles files;                       // as readMeasurement leaves them
    QString cannotOpenReason;                     // for CannotOpen
};

// Reads a measurement in a worker thread, so a slow or stalled file system never freezes the
// windows. One read at a time: start() abandons a read still running. An abandoned read ends in
// its own time (a blocked read() cannot be interrupted) and its result is thrown away, never
// delivered. The signals arrive on the thread that owns the loader.
class MeasurementLoader : public QObject {
    Q_OBJECT

public:
    // The read the worker runs; readMeasurement unless a test puts a stand-in here.
    using ReadFunction = std::function<ReadOutcome(const QString &ampPath, const QString &refPath,
                                                   MeasurementSet &data, MeasurementFiles &files,
                                                   QString *cannotOpenReason, const ReadProgress &progress)>;

    explicit MeasurementLoader(QObject *parent = nullptr);
    ~MeasurementLoader() override;

    // Starts reading ampPath and refPath; files is what the reader starts from (the records of
    // the measurement read before). Emits progress while reading and finished at the end.
    void start(const QString &ampPath, const QString &refPath, const MeasurementFiles &files);
    // Abandons the read running, if any: no more signals come for it. Returns at once.
    void cancel();
    bool isReading() const { return current_ != nullptr; }

    void setReadFunction(ReadFunction read) { read_ = std::move(read); }

signals:
    void progress(qint64 done, qint64 total);
    void finished(const LoadedMeasurement &result);

private:
    struct Read;
    std::shared_ptr<Read> current_;
    ReadFunction read_;
};
