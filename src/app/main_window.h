#pragma once

#include "app/config_file.h"
#include "app/recent_file_list.h"
#include "data/folder_follower.h"
#include "data/measurement_loader.h"
#include "data/measurement_reader.h"
#include "data/measurement_set.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class ModalDialogs;
struct OpenFileRequest;
class QComboBox;
class ResultsWindow;
class QEventLoop;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTranslator;
class PaintHold;

// The main window: Open file, the seven recent-file buttons, the language drop-down and Exit.
// It owns the paths and file records of the measurement being read, the recent-file list and
// the single results window.
class MainWindow : public QDialog {
    Q_OBJECT

public:
    // languageOverride: 0 to 4 to skip detection (the --language option).
    // workingDirectory: where VELKView.cfg lives; the process's working directory by default.
    explicit MainWindow(ModalDialogs &dialogs, std::optional<int> languageOverride = std::nullopt,
                          const QString &workingDirectory = QString());
    ~MainWindow() override;

    // The Open-file command: the dialog, then the measurement when a file was chosen.
    void onOpenFile();
    // Opens a path as if it had just been chosen in the open-file dialog.
    void openChosenPath(const QString &path);
    // Opens recent entry k (0 to 6).
    void onRecentFile(int k);
    // Reads the measurement shown in the results window again from disk (F5), and the one it
    // is compared with.
    void reloadShown();
    // Compare with… (main_window_compare.cpp): the open-file dialog, then the chosen
    // measurement read as Open reads one and drawn behind the shown one. A failed read says why
    // as reading again does, and leaves the shown measurement and any comparison as they were.
    void compareWith();
    // Compares with a path as if it had just been chosen in that dialog (a drop with Shift).
    void compareChosenPath(const QString &path);

    // For a measurement opened as the program starts: the results window comes up over this
    // one at once, and this one paints after the results window's first picture, not before,
    // or after limitMs at the latest. The default is long enough for a window manager to bring
    // the results window up, short enough that a main window left uncovered is painted before
    // anyone misses it.
    void holdPaintingForResults(int limitMs = 500);

    const QString &lastFilePath() const { return lastFilePath_; }
    const RecentFileList &recentFiles() const { return recent_; }
    const MeasurementFiles &files() const { return files_; }

    // The menu that holds the About item where the system menu cannot (right click).
    std::unique_ptr<QMenu> createContextMenu();
    // Reads measurements in the background; a test or a benchmark may give it a stand-in read.
    MeasurementLoader &measurementLoader() { return loader_; }
    // The results window while one is shown, else null. Owned by this window.
    ResultsWindow *resultsWindow() const { return resultsWindow_; }

    // Following a folder (main_window_follow.cpp): each measurement that settles there is
    // opened as Open would open it, and a refused one that is still changing is tried again
    // once it settles. The results window is shown and names the folder. False, after the
    // message, when folder is not one.
    bool followFolder(const QString &folder, int settleMs = defaultSettleMs);
    void stopFollowing();
    // Ctrl+L and the results window's menu: follows the shown measurement's folder, or stops.
    void toggleFollowing();
    const FolderFollower &folderFollower() const { return follower_; }
    static constexpr int defaultSettleMs = 1000;

public slots:
    void accept() override;
    void reject() override;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
#endif

private:

    // New: the Open-file command, a recent file, a drop; a failed read closes the results window.
    // ReadAgain (F5): a failed read keeps the measurement shown. Followed: the same, and a
    // failure while the files still change says nothing.
    enum class OpenKind { New, ReadAgain, Followed };

    bool chooseFile();
    // The open-file dialog's request under title, starting at the last file opened.
    OpenFileRequest openFileRequest(const QString &title) const;
    // The chosen path made absolute, ".txt" added to a name without a full stop; nothing, with
    // the open error shown, when it is not a regular file that can be opened.
    std::optional<QString> openableAmplitudePath(const QString &path);
    void openMeasurement(OpenKind kind = OpenKind::New);
    // Reads ampPath and refPath in the worker while the windows stay live, the reader starting
    // from startFiles; nothing when the read was cancelled or abandoned. whileReading runs once
    // the worker has started.
    std::optional<LoadedMeasurement> readInBackground(const QString &ampPath, const QString &refPath,
                                                      const MeasurementFiles &startFiles,
                                                      const std::function<void()> &whileReading = {});
    // Reads ampPath as the measurement compared with; a failure shows its message only.
    void readComparison(const QString &ampPath);
    void connectCompareCommands();
    // Abandons a read running and lets its open return at once.
    void cancelRead();
    // The error box of a read that did not succeed, and what it does to the results window.
    void showReadFailure(OpenKind kind, const QString &ampPath, ReadOutcome outcome,
                         const MeasurementFiles &readFiles, const QString &cannotOpenReason);
    void addRecentFile(const QString &title, const QString &path);
    void refreshRecentButtons();
    // Accessible names of the recent-file buttons in the current language.
    void nameRecentButtons();
    void showResultsWindow();
    void closeResultsWindow();
    // A settled measurement of the followed folder; waits while a read or a dialog is open.
    void openFollowed(const QString &ampPath);
    void onFollowedFolderLost(const QString &folder);

    void applyLanguageTexts();
    // Qt's own dialogs and buttons (open, print, preview, message boxes) in languageIndex's
    // language rather than the system's.
    void applyFrameworkLanguage();
    void fillLanguageList();
    void onLanguageChosen(int index);

    const QString &ampPath() const { return ampPath_; }
    // The program's name, the caption of the open error message box.
    static QString applicationName();

    void createControls();
    void addAboutItem();
    void showAbout();
    bool tryOpenChosen(const QString &path);
    void saveConfig();

    ModalDialogs &dialogs_;
    ResultsWindow *resultsWindow_ = nullptr;
    MeasurementLoader loader_;
    QEventLoop *readLoop_ = nullptr;   // the loop of the read running, if any
    FolderFollower follower_;
    QString waitingFollowed_;   // settled while busy: opened when the read or dialog is done
    ConfigLocation config_;
    QString lastFilePath_;
    RecentFileList recent_;
    MeasurementFiles files_;
    QString refPath_;
    QString ampPath_;

    QGroupBox *recentGroup_ = nullptr;
    QPushButton *exitButton_ = nullptr;
    QPushButton *openButton_ = nullptr;
    QPushButton *recentButtons_[RecentFileList::capacity] = {};
    QLabel *languageLabel_ = nullptr;
    QComboBox *languageList_ = nullptr;
    std::unique_ptr<QTranslator> frameworkTranslator_;
    std::unique_ptr<PaintHold> paintHold_;   // while the first results window comes up
};
