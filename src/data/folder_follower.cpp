#include "data/folder_follower.h"

#include "data/file_stamp.h"
#include "data/file_name_case.h"
#include "data/ref_path.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QStorageInfo>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <tuple>
#include <utility>

namespace {

// Between stamps of files still being written; also the most a change seen late is dated back.
constexpr int pendingTickMs = 25;
// Between polls of an idle folder; a network share is asked no more often than this.
constexpr int idlePollMs = 1000;
// Notifications can miss a rewrite in place of a file that is not watched: the folder is
// listed again this often all the same.
constexpr int safetyScanMs = 2000;

} // namespace

FolderFollower::FolderFollower(QObject *parent) : QObject(parent)
{
    tick_ = new QTimer(this);
    tick_->setSingleShot(true);
    scanSoon_ = new QTimer(this);
    scanSoon_->setSingleShot(true);
    // A burst of events (a measurement written in many pieces) makes one listing.
    connect(scanSoon_, &QTimer::timeout, this, [this] { startCheck(true); });
    connect(tick_, &QTimer::timeout, this, [this] {
        // A folder of many thousand files takes a while to list: polled, it is listed again no
        // more than a tenth of the time, so a share is not kept busy; watched, where the listing
        // only looks for rewrites of files not shown, a thirtieth.
        const qint64 scanEvery = watching_ == Watching::Polling
            ? std::max<qint64>(std::clamp(settleMs_ / 2, 100, idlePollMs), 10 * scanCostMs_)
            : std::max<qint64>(safetyScanMs, 30 * scanCostMs_);
        startCheck(lastScan_.elapsed() >= scanEvery);
    });
}

FolderFollower::~FolderFollower()
{
    // A check still running works on its own copy of the folder's state and is never waited
    // for: one stuck on a share that stopped answering must not keep the program from ending.
    stop();
}

bool FolderFollower::isNetworkFileSystem(const QByteArray &type)
{
    // Changes made on another machine never reach this kernel's notifications.
    static const char *const network[] = {"nfs",  "nfs4",       "cifs",     "smb3",          "smbfs",
                                          "9p",   "afs",        "ceph",     "virtiofs",      "ncpfs",
                                          "davfs", "fuse.sshfs", "fuse.rclone", "fuse.glusterfs", "fuse.davfs2"};
    // A file system in user space may be a share of any kind; polling costs it little.
    return type.startsWith("fuse") || std::any_of(std::begin(network), std::end(network), [&](const char *name) { return type == name; });
}

bool FolderFollower::start(const QString &folder, int settleMs, int partnerWaitMs)
{
    stop();
    if (folder.isEmpty())
        return false;
    folder_ = QDir(folder).absolutePath();
    settleMs_ = std::max(0, settleMs);
    partnerWaitMs_ = std::max(0, partnerWaitMs);
    pairsSeen_ = false;
    changeClock_.start();
    watching_ = Watching::Starting;
    // Even the first look runs in the worker: a share that stops answering must not keep the
    // windows from coming up. What that listing finds counts as seen.
    check_ = std::make_shared<Check>();
    check_->folder = folder_;
    startCheck(true);
    return true;
}

void FolderFollower::takeFirstCheck(const Check &check)
{
    if (check.lost) {
        const QString folder = folder_;
        stop();
        emit cannotFollow(folder, check.reason);
        return;
    }
    folder_ = check.folder;
    watcher_ = new QFileSystemWatcher(this);
    // VELKVIEW_POLL_FOLDERS=1 polls any folder, for a file system whose notifications cannot
    // be trusted that is not known here.
    if (!check.network && qEnvironmentVariableIntValue("VELKVIEW_POLL_FOLDERS") != 1 && watcher_->addPath(folder_)) {
        watching_ = Watching::Notifications;
        connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderFollower::scheduleScan);
        // Only the shown pair is watched: a rewrite of it in place is seen at once.
        connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] { startCheck(false); });
    } else {
        watching_ = Watching::Polling;
    }
    takeCheck(check);
    for (Entry &entry : entries_)
        entry.told = true;
    pending_.clear();
    emit started(newestMeasurement(), check.givenFile);
    tellSettled();
}

void FolderFollower::stop()
{
    watching_ = Watching::None;
    tick_->stop();
    scanSoon_->stop();
    delete watcher_;
    watcher_ = nullptr;
    watchedFiles_.clear();
    entries_.clear();
    pending_.clear();
    // A check still running is of a folder no longer followed: its answer is dropped, and it
    // ends in its own time.
    check_.reset();
    checkRunning_ = false;
    checkAgain_ = false;
    listAgain_ = false;
    folder_.clear();
}

