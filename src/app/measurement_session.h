#pragma once

#include "app/recent_file_list.h"
#include "data/folder_follower.h"
#include "data/measurement_loader.h"
#include "data/measurement_reader.h"
#include "data/measurement_set.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

// Where a request to show a measurement came from; it decides what a failure does.
enum class OpenSource { Dialog, Drop, Recent, CommandLine, Followed };

// A read that did not succeed, for the window that says so.
struct ReadFailure {
    enum class Target { Shown, Compared };
    Target target = Target::Shown;
    OpenSource source = OpenSource::Dialog;
    bool readAgain = false;   // F5 of what was shown or compared
    QString ampPath;          // the file that failed
    ReadOutcome outcome = ReadOutcome::CannotOpen;
    QString cannotOpenReason;
};

// What the viewer shows, and every flow that changes it: open, a recent file, a drop, F5,
// following a folder and comparing are requests carrying their paths. One read runs at a time
// in the loader's worker; a request meanwhile replaces the one waiting for the same target
// (the newest wins), and a result that a newer open replaces anyway is dropped unseen. The
// windows only show what the signals tell and forward the user's commands here. Nothing here
// touches the file system on the calling thread.
class MeasurementSession : public QObject {
    Q_OBJECT

public:
    static constexpr int defaultSettleMs = 1000;
    static constexpr int defaultPartnerWaitMs = 5000;

    explicit MeasurementSession(QObject *parent = nullptr);
    ~MeasurementSession() override;

    // Shows the measurement at path (made absolute; ".txt" added to a name without a full stop).
    void open(const QString &path, OpenSource source);
    // Opens recent entry k (0 to 6); nothing for an entry not filled.
    void openRecent(int k);
    // F5: reads the shown measurement and the compared one again.
    void readAgain();
    // Reads path as the measurement compared with the shown one (or the one being read for it).
    void compareWith(const QString &path);
    void stopComparing();
    // Drops the read running and the requests waiting; what is shown stays.
    void cancel();
    // Forgets the shown and the compared measurement, stops following and reading (the results
    // window was closed).
    void clear();

    // Follows folder: each measurement that settles there is shown. With nothing shown, the
    // folder's newest is shown once the first listing has answered. False for an empty name;
    // a folder that cannot be followed is told by followFailed.
    bool follow(const QString &folder, int settleMs = defaultSettleMs, int partnerWaitMs = defaultPartnerWaitMs);
    void stopFollowing();
    bool isFollowing() const { return follower_.isFollowing(); }
    QString followedFolder() const { return follower_.folder(); }
    const FolderFollower &folderFollower() const { return follower_; }

    // Null while nothing is shown or compared.
    const std::shared_ptr<const MeasurementSet> &shown() const { return shown_; }
    const MeasurementFiles &shownFiles() const { return shownFiles_; }
    const std::shared_ptr<const MeasurementSet> &compared() const { return compared_; }
    const MeasurementFiles &comparedFiles() const { return comparedFiles_; }

    // A read runs or a request waits.
    bool isBusy() const { return running_.has_value() || waitingShown_ || waitingCompared_; }
    const QString &lastFilePath() const { return lastFilePath_; }
    void setLastFilePath(const QString &path);
    const RecentFileList &recentFiles() const { return recent_; }
    // Reads measurements in the background; a test or a benchmark may give it a stand-in read.
    MeasurementLoader &loader() { return loader_; }

signals:
    // A read of fileName has begun, and has ended (with whatever result).
    void readStarted(const QString &fileName);
    void readProgress(qint64 done, qint64 total);
    void readEnded();
    // The shown measurement was replaced; bringUp: the request asks for the window on top.
    void shownChanged(bool bringUp);
    void comparisonChanged();
    void readFailed(const ReadFailure &failure);
    void recentFilesChanged();
    // Following started (once the folder has answered) or stopped.
    void followingChanged();
    // folder cannot be followed, for reason (the system's words); an empty reason: it was
    // being followed and went away.
    void followFailed(const QString &folder, const QString &reason);

private:
    struct Request {
        ReadFailure::Target target = ReadFailure::Target::Shown;
        OpenSource source = OpenSource::Dialog;
        bool readAgain = false;
        QString ampPath;
    };

    void submit(Request request);
    void startNext();
    void start(const Request &request);
    void take(const LoadedMeasurement &loaded);
    void onSettled(const QString &ampPath);
    // Waiting for a dialog to close before a followed measurement replaces the shown one.
    bool mustWait(const Request &request) const;

    MeasurementLoader loader_;
    FolderFollower follower_;
    std::optional<Request> running_;
    std::optional<Request> waitingShown_;
    std::optional<Request> waitingCompared_;
    bool retryScheduled_ = false;

    std::shared_ptr<const MeasurementSet> shown_;
    MeasurementFiles shownFiles_;
    std::shared_ptr<const MeasurementSet> compared_;
    MeasurementFiles comparedFiles_;
    QString lastFilePath_;
    RecentFileList recent_;
};
