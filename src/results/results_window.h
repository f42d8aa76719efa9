#pragma once

#include "charts/chart_readout.h"
#include "charts/chart_tools.h"
#include "data/value_table.h"
#include "data/measurement_set.h"
#include "report/report_texts.h"

#include <QDialog>
#include <QKeySequence>
#include <QList>

#include <functional>
#include <memory>
#include <optional>

class ChartAccessArea;
class ChartZoom;
class ModalDialogs;
class QIODevice;
class QLabel;
class QAction;
class QMenu;
class QPainter;
class QPushButton;
class TrendWindow;
class ValuesWindow;

// The full-screen results window: holds one measurement, draws its two charts at every repaint
// and offers Print and Close. It never closes itself: every close route emits closeRequested()
// and its owner, the main window, removes it.
class ResultsWindow : public QDialog {
    Q_OBJECT

public:
    // owner: the main window; dialogs: the modal dialog seam. The window starts with an empty
    // measurement (both counts 0) and the caption "VELKView".
    ResultsWindow(ModalDialogs &dialogs, QWidget *owner = nullptr);
    ~ResultsWindow() override;

    // Shows data, read from the files described by files: keeps both, sets the caption from
    // the file titles, enables the commands that need a measurement and schedules a repaint.
    void setMeasurement(std::shared_ptr<const MeasurementSet> data, const MeasurementFiles &files);
    // The measurement shown; both counts 0 before the first one.
    const MeasurementSet &measurement() const { return *measurement_; }
    const MeasurementFiles &files() const { return files_; }
    bool hasMeasurement() const { return !files_.ampFileTitle.isEmpty(); }

    // The bearing type and remarks entered last in the report-text dialog (Print, preview, PDF).
    const ReportTexts &reportTexts() const { return reportTexts_; }
    const ChartTools &tools() const { return tools_; }

    // The Print command.
    void printReport();

    // The folder being followed, named in the button row ("Following: ..."), and in the
    // caption while nothing is shown; empty for none.
    void setFollowedFolder(const QString &folder);
    // A followed measurement that could not be shown: note in the button row instead of the
    // folder, details in its tooltip, until the next one is shown; nothing stops.
    void showFollowProblem(const QString &note, const QString &details);
    const QString &followedFolder() const { return followedFolder_; }
    QLabel *followNote() const { return followNote_; }

    // The caption for the files: VELKView - "amp" or VELKView - "amp", "ref"; before any file
    // was read VELKView, or what the window waits for when following folder.
    static QString captionFor(const MeasurementFiles &files, const QString &folder = QString());

    // The client area in logical pixels, where the charts are laid out.
    DeviceRect chartArea() const;

    // Moves the two buttons to the bottom right, from the window's and client's sizes; on a
    // client area too low for them beside the reference chart's degree labels, down below those
    // labels, made lower if need be.
    void placeButtons();
    // Puts the window back at the origin of the primary screen's work area, at full-screen size.
    void pinWindow();

    QPushButton *closeButton() const { return closeButton_; }
    QPushButton *printButton() const { return printButton_; }
    // The focusable, accessible stand-ins over the two plots.
    ChartAccessArea *chartAccessArea(ChartReadout::Chart chart) const;

    // Shows the window maximised (or full screen, if the user chose that with F11), on top and
    // active. The state is kept whatever the window manager answers: a manager that drops it
    // is asked again.
    void showOnTop();
    // F11: full screen, and back to exactly the state before.
    void toggleFullScreen();

    // The right-click menu, made once from the window's actions: print preview, report as PDF,
    // charts as image, copy charts, compare, looking closer, follow. Preview and PDF ask for the
    // report texts first (Cancel there cancels the command); a failed save shows the path and
    // the reason and leaves no file.
    QMenu *contextMenu() const { return contextMenu_; }
    // The window's command of that object name (the actions carry their shortcuts), or null.
    QAction *action(const QString &name) const;
    void showPrintPreview();
    void saveReportAsPdf();
    void saveChartsAsImage();
    void copyCharts();

    // Looking closer (results_window_values.cpp): the angle range both charts show, and the
    // values behind them. Printing, preview and the PDF always show the full revolution;
    // the image saves and the clipboard take what is shown.
    ChartZoom *zoom() const { return zoom_; }
    // Ctrl+T: the values window beside this one, created at the first call.
    void showValues();
    ValuesWindow *valuesWindow() const { return valuesWindow_; }
    // Marks a row of a table in the charts (a thin line at its angle, brought into view) and
    // moves the readout there; row -1 removes the mark.
    void markValue(ValueTable table, int row);
    std::optional<double> markedAngle() const { return markedAngle_; }
    // Zooms both charts to the angles from startAngle to endAngle (an excursion chosen in the
    // values window), with a little room on either side.
    void showAngles(double startAngle, double endAngle);
    // Writes the table shown in the values window (else the amplitude samples) as CSV.
    void exportValuesCsv();

