#include "app/about_dialog.h"
#include "app/main_window.h"
#include "doubles/scripted_dialogs.h"
#include "lang/language.h"
#include "results/report_text_dialog.h"
#include "results/results_window.h"
#include "ui/dialog_units.h"
#include "ui/text_fit.h"

#include <QCoreApplication>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QGuiApplication>
#include <QTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void controlTextsInEveryLanguage_data();
    void controlTextsInEveryLanguage();
    void controlsSitAtTemplatePositionsInTabOrder();
    void dropDownListsLanguagesUnsorted();
    void choosingLanguageReTextsButtons();
    void startsWithFocusOnExitAndEmptyRecentList();
    void everyWayOutSavesConfiguration_data();
    void everyWayOutSavesConfiguration();
    void aboutItemOpensGermanAboutBox();
    void noWindowClipsItsTexts_data();
    void noWindowClipsItsTexts();

private:
    QPushButton *button(MainWindow &window, int id);
};

QPushButton *TestMainWindow::button(MainWindow &window, int id)
{
    // The template's ids: 1 Exit, 1000 Open file, 1002 to 1008 the recent files.
        const QString name = id == 1 ? QStringLiteral("exitButton")
            : id == 1000             ? QStringLiteral("openButton")
                                     : QStringLiteral("recentButton%1").arg(id - 1001);
        return window.findChild<QPushButton *>(name);
}

void TestMainWindow::controlTextsInEveryLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("exit");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("recentPrefix");
    QTest::newRow("English") << 0 << "Exit" << "Open file" << "Show last files" << "Language" << "File:";
    QTest::newRow("German") << 1 << "Beenden" << QString::fromUtf8("Datei \xC3\xB6""ffnen") << "Letzte Dateien anzeigen"
                            << "Sprache" << "Datei:";
    QTest::newRow("French") << 2 << "Terminer" << "Ouvrir le fichier" << "Afficher le dernier fichier" << "Langue"
                            << "Fichiers:";
    QTest::newRow("Italian") << 3 << "Termina" << "Apri file" << "Visualizza ultimi file" << "Lingua" << "File:";
    QTest::newRow("Spanish") << 4 << "Salir" << "Abrir archivo" << QString::fromUtf8("Mostrar los \xC3\xBAltimos archivos")
                             << "Idioma" << "Archivo:";
}

void TestMainWindow::controlTextsInEveryLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, exit);
    QFETCH(QString, open);
    QFETCH(QString, group);
    QFETCH(QString, label);
    QFETCH(QString, recentPrefix);
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, language, dir.path());
    QCOMPARE(window.windowTitle(), QStringLiteral("VELKView"));
    QCOMPARE(button(window, 1)->text(), exit);
    QCOMPARE(button(window, 1000)->text(), open);
    QCOMPARE(window.findChild<QGroupBox *>(QStringLiteral("recentGroup"))->title(), group);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("languageLabel"))->text(), label);
    for (int k = 0; k < 7; ++k)
        QCOMPARE(button(window, 1002 + k)->text(), recentPrefix + QString::number(k + 1));
}

void TestMainWindow::controlsSitAtTemplatePositionsInTabOrder()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    const DialogUnits units(window.font());
    QCOMPARE(window.size(), QSize(units.x(244), units.y(173)));
    struct Control {
        const char *name;
        int x, y, width, height;
    };
    const Control controls[] = {
        {"exitButton", 10, 45, 70, 20},   {"openButton", 10, 20, 70, 20}, {"recentGroup", 100, 5, 135, 155},
        {"spareLabel", 167, 158, 70, 8}, {"recentButton1", 105, 20, 125, 15}, {"recentButton4", 105, 80, 125, 15},
        {"recentButton7", 105, 140, 125, 15}, {"languageLabel", 11, 70, 78, 8},
    };
    for (const Control &control : controls) {
        const QWidget *widget = window.findChild<QWidget *>(QString::fromLatin1(control.name));
        QVERIFY2(widget, control.name);
        QCOMPARE(widget->geometry(), units.rect(control.x, control.y, control.width, control.height));
    }
    const QWidget *list = window.findChild<QWidget *>(QStringLiteral("languageBox"));
    QCOMPARE(list->pos(), QPoint(units.x(10), units.y(82)));
    QCOMPARE(list->width(), units.x(80));

    // Tab order: Exit, Open, the recent buttons, then the drop-down.
    QStringList order;
    QWidget *widget = button(window, 1);
    for (int step = 0; step < 10; ++step) {
        order.append(widget->objectName());
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || (!widget->inherits("QAbstractButton") && !widget->inherits("QComboBox")))
            widget = widget->nextInFocusChain();
    }
    QCOMPARE(order, (QStringList{QStringLiteral("exitButton"), QStringLiteral("openButton"), QStringLiteral("recentButton1"),
                                 QStringLiteral("recentButton2"), QStringLiteral("recentButton3"), QStringLiteral("recentButton4"),
                                 QStringLiteral("recentButton5"), QStringLiteral("recentButton6"), QStringLiteral("recentButton7"),
                                 QStringLiteral("languageBox")}));

    // Right to left (-reverse): the same places, mirrored.
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    MainWindow mirrored(dialogs, 0, dir.path());
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    const QRect exit = units.rect(10, 45, 70, 20);
    QCOMPARE(button(mirrored, 1)->geometry(), QRect(mirrored.width() - exit.right() - 1, exit.y(), exit.width(), exit.height()));
}