FolderFollower::Stamp FolderFollower::stampOf(const QString &path)
{
    const FileStamp stamp = fileStamp(path);
    return {stamp.exists, stamp.size, stamp.modified, stamp.changed, stamp.inode};
}

bool FolderFollower::endsWithLineEnd(const QString &path, const Stamp &stamp)
{
    return !stamp.exists || ::endsWithLineEnd(path, stamp.size);
}

FolderFollower::Snapshot FolderFollower::snapshotOf(const QString &ampPath, const Snapshot *before)
{
    const QString refPath = deriveRefPath(ampPath);
    Snapshot snapshot{stampOf(ampPath), stampOf(refPath), true};
    // Only a changed file is opened to look at its end.
    if (before && before->amp == snapshot.amp && before->ref == snapshot.ref)
        return *before;
    snapshot.linesEnded = endsWithLineEnd(ampPath, snapshot.amp) && endsWithLineEnd(refPath, snapshot.ref);
    return snapshot;
}

bool FolderFollower::apply(const QString &ampPath, Entry &entry, const Snapshot &snapshot)
{
    pairsSeen_ = pairsSeen_ || snapshot.ref.exists;
    if (snapshot.amp == entry.files.amp && snapshot.ref == entry.files.ref)
        return false;
    entry.files = snapshot;
    // Seen at a poll, the change may be older: the file's own time says by how much, when it
    // is recent by this machine's clock (a share's clock may differ, and then counts for nothing).
    const qint64 now = changeClock_.elapsed();
    const qint64 sinceWritten =
        QDateTime::currentMSecsSinceEpoch() - std::max(snapshot.amp.modified, snapshot.ref.modified) / 1000000;
    entry.lastChange = now - std::clamp<qint64>(sinceWritten, 0, pendingTickMs);
    entry.told = false;
    pending_.insert(ampPath);
    return true;
}

void FolderFollower::scheduleScan()
{
    // In a folder that takes long to list, a burst of events is listed less often.
    if (!scanSoon_->isActive())
        scanSoon_->start(int(std::clamp<qint64>(scanCostMs_, 20, 2000)));
}

void FolderFollower::Check::run()
{
    changed.clear();
    removed.clear();
    stamped.clear();
    listed = false;
    if (device.isEmpty() && stampOf(folder).exists) {
        // A measurement was named: its folder is followed, and it is the one to show first.
        givenFile = folder;
        folder = QFileInfo(folder).absolutePath();
    }
    const QByteArray identity = folderIdentity(folder, &reason);
    if (device.isEmpty()) {
        device = identity;
        network = !identity.isEmpty() && isNetworkFileSystem(QStorageInfo(folder).fileSystemType());
    }
    lost = identity.isEmpty() || identity != device;
    if (lost)
        return;
    for (const QString &path : std::as_const(stampPaths))
        stamped.insert(path, snapshotOf(path));
    if (!listAll)
        return;
    listed = true;
    // Only names the pairing accepts: "_amp.txt" compared as the file system compares names.
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*_amp.txt")}, QDir::Files | (fileNameCase() == Qt::CaseSensitive ? QDir::CaseSensitive : QDir::NoFilter), QDir::NoSort);
    QHash<QString, Snapshot> now;
    now.reserve(names.size());
    for (const QString &name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        if (deriveRefPath(path).isEmpty())
            continue;
        const auto before = found.constFind(path);
        const Snapshot snapshot = snapshotOf(path, before == found.constEnd() ? nullptr : &*before);
        if (before == found.constEnd() || !(*before == snapshot))
            changed.insert(path, snapshot);
        now.insert(path, snapshot);
    }
    for (auto it = found.constBegin(); it != found.constEnd(); ++it) {
        if (!now.contains(it.key()))
            removed.append(it.key());
    }
    found = std::move(now);
}

void FolderFollower::startCheck(bool listAll)
{
    if (watching_ == Watching::None)
        return;
    if (checkRunning_) {
        checkAgain_ = true;
        listAgain_ = listAgain_ || listAll;
        return;
    }
    const std::shared_ptr<Check> check = check_;
    check->listAll = listAll;
    check->stampPaths = QStringList(pending_.begin(), pending_.end());
    if (!watchedFiles_.isEmpty() && !pending_.contains(watchedFiles_.first()))
        check->stampPaths.append(watchedFiles_.first());
    if (listAll)
        lastScan_.start();
    checkRunning_ = true;
    // The thread has no owner: a check abandoned by stop() or a new start() is not waited for,
    // and the thread object goes when the check ends.
    QThread *thread = QThread::create([check] { check->run(); });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [this, check] {
        if (check != check_ || watching_ == Watching::None)
            return;
        checkRunning_ = false;
        if (check->listed)
            scanCostMs_ = lastScan_.elapsed();
        if (watching_ == Watching::Starting) {
            takeFirstCheck(*check);
            return;
        }
        if (check->lost) {
            const QString lost = folder_;
            stop();
            emit folderLost(lost);
            return;
        }
        takeCheck(*check);
        tellSettled();
        if (std::exchange(checkAgain_, false))
            startCheck(std::exchange(listAgain_, false));
    });
    thread->start();
}

