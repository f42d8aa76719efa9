#pragma once

#include "app/config_file.h"
#include "app/measurement_session.h"

#include <QDialog>

#include <memory>
#include <optional>

class ModalDialogs;
struct OpenFileRequest;
class QAction;
class QComboBox;
class ResultsWindow;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTranslator;

// The main window: Open file, the seven recent-file buttons, the language drop-down and Exit.
// It shows what its MeasurementSession holds (the recent files, the results window) and
// forwards the user's commands to it; it owns the session and the single results window.
class MainWindow : public QDialog {
    Q_OBJECT

public:
    // languageOverride: 0 to 4 to skip detection (the --language option).
    // workingDirectory: where VELKView.cfg lives; the process's working directory by default.
    explicit MainWindow(ModalDialogs &dialogs, std::optional<int> languageOverride = std::nullopt,
                          const QString &workingDirectory = QString());
    ~MainWindow() override;

    // The Open-file command: the dialog (owned by owner, this window by default), then the
    // measurement when a file was chosen.
    void onOpenFile(QWidget *owner = nullptr);
    // Opens a path as if it had just been chosen in the open-file dialog (a drop, the command
    // line).
    void openChosenPath(const QString &path, OpenSource source = OpenSource::Drop);
    // Opens recent entry k (0 to 6).
    void onRecentFile(int k);
    // Reads the shown measurement again from disk (F5), and the one it is compared with.
    void reloadShown();
    // Compare with…: the open-file dialog over the results window, then the chosen measurement
    // read as Open reads one and drawn behind the shown one. A failed read says why and leaves
    // what is shown as it was.
    void compareWith();
    // Compares with a path as if it had just been chosen in that dialog (a drop with Shift).
    void compareChosenPath(const QString &path);

    // For a measurement opened as the program starts: this window is shown once the results
    // window closes, or with the error box when the file is refused.
    void openAtStart(const QString &path);

    const QString &lastFilePath() const { return session_.lastFilePath(); }
    const RecentFileList &recentFiles() const { return session_.recentFiles(); }
    const MeasurementFiles &files() const { return session_.shownFiles(); }
    MeasurementSession &session() { return session_; }

    // The menu that holds the About item where the system menu cannot (right click).
    QMenu *contextMenu() const { return contextMenu_; }
    // Reads measurements in the background; a test or a benchmark may give it a stand-in read.
    MeasurementLoader &measurementLoader() { return session_.loader(); }
    // The results window while one is shown, else null. Owned by this window.
    ResultsWindow *resultsWindow() const { return resultsWindow_; }

    // Following a folder (main_window_follow.cpp): each measurement that settles there is shown.
    // The results window comes up once the folder has answered and names it. False for an empty
    // name; a folder that cannot be followed gets its message.
    bool followFolder(const QString &folder, int settleMs = defaultSettleMs,
                      int partnerWaitMs = MeasurementSession::defaultPartnerWaitMs);
    void stopFollowing();
    // Ctrl+L and the results window's menu: follows the shown measurement's folder, or stops.
    void toggleFollowing();
    const FolderFollower &folderFollower() const { return session_.folderFollower(); }
    static constexpr int defaultSettleMs = MeasurementSession::defaultSettleMs;

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
    // The open-file dialog's request under title, starting at the last file opened.
    OpenFileRequest openFileRequest(const QString &title) const;
    // The window a message or dialog of the session belongs to: the results window while it is
    // shown, else this one, shown first if need be.
    QWidget *messageOwner();
    void showError(QWidget *owner, const QString &caption, const QString &text, const QString &details);
    void connectSession();
    void showReadFailure(const ReadFailure &failure);
    // The main window's one status line (the template's spare label): empty, or what the
    // user should know of following once the results window has gone.
    void showStatus(const QString &text, const QString &details = QString());
    void onShownChanged(bool bringUp);
    void onComparisonChanged();
    void onFollowingChanged();
    void onFollowFailed(const QString &folder, const QString &reason);
    void refreshRecentButtons();
    // Accessible names of the recent-file buttons in the current language.
    void nameRecentButtons();
    ResultsWindow *ensureResultsWindow();
    void showResultsWindow();
    void closeResultsWindow();
    // The results window closed by the user: what it showed is let go.
    void onResultsClosed();

    void applyLanguageTexts();
    // Qt's own dialogs and buttons (open, print, preview, message boxes) in languageIndex's
    // language rather than the system's.
    void applyFrameworkLanguage();
    void fillLanguageList();
    void onLanguageChosen(int index);

    // The program's name, the caption of the open error message box.
    static QString applicationName();

    void createControls();
    void createActions();
    void addAboutItem();
    void showAbout();
    void saveConfig();

    ModalDialogs &dialogs_;
    MeasurementSession session_;
    ResultsWindow *resultsWindow_ = nullptr;
    ConfigLocation config_;
    bool showWithResults_ = false;   // opened at start: shown once the results window closes

    QGroupBox *recentGroup_ = nullptr;
    QPushButton *exitButton_ = nullptr;
    QPushButton *openButton_ = nullptr;
    QPushButton *recentButtons_[RecentFileList::capacity] = {};
    QLabel *languageLabel_ = nullptr;
    QComboBox *languageList_ = nullptr;
    QMenu *contextMenu_ = nullptr;
    QLabel *statusLabel_ = nullptr;
    std::unique_ptr<QTranslator> frameworkTranslator_;
};
