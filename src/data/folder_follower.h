#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class QFileSystemWatcher;
class QTimer;

// Watches the folder a measuring system writes into and tells when a measurement there is
// complete: its amplitude file, and its reference partner if one is there, have not changed
// for the settle time. A new measurement and one rewritten in place count alike; what was in
// the folder when following began counts as seen. Of several that settle together only the
// newest is told. Change notifications (inotify) come from QFileSystemWatcher; where the
// folder cannot be watched, or lies on a network file system whose changes made elsewhere
// the kernel never hears of, the folder is polled instead.
class FolderFollower : public QObject {
    Q_OBJECT

public:
    // Starting: the first listing runs; the other two once it has answered.
    enum class Watching { None, Starting, Notifications, Polling };

    explicit FolderFollower(QObject *parent = nullptr);
    ~FolderFollower() override;

    // Starts following folder (ending any earlier following); false for an empty name. A file
    // named instead has its folder followed. The folder is looked at in the worker: started()
    // or cannotFollow() tells how that went.
    // Safe at any moment, a check running included.
    // In a folder whose measurements have come as pairs, an amplitude file that has settled
    // without its reference file waits up to partnerWaitMs more for it.
    bool start(const QString &folder, int settleMs, int partnerWaitMs = 5000);
    void stop();

    bool isFollowing() const { return watching_ != Watching::None; }
    Watching watching() const { return watching_; }
    const QString &folder() const { return folder_; }
    int settleMs() const { return settleMs_; }
    int partnerWaitMs() const { return partnerWaitMs_; }

    // The newest measurement in the folder (by the last change of its files), else empty.
    QString newestMeasurement() const;

    // The system's name of the folder's file system, and whether it is polled for that reason.
    static bool isNetworkFileSystem(const QByteArray &type);

signals:
    // The first listing has answered; newest is the folder's newest measurement, or empty;
    // given the file that was named instead of the folder, or empty.
    void started(const QString &newest, const QString &given);
    // folder is not a folder that can be followed (reason: the system's words); following has
    // stopped.
    void cannotFollow(const QString &folder, const QString &reason);
    // ampPath is complete and should be shown.
    void measurementSettled(const QString &ampPath);
    // The folder was deleted, renamed or unmounted; following has stopped.
    void folderLost(const QString &folder);

private:
    // What a file looked like: a change of any part counts as a change.
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        qint64 modified = 0;   // nanoseconds
        qint64 changed = 0;    // status change, nanoseconds
        quint64 inode = 0;
        friend bool operator==(const Stamp &, const Stamp &) = default;
    };
    // A measurement's two files as a listing finds them.
    struct Snapshot {
        Stamp amp;
        Stamp ref;
        bool linesEnded = true;  // both files end with a line end: not stopped mid-line
        friend bool operator==(const Snapshot &, const Snapshot &) = default;
    };
    struct Entry {
        Snapshot files;
        qint64 lastChange = 0;   // on changeClock_, when a change was last seen
        bool told = true;        // told, or seen at the start, and unchanged since
    };
    // What the worker thread does: every look at the file system while following, so a folder
    // of many thousand files or a share that stops answering never stalls the windows.
    struct Check {
        QString folder;
        QByteArray device;                 // the folder's device and inode when following began
        bool network = false;              // on a file system whose notifications miss changes
        QHash<QString, Snapshot> found;    // what the last listing found
        // Asked of one run:
        bool listAll = false;              // list the folder, not only stamp stampPaths
        QStringList stampPaths;            // the entries pending and the shown one
        // Its answer:
        bool lost = false;                 // deleted, renamed or unmounted
        QString reason;                    // why, when the folder cannot be looked at
        QString givenFile;                 // a file named instead of the folder
        bool listed = false;
        QHash<QString, Snapshot> changed;  // by the listing, since the one before
        QStringList removed;
        QHash<QString, Snapshot> stamped;  // of stampPaths
        void run();
    };

    static Stamp stampOf(const QString &path);
    // The files of ampPath now; before, when given and unchanged, lends its line-end finding.
    static Snapshot snapshotOf(const QString &ampPath, const Snapshot *before = nullptr);
    // Whether the file's last byte ends a line; true for an empty or missing file.
    static bool endsWithLineEnd(const QString &path, const Stamp &stamp);
    // Runs a check in the worker; one at a time, a check asked for meanwhile runs next.
    void startCheck(bool listAll);
    void takeCheck(const Check &check);
    void takeFirstCheck(const Check &check);
    // Takes a snapshot of an entry's files in; true, dated, when they changed.
    bool apply(const QString &ampPath, Entry &entry, const Snapshot &snapshot);
    void tellSettled();
    void watchFiles(const QString &ampPath);
    void scheduleScan();

    QString folder_;
    int settleMs_ = 1000;
    int partnerWaitMs_ = 5000;
    bool pairsSeen_ = false;   // a reference file has been seen in the folder
    Watching watching_ = Watching::None;
    QHash<QString, Entry> entries_;
    QSet<QString> pending_;   // entries not told yet
    std::shared_ptr<Check> check_;
    bool checkRunning_ = false;   // a check of check_ runs in the worker
    bool checkAgain_ = false;
    bool listAgain_ = false;
    QElapsedTimer changeClock_;
    QElapsedTimer lastScan_;
    qint64 scanCostMs_ = 0;
    QFileSystemWatcher *watcher_ = nullptr;
    QTimer *tick_ = nullptr;      // stamps pending entries, polls, and checks the folder
    QTimer *scanSoon_ = nullptr;  // one scan for a burst of folder events
    QStringList watchedFiles_;
};