void TestMainWindow::dropDownListsLanguagesUnsorted()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 3, dir.path());
    auto *list = window.findChild<QComboBox *>(QStringLiteral("languageBox"));
    QVERIFY(list);
    QVERIFY(!list->isEditable());
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->itemText(i));
    QCOMPARE(entries, (QStringList{QStringLiteral("English"), QStringLiteral("Deutsch"), QString::fromUtf8("Fran\xC3\xA7""ais"),
                                   QStringLiteral("Italiano"), QStringLiteral("Espanol")}));
    QCOMPARE(list->currentIndex(), 3);
}

void TestMainWindow::choosingLanguageReTextsButtons()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    auto *list = window.findChild<QComboBox *>(QStringLiteral("languageBox"));
    list->setCurrentIndex(1);
    emit list->activated(1);
    // Qt posts the LanguageChange that retranslates the windows.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(languageIndex, 1);
    QCOMPARE(button(window, 1)->text(), QStringLiteral("Beenden"));
    QCOMPARE(button(window, 1008)->text(), QStringLiteral("Datei:7"));
    QVERIFY(!button(window, 1008)->isEnabled());
    // Accessible names follow too: the drop-down is labelled, not announced by its value alone.
    const auto name = [](QAccessibleInterface *access) { return access->text(QAccessible::Name); };
    const auto labels = QAccessible::queryAccessibleInterface(list)->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(name(labels[0].first), QStringLiteral("Sprache"));
    QCOMPARE(list->accessibleName(), QStringLiteral("Sprache"));
    QCOMPARE(name(QAccessible::queryAccessibleInterface(button(window, 1008))), QStringLiteral("Letzte Datei 7"));
    // The same language again changes nothing.
    emit list->activated(1);
    QCOMPARE(button(window, 1)->text(), QStringLiteral("Beenden"));
    // Qt's own dialog texts switch along, whatever the system's language.
    const auto qtCancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    QCOMPARE(qtCancel(), QStringLiteral("Abbrechen"));
    emit list->activated(2);
    QCOMPARE(qtCancel(), QStringLiteral("Annuler"));
    emit list->activated(0);
    QCOMPARE(qtCancel(), QStringLiteral("Cancel"));
}

void TestMainWindow::startsWithFocusOnExitAndEmptyRecentList()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.focusWidget(), button(window, 1));
    QVERIFY(button(window, 1)->isDefault());
    QVERIFY(button(window, 1000)->isEnabled());
    for (int k = 0; k < 7; ++k)
        QVERIFY(!button(window, 1002 + k)->isEnabled());
    QCOMPARE(window.recentFiles().count(), 0);
    // No minimise or maximise box.
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
}

void TestMainWindow::everyWayOutSavesConfiguration_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("result");
    QTest::newRow("Exit button") << "exit" << int(QDialog::Accepted);
    QTest::newRow("Enter") << "enter" << int(QDialog::Accepted);
    QTest::newRow("Escape") << "escape" << int(QDialog::Rejected);
    QTest::newRow("close box") << "close" << int(QDialog::Rejected);
}

