#include "app/measurement_session.h"

#include "app/config_file.h"
#include "data/ref_path.h"
#include "lang/text_limit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <utility>

namespace {

// How often a followed measurement that waits for a dialog to close asks again.
constexpr int dialogRetryMs = 100;

// path made absolute, ".txt" appended when it holds no full stop anywhere.
QString amplitudePathOf(const QString &path)
{
    // Only the name is worked on here: no look at the file system.
    QString ampPath = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    if (!ampPath.contains(QLatin1Char('.')))
        ampPath += QStringLiteral(".txt");
    return ampPath;
}

} // namespace

MeasurementSession::MeasurementSession(QObject *parent) : QObject(parent)
{
    connect(&loader_, &MeasurementLoader::progress, this, &MeasurementSession::readProgress);
    connect(&loader_, &MeasurementLoader::finished, this, &MeasurementSession::take);
    connect(&follower_, &FolderFollower::measurementSettled, this, &MeasurementSession::onSettled);
    connect(&follower_, &FolderFollower::started, this, [this](const QString &newest, const QString &given) {
        emit followingChanged();
        // The station's last measurement is the one wanted, unless it is on screen already; a
        // file named is shown when the folder has none newer.
        const QString wanted = newest.isEmpty() ? given : newest;
        if (!wanted.isEmpty() && wanted != shownFiles_.ampFileStatus.fullName)
            submit({ReadFailure::Target::Shown, OpenSource::Followed, false, wanted});
    });
    connect(&follower_, &FolderFollower::cannotFollow, this, [this](const QString &folder, const QString &reason) {
        emit followFailed(folder, reason);
        emit followingChanged();
    });
    connect(&follower_, &FolderFollower::folderLost, this, [this](const QString &folder) {
        emit followFailed(folder, QString());
        emit followingChanged();
    });
}

MeasurementSession::~MeasurementSession()
{
    // A read or a check stuck on a share is abandoned, never waited for.
    loader_.cancel();
    follower_.stop();
}

void MeasurementSession::setLastFilePath(const QString &path)
{
    lastFilePath_ = leftWithoutSplitting(path, maxPathLength);
}

void MeasurementSession::open(const QString &path, OpenSource source)
{
    if (path.isEmpty())
        return;
    submit({ReadFailure::Target::Shown, source, false, amplitudePathOf(path)});
}

void MeasurementSession::openRecent(int k)
{
    if (k < 0 || k >= recent_.count())
        return;
    submit({ReadFailure::Target::Shown, OpenSource::Recent, false, recent_.path(k)});
}

void MeasurementSession::readAgain()
{
    if (!shown_)
        return;
    submit({ReadFailure::Target::Shown, OpenSource::Dialog, true, shownFiles_.ampFileStatus.fullName});
    if (compared_)
        submit({ReadFailure::Target::Compared, OpenSource::Dialog, true, comparedFiles_.ampFileStatus.fullName});
}

void MeasurementSession::compareWith(const QString &path)
{
    // Something to compare with is shown, or on its way (both given at start).
    const bool shownComing = waitingShown_ || (running_ && running_->target == ReadFailure::Target::Shown);
    if ((!shown_ && !shownComing) || path.isEmpty())
        return;
    submit({ReadFailure::Target::Compared, OpenSource::Dialog, false, amplitudePathOf(path)});
}

void MeasurementSession::stopComparing()
{
    waitingCompared_.reset();
    if (!compared_)
        return;
    compared_.reset();
    comparedFiles_ = {};
    emit comparisonChanged();
}

void MeasurementSession::cancel()
{
    waitingShown_.reset();
    waitingCompared_.reset();
    if (!running_)
        return;
    loader_.cancel();
    running_.reset();
    emit readEnded();
}

void MeasurementSession::clear()
{
    cancel();
    stopFollowing();
    const bool hadComparison = compared_ != nullptr;
    compared_.reset();
    comparedFiles_ = {};
    if (hadComparison)
        emit comparisonChanged();
    if (shown_) {
        shown_.reset();
        shownFiles_ = {};
        emit shownChanged(false);
    }
}

bool MeasurementSession::follow(const QString &folder, int settleMs, int partnerWaitMs)
{
    if (!follower_.start(folder, settleMs, partnerWaitMs))
        return false;
    emit followingChanged();
    return true;
}

void MeasurementSession::stopFollowing()
{
    if (!follower_.isFollowing())
        return;
    follower_.stop();
    // What following showed stayed out of the recent-file list; the one left on screen goes in.
    if (shown_ && recent_.add(shownFiles_.ampFileTitle, shownFiles_.ampFileStatus.fullName))
        emit recentFilesChanged();
    emit followingChanged();
}

