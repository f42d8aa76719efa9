#include "app/main_window.h"

#include "app/about_dialog.h"
#include "app/window_icon.h"
#include "lang/language.h"
#include "results/results_window.h"
#include "ui/dialog_units.h"
#include "ui/modal_dialogs.h"
#include "ui/text_fit.h"
#include "ui/window_input.h"

#include <QApplication>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QPushButton>
#include <QTranslator>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

constexpr int aboutCommand = 0x0010;
// The main window's caption.
const QString programName = QStringLiteral("VELKView");

QString aboutItemText()
{
    return QString::fromUtf8("Inf&o über VELKView...");
}

} // namespace

MainWindow::MainWindow(ModalDialogs &dialogs, std::optional<int> languageOverride,
                           const QString &workingDirectory)
    // A top-level window, not a dialog: window managers stack the results window, its
    // transient, above it, where a dialog would be kept above every window of the program.
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , dialogs_(dialogs)
{
    createControls();
    addAboutItem();
    // The program gives all its windows one icon; a main window made without it brings its own.
    if (QApplication::windowIcon().isNull())
        setWindowIcon(programIcon());
    detectLanguage();
    if (languageOverride)
        setLanguage(*languageOverride);
    applyLanguageTexts();
    applyFrameworkLanguage();
    fillLanguageList();
    config_ = configLocation(workingDirectory.isEmpty() ? QDir::currentPath() : workingDirectory);
    session_.setLastFilePath(loadConfig(config_));
    exitButton_->setFocus();
    setAcceptDrops(true);
    createActions();
    connectSession();
}

MainWindow::~MainWindow()
{
    if (frameworkTranslator_)
        QCoreApplication::removeTranslator(frameworkTranslator_.get());
    // The results window is owned here; it must not outlive the records it reads.
    delete resultsWindow_;
    resultsWindow_ = nullptr;
}

void MainWindow::createControls()
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(programName);
    setFont(dialogFont());
    const DialogUnits units(font());
    setFixedSize(units.x(244), units.y(173));

    // Created in template order, which is also the tab order.
    exitButton_ = new QPushButton(this);
    exitButton_->setObjectName(QStringLiteral("exitButton"));
    exitButton_->setDefault(true);
    units.place(exitButton_, 10, 45, 70, 20);
    connect(exitButton_, &QPushButton::clicked, this, &MainWindow::accept);

    openButton_ = new QPushButton(this);
    openButton_->setObjectName(QStringLiteral("openButton"));
    units.place(openButton_, 10, 20, 70, 20);
    connect(openButton_, &QPushButton::clicked, this, [this] { onOpenFile(); });

    recentGroup_ = new QGroupBox(this);
    recentGroup_->setObjectName(QStringLiteral("recentGroup"));
    units.place(recentGroup_, 100, 5, 135, 155);

    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(QStringLiteral("spareLabel"));
    units.place(statusLabel_, 167, 158, 70, 8);

    for (int k = 0; k < RecentFileList::capacity; ++k) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("recentButton%1").arg(k + 1));
        button->setEnabled(false);
        units.place(button, 105, 20 + 20 * k, 125, 15);
        connect(button, &QPushButton::clicked, this, [this, k] { onRecentFile(k); });
        recentButtons_[k] = button;
    }

    languageLabel_ = new QLabel(this);
    languageLabel_->setObjectName(QStringLiteral("languageLabel"));
    units.place(languageLabel_, 11, 70, 78, 8);

    languageList_ = new QComboBox(this);
    languageList_->setObjectName(QStringLiteral("languageBox"));
    languageList_->setEditable(false);
    languageList_->setGeometry(units.x(10), units.y(82), units.x(80), languageList_->sizeHint().height());
    connect(languageList_, &QComboBox::activated, this, &MainWindow::onLanguageChosen);
    // On Linux Qt names a drop-down by its current text and tells its label as a relation.
    languageLabel_->setBuddy(languageList_);
}