void TestMainWindow::everyWayOutSavesConfiguration()
{
    QFETCH(QString, way);
    QFETCH(int, result);
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString configPath = dir.filePath(QStringLiteral("VELKView.cfg"));
    QVERIFY(!QFile::exists(configPath));
    if (way == QLatin1String("exit"))
        button(window, 1)->click();
    else if (way == QLatin1String("enter"))
        QTest::keyClick(&window, Qt::Key_Return);
    else if (way == QLatin1String("escape"))
        QTest::keyClick(&window, Qt::Key_Escape);
    else
        window.close();
    QCOMPARE(window.result(), result);
    QVERIFY(!window.isVisible());
    QFile file(configPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), (dir.path() + QStringLiteral("/*_amp.txt")).toUtf8());
}

void TestMainWindow::aboutItemOpensGermanAboutBox()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    QString aboutTitle;
    QStringList aboutTexts;
    dialogs.dialogAnswer = [&](QDialog &dialog) {
        aboutTitle = dialog.windowTitle();
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            aboutTexts.append(label->text());
        return int(QDialog::Accepted);
    };
    MainWindow window(dialogs, 2, dir.path());
    const QList<QAction *> actions = window.contextMenu()->actions();
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions.first()->text(), QString::fromUtf8("Inf&o \xC3\xBC""ber VELKView..."));
    actions.first()->trigger();
    QCOMPARE(dialogs.dialogCount, 1);
    QCOMPARE(aboutTitle, QString::fromUtf8("Info \xC3\xBC""ber VELKView"));
    QVERIFY(aboutTexts.contains(QStringLiteral("VELKView Version 1.20")));
    // The icons come from the app library's resources, which Qt must have registered.
    QVERIFY(!window.windowIcon().pixmap(32).isNull());
}

void TestMainWindow::noWindowClipsItsTexts_data()
{
    QTest::addColumn<int>("language");
    for (int language = 0; language < languageCount; ++language)
        QTest::newRow(languages[language].code.data()) << language;
}

// Every label, button and group box of every window shows its whole text, and widening
// made no control run into another.
void TestMainWindow::noWindowClipsItsTexts()
{
    QFETCH(int, language);
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow mainWindow(dialogs, language, dir.path());
    AboutDialog about(&mainWindow);
    ResultsWindow results(dialogs, &mainWindow);
    ReportTexts texts;
    ReportTextDialog textDialog(texts, &results);
    for (QWidget *window : std::initializer_list<QWidget *>{&mainWindow, &about, &results, &textDialog}) {
        // Window managers draw the caption in the system's title font, bold, beside an icon
        // and three buttons each about a line high.
        QFont captionFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        captionFont.setBold(true);
        const QFontMetrics caption(captionFont);
        QVERIFY2(caption.horizontalAdvance(window->windowTitle()) + 4 * caption.height() <= window->width(),
                 qPrintable(window->windowTitle()));
        const QList<QWidget *> controls = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (const QWidget *control : controls) {
            if (control->isWindow())
                continue;
            const QFontMetrics metrics(control->font());
            int shown = control->width();
            QString text;
            if (const auto *label = qobject_cast<const QLabel *>(control)) {
                text = label->text();
                shown = label->contentsRect().width();
            } else if (const auto *pushButton = qobject_cast<const QPushButton *>(control)) {
                text = pushButton->text().remove(QLatin1Char('&'));
                QStyleOptionButton option;
                option.initFrom(pushButton);
                shown = pushButton->style()->subElementRect(QStyle::SE_PushButtonContents, &option, pushButton).width();
            } else if (const auto *group = qobject_cast<const QGroupBox *>(control)) {
                text = group->title();
            }
            QVERIFY2(metrics.horizontalAdvance(text) <= shown, qPrintable(text));
            QVERIFY2(control->x() + control->width() <= window->width(), qPrintable(text));
            for (const QWidget *other : controls) {
                if (other->isWindow())
                    continue;
                const QRect a = control->geometry();
                const QRect b = other->geometry();
                const bool nested = a.contains(b) || b.contains(a);
                const bool apart = !templateGeometry(control).intersects(templateGeometry(other));
                QVERIFY2(other == control || nested || !apart || !a.intersects(b),
                         qPrintable(control->objectName() + QLatin1Char(' ') + other->objectName()));
            }
        }
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