    // The trend (results_window_trend.cpp): every measurement shown while following gets a
    // column in the trend window, which is made at the first and shown by this command;
    // clicking a column opens that measurement (fileDropped). Following another folder starts
    // a new trend.
    void showTrend();
    TrendWindow *trendWindow() const { return trendWindow_; }

    // Comparing (results_window_compare.cpp): a second measurement, read from the files
    // described by files, drawn behind the shown one on screen, in the image saves and on the
    // clipboard, and in the readout; print, preview and the PDF keep the shown one alone.
    // Replaces any comparison before and schedules a repaint.
    void setComparison(std::shared_ptr<const MeasurementSet> data, const MeasurementFiles &files);
    // Draws the shown measurement alone again.
    void stopComparing();
    bool isComparing() const { return compared_ != nullptr; }
    const MeasurementSet *comparedMeasurement() const { return compared_.get(); }
    const MeasurementFiles &comparedFiles() const { return comparedFiles_; }
    // What the charts draw behind the shown measurement: nothing unless comparing.
    ChartComparison comparison() const;

signals:
    void closeRequested();
    // Ctrl+O, F5, Ctrl+Q and a dropped file: the owner runs its own commands for them.
    void openRequested();
    // Compare with… (menu, Ctrl+Shift+O) and a file dropped with Shift held.
    void compareRequested();
    void compareFileDropped(const QString &path);
    void stopCompareRequested();
    void reloadRequested();
    void quitRequested();
    void fileDropped(const QString &path);
    // "Follow this folder" and Ctrl+L: start following the shown measurement's folder, or stop.
    void followRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // One action per command, made once, with its shortcut; the menu shows them in order.
    void createActions();
    QAction *addCommand(const QString &text, const char *name, const QList<QKeySequence> &keys = {});
    QAction *action(const char *name) const { return action(QLatin1String(name)); }
    // Enables the commands from the state: nothing shown, comparing, zoomed, following.
    void updateActions();
    void retranslateActions();
    void setUpLookingCloser();
    void paintAngleMark(QPainter &painter);
    // Runs the report-text dialog on a copy of the report texts; true, with the texts taken,
    // when the user confirmed.
    bool askReportTexts();
    // The tooltip-like box beside the cursor; the charts themselves stay untouched.
    void showReadout(QPoint position);
    // The box beside a sample the keys chose; index -1 hides it.
    void showSampleReadout(ChartReadout::Chart chart, int index);
    // The box with text, beside a point of the window.
    void placeReadout(const QString &text, QPoint beside);
    void placeChartAccessAreas();
    // Writes path through a QSaveFile; on failure shows the error box and returns false.
    bool saveFile(const QString &path, const std::function<bool(QIODevice &)> &write);

    ModalDialogs &dialogs_;
    // Never null: an empty set until the first measurement. The chart stand-ins and the values
    // window read it through this member.
    std::shared_ptr<const MeasurementSet> measurement_;
    MeasurementFiles files_;
    std::shared_ptr<const MeasurementSet> compared_;   // present only while comparing
    MeasurementFiles comparedFiles_;
    ReportTexts reportTexts_;
    ChartTools tools_;
    QPushButton *closeButton_ = nullptr;
    QPushButton *printButton_ = nullptr;
    int buttonHeight_ = 0;   // the template's, whatever height the last placement gave
    QLabel *readout_ = nullptr;
    QLabel *followNote_ = nullptr;
    QString followedFolder_;
    QString followProblem_;
    QString followProblemDetails_;
    QMenu *contextMenu_ = nullptr;
    void placeFollowNote();
    ChartAccessArea *amplitudeArea_ = nullptr;
    ChartAccessArea *referenceArea_ = nullptr;
    ChartZoom *zoom_ = nullptr;
    ValuesWindow *valuesWindow_ = nullptr;
    TrendWindow *trendWindow_ = nullptr;
    // The trend window, made hidden at the first call.
    TrendWindow *ensureTrendWindow();
    std::optional<double> markedAngle_;
    // Asks for wantedState_ again, a few times at most, after the window manager dropped it.
    void restoreWantedState();

    bool pinning_ = false;
    // Maximised or full screen once shown through showOnTop; none for a window shown as it is.
    Qt::WindowStates wantedState_ = Qt::WindowNoState;
    Qt::WindowStates stateBeforeFullScreen_ = Qt::WindowMaximized;
    int stateRequests_ = 0;
    bool awaitingPlacement_ = false;   // our last pin is waiting for the window manager's answer
};