void MeasurementSession::onSettled(const QString &ampPath)
{
    submit({ReadFailure::Target::Shown, OpenSource::Followed, false, ampPath});
}

bool MeasurementSession::mustWait(const Request &request) const
{
    // A measurement never changes under an open dialog by itself: the report texts, a save or
    // a print would go with another file.
    return request.source == OpenSource::Followed && QApplication::activeModalWidget() != nullptr;
}

void MeasurementSession::submit(Request request)
{
    std::optional<Request> &waiting =
        request.target == ReadFailure::Target::Shown ? waitingShown_ : waitingCompared_;
    // F5 does not push out an open that waits: what that open shows is read anyway. Anything
    // else is the newest wish.
    if (!(request.readAgain && waiting && !waiting->readAgain))
        waiting = std::move(request);
    startNext();
}

void MeasurementSession::startNext()
{
    if (running_)
        return;
    std::optional<Request> &next = waitingShown_ ? waitingShown_ : waitingCompared_;
    if (!next)
        return;
    if (mustWait(*next)) {
        if (!std::exchange(retryScheduled_, true))
            QTimer::singleShot(dialogRetryMs, this, [this] {
                retryScheduled_ = false;
                startNext();
            });
        return;
    }
    Request request = *std::exchange(next, std::nullopt);
    if (request.readAgain) {
        // Reads again what is shown when it starts, which a read before it may have replaced;
        // nothing, when that was closed meanwhile.
        const bool shownTarget = request.target == ReadFailure::Target::Shown;
        if (!(shownTarget ? shown_ : compared_)) {
            startNext();
            return;
        }
        request.ampPath = (shownTarget ? shownFiles_ : comparedFiles_).ampFileStatus.fullName;
    }
    start(request);
}

void MeasurementSession::start(const Request &request)
{
    running_ = request;
    const bool shown = request.target == ReadFailure::Target::Shown;
    loader_.start(request.ampPath, deriveRefPath(request.ampPath), shown ? shownFiles_ : comparedFiles_);
    emit readStarted(QFileInfo(request.ampPath).fileName());
}

void MeasurementSession::take(const LoadedMeasurement &loaded)
{
    if (!running_)
        return;
    const Request request = *std::exchange(running_, std::nullopt);
    emit readEnded();
    const bool shownTarget = request.target == ReadFailure::Target::Shown;
    const std::optional<Request> &waiting = shownTarget ? waitingShown_ : waitingCompared_;
    // A newer request for the same place replaces this result unseen: nothing is shown for a
    // moment, and nothing is blamed on the file asked for later.
    const bool superseded = waiting && !waiting->readAgain;
    if (loaded.outcome == ReadOutcome::Cancelled || superseded) {
        startNext();
        return;
    }
    const bool chosen = request.source == OpenSource::Dialog || request.source == OpenSource::Drop
        || request.source == OpenSource::CommandLine;
    if (!request.readAgain && ((chosen && loaded.outcome != ReadOutcome::CannotOpen)
                               || (request.source == OpenSource::Followed && loaded.outcome == ReadOutcome::Read)))
        setLastFilePath(request.ampPath);

    if (loaded.outcome == ReadOutcome::Read) {
        if (shownTarget) {
            shown_ = loaded.data;
            shownFiles_ = loaded.files;
            if (request.source != OpenSource::Followed
                && recent_.add(shownFiles_.ampFileTitle, shownFiles_.ampFileStatus.fullName))
                emit recentFilesChanged();
            emit shownChanged(!request.readAgain && request.source != OpenSource::Followed);
        } else {
            compared_ = loaded.data;
            comparedFiles_ = loaded.files;
            emit comparisonChanged();
        }
        startNext();
        return;
    }

    const ReadFailure failure{request.target, request.source, request.readAgain, request.ampPath, loaded.outcome,
                              loaded.cannotOpenReason};
    if (shownTarget && !request.readAgain && request.source != OpenSource::Followed
        && (loaded.outcome != ReadOutcome::CannotOpen || request.source == OpenSource::Recent)) {
        // A new measurement that was refused takes the results window with it.
        clear();
    } else if (!shownTarget && request.readAgain && loaded.outcome == ReadOutcome::CannotOpen) {
        // The compared files are gone: drawing what they held would show data no file has.
        compared_.reset();
        comparedFiles_ = {};
        emit comparisonChanged();
    }
    emit readFailed(failure);
    startNext();
}
