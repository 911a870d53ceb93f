// Start-up through the hidden tray window, the icon's presses, the tray menu and Exit.

#include "WindowTest.h"
#include "alarm/Alarm.h"
#include "forms/Twips.h"
#include "main/Startup.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TrayTest : public QObject {
    Q_OBJECT
    WindowTest t;

    static QStringList visibleWindows() {
        QStringList names;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) names << QString::fromLatin1(w->metaObject()->className());
        return names;
    }

  private Q_SLOTS:
    void init() { t.init(); }
    void cleanup() { t.cleanup(); }

    void startUpShowsOnlyTheIconAndCompletesOnce() {
        Main();
        QVERIFY(t.fakes.tray->shown);
        QCOMPARE(t.fakes.tray->tip, QStringLiteral("Kelvon"));
        QCOMPARE(t.fakes.tray->adds, 1);
        QCOMPARE(t.fakes.tray->menu, Default<frmPopTray>().mnuFile);
        QVERIFY(visibleWindows().isEmpty());
        QVERIFY(IsLoaded<frmPass>() && IsLoaded<frmNotify>());
        QCOMPARE(Default<frmPass>().windowTitle(), QStringLiteral("Kelvon"));
        QVERIFY(Default<frmTray>().Timer1->isActive());
        QCOMPARE(Default<frmTray>().Timer1->interval(), 850);
        QCOMPARE(NoteTable.FileHeader1,
                 QStringLiteral("THIS IS A SELF UPDATING FILE AND WILL CRASH IF TAMPERED WITH."));
        QVERIFY(!QFile::exists(DataFileName));

        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(DataFileName), 3000);
        QVERIFY(!Default<frmTray>().Timer1->isActive());
        QVERIFY(Default<frmPass>().windowTitle().isEmpty());
        QVERIFY(t.fileBytes().startsWith(
            "\"THIS IS A SELF UPDATING FILE AND WILL CRASH IF TAMPERED WITH.\"\r\n"
            "\"DELETE FILE COMPLETELY IF PROBLEM ARISES.\"\r\n"));
        QVERIFY(visibleWindows().isEmpty());
        QVERIFY(t.alertWindows().isEmpty()); // a first start fires nothing
    }

    void iconPressesFollowTheDecodingTable() {
        Main();
        Default<frmTray>().Timer1->stop();
        struct Case {
            int code;
            bool showsClock;
            bool showsMenu;
        };
        const Case cases[] = {{513, true, false},  {516, false, true},  {512, false, false},
                              {514, false, false}, {515, false, false}, {517, false, false},
                              {518, false, false}, {519, false, false}};
        enum Blocker { None, Editor, About };
        for (Blocker blocker : {None, Editor, About}) {
            for (const Case& c : cases) {
                Default<frmPass>().hide();
                Default<frmPopTray>().mnuFile->hide();
                Default<frmNotify>().setVisible(blocker == Editor);
                Default<frmAbout>().setVisible(blocker == About);
                t.fakes.tray->press(c.code);
                const QString where =
                    QStringLiteral("code %1, blocker %2").arg(c.code).arg(int(blocker));
                QVERIFY2(Default<frmPass>().isVisible() == (c.showsClock && blocker == None),
                         qPrintable(where));
                QVERIFY2(Default<frmPopTray>().mnuFile->isVisible() == c.showsMenu,
                         qPrintable(where));
            }
        }
        // Pressing again while the clock is up shows it still.
        Default<frmNotify>().hide();
        Default<frmAbout>().hide();
        t.fakes.tray->press(513);
        t.fakes.tray->press(513);
        QVERIFY(Default<frmPass>().isVisible());
        QStringList items;
        for (QAction* a : Default<frmPopTray>().mnuFile->actions()) {
            items << a->text();
            QVERIFY(a->shortcut().isEmpty() && !a->isSeparator());
        }
        QCOMPARE(items, QStringList({QStringLiteral("&Kelvon"), QStringLiteral("&Set Alarm"),
                                     QStringLiteral("&Help"), QStringLiteral("&About"),
                                     QStringLiteral("&Exit")}));
    }

    void menuCommandsFollowTheVisibilityRules() {
        Main();
        Default<frmTray>().Timer1->stop();
        frmPopTray& menu = Default<frmPopTray>();

        Default<frmNotify>().show();
        menu.mnuKelvon->trigger();
        QVERIFY(!Default<frmPass>().isVisible());
        Default<frmNotify>().hide();
        menu.mnuKelvon->trigger();
        QVERIFY(Default<frmPass>().isVisible());

        // About only while the clock window is hidden.
        menu.mnuAbout->trigger();
        QVERIFY(!Default<frmAbout>().isVisible());
        Default<frmPass>().hide();
        bool aboutShown = false;
        t.whileModal(
            [&] {
                aboutShown = Default<frmAbout>().isVisible();
                Default<frmAbout>().cmdOK->click();
            },
            [&] { menu.mnuAbout->trigger(); });
        QVERIFY(aboutShown);

        // Set Alarm while the About box is up: placed, not shown, clock off.
        Default<frmAbout>().show();
        menu.mnuSet->trigger();
        QVERIFY(!Default<frmNotify>().isVisible());
        QVERIFY(!Default<frmPass>().timerEnabled());
        QCOMPARE(Default<frmNotify>().y(), Px(8));
        Unload<frmAbout>();

        bool editorShown = false;
        t.whileModal(
            [&] {
                editorShown =
                    Default<frmNotify>().isVisible() && !Default<frmPass>().timerEnabled();
                Default<frmNotify>().cmdOKnotify->click();
            },
            [&] { menu.mnuSet->trigger(); });
        QVERIFY(editorShown);
        QVERIFY(Default<frmPass>().timerEnabled());

        menu.mnuHelp->trigger();
        QCOMPARE(t.fakes.help->path, HelpFilePath());
        QCOMPARE(t.fakes.help->command, 3);
    }

    void exitSavesRemovesTheIconAndLeavesNoWindow() {
        Notes n;
        n.NoteDate[0] = QStringLiteral("03/24/07");
        n.NoteTime[0] = QStringLiteral("14:00:00");
        n.NoteMessage[0] = QStringLiteral("stand up");
        n.RepeatDaily[0] = 1;
        t.writeFile(n);
        Main();
        Default<frmTray>().Timer1->stop();
        Default<frmPass>().Timer1_Timer(); // it fires
        QCOMPARE(t.alertWindows().size(), 1);
        QPointer<QDialog> alert = AlertWindow;
        Default<frmPopTray>().mnuClose->trigger();
        QCOMPARE(t.exitCode, 0);
        QVERIFY(!t.fakes.tray->shown);
        QVERIFY(!IsLoaded<frmPass>() && !IsLoaded<frmNotify>() && !IsLoaded<frmPopTray>() &&
                !IsLoaded<frmTray>());
        QCOMPARE(t.fileNotes().NoteDate[0], QStringLiteral("03/25/07")); // acknowledged
        QVERIFY(alert && !static_cast<frmPass*>(alert.data())->timerEnabled());
    }

    // Exit whose save fails asks, keeping Kelvon running by default; a signal cannot ask.
    void exitThatCannotSaveAsksFirst() {
        struct Case {
            const char* name;
            bool byMenu;
            QList<int> answers;
            int boxes;
            bool ends;
        };
        const Case cases[] = {
            {"default: keep running", true, {}, 1, false},
            {"keep running", true, {0}, 1, false},
            {"end without saving", true, {1}, 1, true},
            {"signal", false, {}, 0, true},
        };
        for (const Case& c : cases) {
            t.writeFile(Notes());
            Main();
            Default<frmTray>().Timer1->stop();
            Default<frmNotify>().cmdOKnotify->click(); // start-up's save works
            QFile::setPermissions(DataFileName, QFile::ReadOwner);
            t.fakes.box->answers = c.answers;
            if (c.byMenu)
                Default<frmPopTray>().mnuClose->trigger();
            else
                Default<frmPopTray>().EndProgram(false);
            QVERIFY2(t.fakes.box->choices.size() == c.boxes, c.name);
            QVERIFY2(t.fakes.box->texts.size() == c.boxes, c.name); // the one box, no other
            if (c.boxes) {
                QCOMPARE(t.fakes.box->choices.first(), EndWithoutSavingChoices());
                QVERIFY(t.fakes.box->texts.first().contains(QStringLiteral("Permission denied")));
            }
            QVERIFY2(t.exitCode == (c.ends ? 0 : -1), c.name);
            QVERIFY2(t.fakes.tray->shown == !c.ends, c.name);
            QVERIFY2(IsLoaded<frmNotify>() == !c.ends, c.name);
            QFile::setPermissions(DataFileName, QFile::ReadOwner | QFile::WriteOwner);
            t.cleanup();
            t.init();
        }
    }

    void withoutANotificationAreaTheClockIsTheWayInAndOut() {
        t.fakes.tray->available = false;
        Main();
        QVERIFY(Default<frmPass>().isVisible());
        QVERIFY(!t.fakes.tray->shown);
        // With no icon to come back by, neither OK nor Enter may hide the only way out.
        Default<frmPass>().LbMessage->setText(QStringLiteral("read"));
        Default<frmPass>().cmdOK->click();
        QTest::keyClick(&Default<frmPass>(), Qt::Key_Return);
        QVERIFY(Default<frmPass>().isVisible());
        QVERIFY(Default<frmPass>().LbMessage->text().isEmpty());
        QVERIFY(QFile::exists(DataFileName)); // the acknowledgement saved
        Default<frmPass>().close();
        QCOMPARE(t.exitCode, 0);
        QVERIFY(!IsLoaded<frmNotify>() && !IsLoaded<frmTray>());
    }
};

QTEST_MAIN(TrayTest)
#include "tray_test.moc"