void FolderFollower::takeCheck(const Check &check)
{
    for (auto it = check.stamped.constBegin(); it != check.stamped.constEnd(); ++it) {
        const auto entry = entries_.find(it.key());
        if (entry == entries_.end())
            continue;
        // A measurement deleted while shown or pending is forgotten, not told: the view keeps
        // what it shows, and a file written again under its name is a new measurement.
        if (!it->amp.exists) {
            entries_.erase(entry);
            pending_.remove(it.key());
            continue;
        }
        apply(it.key(), *entry, *it);
    }
    for (auto it = check.changed.constBegin(); it != check.changed.constEnd(); ++it) {
        auto entry = entries_.find(it.key());
        if (entry == entries_.end())
            entry = entries_.insert(it.key(), Entry{{}, 0, false});
        apply(it.key(), *entry, *it);
    }
    // A file that was removed is forgotten; written again, it is a new measurement.
    for (const QString &path : check.removed) {
        entries_.remove(path);
        pending_.remove(path);
    }
    // The shown pair may have been replaced by a new file of its name, which the old watch
    // does not see.
    if (watching_ != Watching::Notifications)
        return;
    for (const QString &path : std::as_const(watchedFiles_)) {
        if (!watcher_->files().contains(path) && entries_.contains(path))
            watcher_->addPath(path);
    }
}

void FolderFollower::tellSettled()
{
    if (watching_ == Watching::None)
        return;
    const qint64 now = changeClock_.elapsed();
    QString newest;
    std::tuple<qint64, qint64, QString> newestKey;
    qint64 nextDeadline = -1;
    for (auto path = pending_.begin(); path != pending_.end();) {
        const auto it = entries_.find(*path);
        if (it == entries_.end() || it->told) {
            path = pending_.erase(path);
            continue;
        }
        // A station that pauses in the middle of a line has not finished the file, however long
        // the pause: such a file waits three settle times. Where measurements come as pairs,
        // one without its reference file waits for it a while: shown alone, its reference
        // chart would be built from the amplitude file and replaced a moment later.
        qint64 settle = it->files.linesEnded ? settleMs_ : 3 * qint64(settleMs_);
        if (pairsSeen_ && !it->files.ref.exists)
            settle += partnerWaitMs_;
        if (now - it->lastChange < settle) {
            const qint64 deadline = it->lastChange + settle;
            nextDeadline = nextDeadline < 0 ? deadline : std::min(nextDeadline, deadline);
            ++path;
            continue;
        }
        it->told = true;
        path = pending_.erase(path);
        const std::tuple<qint64, qint64, QString> key{std::max(it->files.amp.modified, it->files.ref.modified), it->lastChange, it.key()};
        if (newest.isEmpty() || key > newestKey) {
            newest = it.key();
            newestKey = key;
        }
    }
    // Pending files are stamped often, so the settle time is kept to a few milliseconds.
    const int idle = watching_ == Watching::Polling ? std::clamp(settleMs_ / 2, 100, idlePollMs) : idlePollMs;
    if (nextDeadline < 0)
        tick_->start(idle);
    else
        tick_->start(int(std::clamp<qint64>(nextDeadline - now, 1, pendingTickMs)));
    if (newest.isEmpty())
        return;
    watchFiles(newest);
    emit measurementSettled(newest);
}

void FolderFollower::watchFiles(const QString &ampPath)
{
    // Polled, the shown pair is stamped with the pending entries; watched, it has a watch too.
    if (watching_ == Watching::Notifications && !watchedFiles_.isEmpty())
        watcher_->removePaths(watchedFiles_);
    watchedFiles_ = {ampPath, deriveRefPath(ampPath)};
    if (watching_ != Watching::Notifications)
        return;
    // Only the amplitude file: the listing sees a reference file that comes or goes.
    watcher_->addPath(ampPath);
}

QString FolderFollower::newestMeasurement() const
{
    QString newest;
    std::pair<qint64, QString> newestKey;
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        const std::pair<qint64, QString> key{std::max(it->files.amp.modified, it->files.ref.modified), it.key()};
        if (newest.isEmpty() || key > newestKey) {
            newest = it.key();
            newestKey = key;
        }
    }
    return newest;
}
