#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class QFileSystemWatcher;
class QThread;
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
    enum class Watching { None, Notifications, Polling };

    explicit FolderFollower(QObject *parent = nullptr);
    ~FolderFollower() override;

    // Starts following folder (ending any earlier following); false when it is not a folder.
    bool start(const QString &folder, int settleMs);
    void stop();

    bool isFollowing() const { return watching_ != Watching::None; }
    Watching watching() const { return watching_; }
    const QString &folder() const { return folder_; }
    int settleMs() const { return settleMs_; }

    // The newest measurement in the folder (by the last change of its files), else empty.
    QString newestMeasurement() const;

    // Called when the read of a measurement that was told did not succeed: true when its files
    // have changed since, so it is still being written and will be told again once it settles.
    bool changedSinceSettled(const QString &ampPath);

    // The system's name of the folder's file system, and whether it is polled for that reason.
    static bool isNetworkFileSystem(const QByteArray &type);

signals:
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
    // The listing's side, which a worker thread works on: the folder, what the last listing
    // found, and what changed since the one before.
    struct Listing {
        QString folder;
        QHash<QString, Snapshot> found;
        QHash<QString, Snapshot> changed;
        QStringList removed;
        void run();
    };

    static Stamp stampOf(const QString &path);
    static Snapshot snapshotOf(const QString &ampPath);
    // Whether the file's last byte ends a line; true for an empty or missing file.
    static bool endsWithLineEnd(const QString &path, const Stamp &stamp);
    // Lists the folder in a worker thread, so a folder of many thousand files never stalls
    // the windows; the changes are taken in when it is done.
    void scanInBackground();
    // Takes in what a listing found changed or removed.
    void takeListing(const Listing &listing);
    // Takes a snapshot of an entry's files in; true, dated, when they changed.
    bool apply(const QString &ampPath, Entry &entry, const Snapshot &snapshot);
    // Stamps the entries not told yet again, so a file written without a folder event (an
    // append, a rewrite in place) is seen to change.
    void recheckPending();
    // Whether the entry's files changed; takes the new stamps.
    bool restamp(const QString &ampPath, Entry &entry);
    void tellSettled();
    void watchFiles(const QString &ampPath);
    // Stops, and says so, when the folder was deleted, renamed or unmounted.
    bool stopIfFolderLost();
    void scheduleScan();

    QString folder_;
    QByteArray folderDevice_;   // the folder's device and inode: a changed one means unmounted
    int settleMs_ = 1000;
    Watching watching_ = Watching::None;
    QHash<QString, Entry> entries_;
    QSet<QString> pending_;   // entries not told yet
    std::shared_ptr<Listing> listing_;
    QThread *listingThread_ = nullptr;
    bool listAgain_ = false;
    QElapsedTimer changeClock_;
    QElapsedTimer lastScan_;
    qint64 scanCostMs_ = 0;
    QFileSystemWatcher *watcher_ = nullptr;
    QTimer *tick_ = nullptr;      // stamps pending entries, polls, and checks the folder
    QTimer *scanSoon_ = nullptr;  // one scan for a burst of folder events
    QStringList watchedFiles_;
};