void MainWindow::applyLanguageTexts()
{
    exitButton_->setText(tr("Exit"));
    openButton_->setText(tr("Open file"));
    for (int k = 0; k < RecentFileList::capacity; ++k)
        recentButtons_[k]->setText(tr("File:") + QString::number(k + 1));
    languageLabel_->setText(tr("Language"));
    recentGroup_->setTitle(tr("Show last files"));
    // Elsewhere its own name; without one it is announced by its value ("English").
    languageList_->setAccessibleName(tr("Language"));
    nameRecentButtons();
    fitTextsToWidths(this);
}

void MainWindow::nameRecentButtons()
{
    // The button texts are cut to fit; the name carries the whole title, an empty one its number.
    for (int k = 0; k < RecentFileList::capacity; ++k) {
        const QString file = k < session_.recentFiles().count() ? session_.recentFiles().title(k) : QString::number(k + 1);
        recentButtons_[k]->setAccessibleName(tr("Recent file %1").arg(file));
    }
}

void MainWindow::applyFrameworkLanguage()
{
    if (frameworkTranslator_)
        QCoreApplication::removeTranslator(frameworkTranslator_.get());
    frameworkTranslator_ = std::make_unique<QTranslator>();
    // English is Qt's own language; a missing translation leaves it in English too.
    const QString code = QString::fromLatin1(languages[languageIndex].code.data(),
                                             qsizetype(languages[languageIndex].code.size()));
    if (languageIndex != 0
        && frameworkTranslator_->load(QStringLiteral("qtbase_") + code,
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(frameworkTranslator_.get());
}

void MainWindow::fillLanguageList()
{
    languageList_->clear();
    for (const Language &language : languages)
        languageList_->addItem(QString::fromUtf8(language.name.data(), qsizetype(language.name.size())));
    languageList_->setCurrentIndex(languageIndex);
}

void MainWindow::onLanguageChosen(int index)
{
    if (index < 0 || index >= languageCount)
        return;
    // Installing the translations sends the windows a LanguageChange (see changeEvent).
    setLanguage(index);
    applyFrameworkLanguage();
}

void MainWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    applyLanguageTexts();
    refreshRecentButtons();
}

void MainWindow::saveConfig()
{
    ::saveConfig(config_, session_.lastFilePath());
}

void MainWindow::accept()
{
    // A read blocked on a stalled file system must not keep the program from ending.
    session_.cancel();
    saveConfig();
    QDialog::accept();
}

void MainWindow::reject()
{
    session_.cancel();
    saveConfig();
    QDialog::reject();
}

void MainWindow::showAbout()
{
    AboutDialog about(this);
    dialogs_.runDialog(about);
}

#ifdef Q_OS_WIN
void MainWindow::addAboutItem()
{
    // Windows lets a program extend its system menu; the About item goes at its end.
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (!menu)
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, aboutCommand, reinterpret_cast<LPCWSTR>(aboutItemText().utf16()));
}

bool MainWindow::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    auto *msg = static_cast<MSG *>(message);
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == aboutCommand) {
        showAbout();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#else
void MainWindow::addAboutItem()
{
    // Window managers here offer no way to extend their menu; the item lives in the window's
    // context menu instead (right click or the Menu key).
}
#endif

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    acceptFileDrag(event);
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = acceptFileDrop(event);
    if (!path.isEmpty())
        openChosenPath(path, OpenSource::Drop);
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
#ifdef Q_OS_WIN
    QDialog::contextMenuEvent(event);
#else
    contextMenu_->exec(event->globalPos());
#endif
}

void MainWindow::createActions()
{
    auto *open = new QAction(this);
    open->setObjectName(QStringLiteral("openAction"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this] { onOpenFile(); });
    auto *quit = new QAction(this);
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setShortcuts(distinctKeys({QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)}));
    connect(quit, &QAction::triggered, this, &MainWindow::accept);
    addActions({open, quit});

    contextMenu_ = new QMenu(this);
    QAction *about = contextMenu_->addAction(aboutItemText());
    about->setObjectName(QStringLiteral("about%1").arg(aboutCommand));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}
