// The reminder editor and its pickers, driven as a user would, offscreen.

#include "WindowTest.h"
#include "forms/Twips.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimeEdit>
#include <QtTest>

class EditorTest : public QObject {
    Q_OBJECT
    WindowTest t;

    static frmNotify& editor() { return Default<frmNotify>(); }
    static int rowTopInWindow(int row) {
        return editor().txtDateNotify[row]->mapTo(&editor(), QPoint(0, 0)).y();
    }
    static bool fullyInView(const QWidget* w) {
        return editor().rect().contains(QRect(w->mapTo(&editor(), QPoint(0, 0)), w->size()));
    }
    // The controls of a window's accessible tree that a screen reader would read without a name.
    static QStringList unnamedControls(QAccessibleInterface* iface) {
        static const QSet<QAccessible::Role> controls{
            QAccessible::Dialog,   QAccessible::EditableText, QAccessible::PushButton,
            QAccessible::CheckBox, QAccessible::RadioButton,  QAccessible::ScrollBar,
            QAccessible::SpinBox,  QAccessible::Graphic};
        QStringList unnamed;
        if (controls.contains(iface->role()) && iface->text(QAccessible::Name).isEmpty())
            unnamed << QString::fromLatin1(iface->object()->metaObject()->className());
        for (int i = 0; i < iface->childCount(); ++i)
            unnamed << unnamedControls(iface->child(i));
        return unnamed;
    }
    static bool rowFullyInView(int row) {
        const int top = rowTopInWindow(row);
        return top >= 0 && top + editor().txtDateNotify[row]->height() <= editor().height();
    }

  private Q_SLOTS:
    void init() { t.init(); }
    void cleanup() { t.cleanup(); }

    void fillingShowsOneRepeatPerRowAndTheLastSound() {
        Notes n;
        n.NoteDate[2] = QStringLiteral("03/24/07");
        n.NoteMessage[2] = QStringLiteral("both");
        n.RepeatDaily[2] = 1;
        n.RepeatMonthly[2] = 1;
        n.NoteDone[2] = 1;
        n.RepeatDaily[4] = 1;
        n.RepeatWeekly[4] = 1;
        n.NoteDone[4] = 1;
        n.NoteDone[6] = 1;
        n.SoundMessage = true;
        n.SoundDive = true;
        n.NoteMessage[3] = QString(40000, QLatin1Char('x')) + QStringLiteral("end");
        t.writeFile(n);
        frmNotify& e = editor();
        QCOMPARE(e.txtMessage[2]->text(), QStringLiteral("both"));
        QVERIFY(!e.ckDaily[2]->isChecked() && !e.ckWeekly[2]->isChecked());
        QVERIFY(e.ckMonthly[2]->isChecked());
        QVERIFY(!e.ckDaily[4]->isChecked() && e.ckWeekly[4]->isChecked());
        QCOMPARE(NoteTable.NoteDone[2], qint16(0));
        QCOMPARE(NoteTable.NoteDone[4], qint16(0));
        QCOMPARE(NoteTable.NoteDone[6], qint16(1)); // no repeat: stays done
        QVERIFY(e.optDive->isChecked());
        QVERIFY(!e.optMessage->isChecked() && !e.optAlert->isChecked() && !e.OptAlarm->isChecked());
        // A text of any length the file holds survives the next save whole.
        QCOMPARE(e.txtMessage[3]->text(), n.NoteMessage[3]);
        e.cmdOKnotify->click();
        QCOMPARE(t.fileNotes().NoteMessage[3], n.NoteMessage[3]);
    }

    void withoutAFileEverythingIsEmptyAndNoSoundChosen() {
        frmNotify& e = editor();
        for (int i = 0; i < RowCount; ++i) {
            QVERIFY(e.txtDateNotify[i]->text().isEmpty() && e.txtTimeNote[i]->text().isEmpty());
            QVERIFY(!e.ckDaily[i]->isChecked() && !e.ckWeekly[i]->isChecked() &&
                    !e.ckMonthly[i]->isChecked());
        }
        QCOMPARE(e.soundGroup->checkedButton(), nullptr);
        QVERIFY(t.fakes.box->texts.isEmpty());
    }

    void pagingMovesTheRowsByTheScrollValue() {
        frmNotify& e = editor();
        const int row0 = rowTopInWindow(0);
        QCOMPARE(row0, Px(Frame1Top + RowTop0));
        for (int row = 0; row < 12; ++row)
            QVERIFY2(rowFullyInView(row), qPrintable(QString::number(row)));
        QVERIFY(!rowFullyInView(12));

        e.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(e.VScroll1->value(), 300);
        QCOMPARE(rowTopInWindow(1), Px(RowTop0)); // exactly one row up, and 30 twips higher
        e.VScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(e.VScroll1->value(), 1300);
        QCOMPARE(rowTopInWindow(0), Px(RowTop0 - 1300));

        // The rows follow the thumb while it is dragged, before it is released.
        e.VScroll1->setSliderDown(true);
        e.VScroll1->setSliderPosition(4500);
        QCOMPARE(rowTopInWindow(15), Px(RowTop0));
        e.VScroll1->setSliderDown(false);

        e.VScroll1->setValue(6000);
        for (int row = 20; row < 32; ++row)
            QVERIFY(rowFullyInView(row));
        QVERIFY(!rowFullyInView(19));
        e.VScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(e.VScroll1->value(), 6000);

        e.VScroll1->setValue(0);
        QCOMPARE(rowTopInWindow(0), Px(RowTop0));

        // It reopens where it was left.
        e.VScroll1->setValue(2400);
        e.cmdOKnotify->click();
        t.whileModal([&] { e.cmdOKnotify->click(); },
                     [&] { Default<frmPass>().mnuNotify_Click(); });
        QCOMPARE(e.VScroll1->value(), 2400);
        QCOMPARE(rowTopInWindow(8), Px(RowTop0));
    }

    void setOpensTheEditorCentredAtTheTopAndOKRestartsTheClock() {
        QCOMPARE(CentredLeft(15360, 9795), 2782);
        QCOMPARE(CentredLeft(15360, 9780), 2790);
        frmPass& main = Default<frmPass>();
        QVERIFY(main.timerEnabled());
        bool sawOpen = false;
        t.whileModal(
            [&] {
                sawOpen = editor().isVisible() && !main.timerEnabled();
                QCOMPARE(editor().y(), Px(8));
                const int screen = Twips(QGuiApplication::primaryScreen()->geometry().width());
                QCOMPARE(editor().x(), Px(CentredLeft(screen, Twips(editor().width()))));
                // Enter anywhere in the window presses OK.
                QTest::keyClick(editor().txtMessage[4], Qt::Key_Return);
            },
            [&] { main.mnuNotify_Click(); });
        QVERIFY(sawOpen);
        QVERIFY(!editor().isVisible());
        QVERIFY(main.timerEnabled());
        QVERIFY(QFile::exists(DataFileName));
    }

    void escapeAndCloseDoNotLeaveTheEditor() {
        t.whileModal(
            [&] {
                QTest::keyClick(editor().txtMessage[0], Qt::Key_Escape);
                editor().close();
                QVERIFY(editor().isVisible());
                editor().cmdOKnotify->click();
            },
            [&] { Default<frmPass>().mnuNotify_Click(); });
        QVERIFY(!editor().isVisible());
    }

    void repeatBoxesAreExclusiveAndTickingRearms() {
        frmNotify& e = editor();
        NoteTable.NoteDone[3] = 1;
        e.ckDaily[3]->click();
        QCOMPARE(NoteTable.NoteDone[3], qint16(0));
        NoteTable.NoteDone[3] = 1;
        e.ckWeekly[3]->click();
        QVERIFY(!e.ckDaily[3]->isChecked() && e.ckWeekly[3]->isChecked());
        QCOMPARE(NoteTable.NoteDone[3], qint16(0));
        e.ckMonthly[3]->click();
        QVERIFY(!e.ckWeekly[3]->isChecked() && e.ckMonthly[3]->isChecked());
        NoteTable.NoteDone[3] = 1;
        e.ckMonthly[3]->click(); // unticking leaves the flag alone
        QVERIFY(!e.ckMonthly[3]->isChecked());
        QCOMPARE(NoteTable.NoteDone[3], qint16(1));
        // Ticking does not save.
        QVERIFY(!QFile::exists(DataFileName));
    }

    void clearThenOKSavesAnEmptyDoneRow() {
        frmNotify& e = editor();
        e.txtDateNotify[7]->setText(QStringLiteral("03/25/07"));
        e.txtMessage[7]->setText(QStringLiteral("water plants"));
        e.txtTimeNote[7]->setText(QStringLiteral("08:00:00"));
        e.ckWeekly[7]->click();
        e.cmdOKnotify->click();
        QCOMPARE(t.fileNotes().NoteMessage[7], QStringLiteral("water plants"));
        QCOMPARE(t.fileNotes().NoteDone[7], qint16(0));

        e.cmdClear[7]->click();
        QVERIFY(e.txtMessage[7]->text().isEmpty());
        QCOMPARE(t.fileNotes().NoteMessage[7], QStringLiteral("water plants")); // not saved yet
        e.cmdOKnotify->click();
        const Notes f = t.fileNotes();
        QVERIFY(f.NoteDate[7].isEmpty() && f.NoteMessage[7].isEmpty() && f.NoteTime[7].isEmpty());
        QCOMPARE(f.RepeatWeekly[7], qint16(0));
        QCOMPARE(f.NoteDone[7], qint16(1));
    }

    void okReportsTheFirstBadTextThenTheNextThenSaves() {
        frmNotify& e = editor();
        Default<frmPass>().setTimerEnabled(false);
        e.txtTimeNote[3]->setText(QStringLiteral("25:00:00"));
        e.txtDateNotify[3]->setText(QStringLiteral("13/45/07")); // time is checked first
        e.txtDateNotify[5]->setText(QStringLiteral("someday"));
        e.txtTimeNote[6]->setText(QStringLiteral("12/25/07")); // a date in a time box is fine
        e.txtDateNotify[6]->setText(QStringLiteral("03/24/07 14:30"));
        e.show();
        const QStringList expected{QStringLiteral("The TIME you entered was not valid."),
                                   QStringLiteral("The DATE you entered was not valid."),
                                   QStringLiteral("The DATE you entered was not valid.")};
        for (int press = 0; press < 3; ++press) {
            e.cmdOKnotify->click();
            QCOMPARE(t.fakes.box->texts.size(), press + 1);
            QCOMPARE(t.fakes.box->texts.last(), expected[press]);
            QVERIFY(e.isVisible());
            QVERIFY(!QFile::exists(DataFileName));
            QVERIFY(!Default<frmPass>().timerEnabled());
        }
        QVERIFY(e.txtTimeNote[3]->text().isEmpty() && e.txtDateNotify[3]->text().isEmpty());
        QVERIFY(e.txtDateNotify[5]->text().isEmpty());
        e.cmdOKnotify->click();
        QCOMPARE(t.fakes.box->texts.size(), 3);
        QVERIFY(!e.isVisible());
        QCOMPARE(t.fileNotes().NoteTime[6], QStringLiteral("12/25/07")); // stored as typed
        QCOMPARE(NoteTable.NoteDate[6], QStringLiteral("03/24/07 14:30"));
    }

    void writeProtectedFileIsToldOnceToTheProgramAndAtEveryAskOfTheUser() {
        Notes n;
        n.NoteMessage[0] = QStringLiteral("old");
        t.writeFile(n);
        QFile::setPermissions(DataFileName, QFile::ReadOwner | QFile::ReadGroup);
        const QByteArray before = t.fileBytes();
        frmNotify& e = editor();
        const QString told = SaveFailedMessage(QFileInfo(DataFileName).absoluteFilePath(),
                                               QStringLiteral("Permission denied"));
        // The program's own saves: start-up's press of the hidden OK, then an acknowledgement.
        e.cmdOKnotify->click();
        QVERIFY(Default<frmPass>().timerEnabled());
        Default<frmPass>().cmdOK_Click();
        QCOMPARE(t.fakes.box->texts, QStringList(told));
        // The user's: OK keeps the editor open with what was typed; each picker's accept.
        Default<frmPass>().setTimerEnabled(false);
        e.show();
        e.txtMessage[0]->setText(QStringLiteral("new"));
        for (int ask = 2; ask <= 3; ++ask) {
            e.cmdOKnotify->click();
            QVERIFY(e.isVisible());
            QCOMPARE(e.txtMessage[0]->text(), QStringLiteral("new"));
            QVERIFY(!Default<frmPass>().timerEnabled());
            QCOMPARE(t.fakes.box->texts.size(), ask);
        }
        t.whileModal([&] { Default<frmCal>().Command1->click(); },
                     [&] { e.txtDateNotify_Click(4); });
        t.whileModal([&] { Default<frmTime>().cmdOK->click(); }, [&] { e.txtTimeNote_Click(4); });
        QCOMPARE(t.fakes.box->texts, QStringList(5, told));
        QCOMPARE(t.fileBytes(), before);
        // Once the cause is gone, OK saves what the editor held.
        QFile::setPermissions(DataFileName, QFile::ReadOwner | QFile::WriteOwner);
        e.cmdOKnotify->click();
        QVERIFY(!e.isVisible() && Default<frmPass>().timerEnabled());
        QCOMPARE(t.fileNotes().NoteMessage[0], QStringLiteral("new"));
        QCOMPARE(t.fakes.box->texts.size(), 5);
    }

    // A fired reminder is set again by a date or time typed anew, as by its picker, and stays
    // fired when only its message or repeat is mended.
    void typingANewDateOrTimeRearmsAFiredRow() {
        struct Case {
            const char* name;
            std::function<void(frmNotify&)> edit;
            qint16 done;
        };
        const Case cases[] = {
            {"new time",
             [](frmNotify& e) {
                 e.txtTimeNote[3]->selectAll();
                 QTest::keyClicks(e.txtTimeNote[3], "14:15:00");
             },
             0},
            {"new date",
             [](frmNotify& e) {
                 e.txtDateNotify[3]->clear();
                 QTest::keyClicks(e.txtDateNotify[3], "03/30/07");
             },
             0},
            {"time typed back as it was",
             [](frmNotify& e) {
                 QTest::keyClick(e.txtTimeNote[3], Qt::Key_Backspace);
                 QTest::keyClicks(e.txtTimeNote[3], "0");
             },
             1},
            {"message mended", [](frmNotify& e) { QTest::keyClicks(e.txtMessage[3], " soon"); }, 1},
            {"repeat ticked then unticked",
             [](frmNotify& e) {
                 e.ckWeekly[3]->click();
                 NoteTable.NoteDone[3] = 1; // a tick's reload
                 e.ckWeekly[3]->click();
             },
             1},
            {"cleared and typed anew",
             [](frmNotify& e) {
                 e.cmdClear[3]->click();
                 QTest::keyClicks(e.txtDateNotify[3], "03/24/07");
                 QTest::keyClicks(e.txtMessage[3], "walk");
                 QTest::keyClicks(e.txtTimeNote[3], "14:00:00");
             },
             0},
        };
        for (const Case& c : cases) {
            Notes n;
            n.NoteDate[3] = QStringLiteral("03/24/07");
            n.NoteTime[3] = QStringLiteral("14:00:00");
            n.NoteMessage[3] = QStringLiteral("walk");
            n.NoteDone[3] = 1; // it has fired
            t.writeFile(n);
            frmNotify& e = editor();
            Default<frmPass>().setTimerEnabled(false);
            e.show();
            c.edit(e);
            e.cmdOKnotify->click();
            QVERIFY2(t.fileNotes().NoteDone[3] == c.done, c.name);
            // Once saved, a second OK leaves the flag as the tick left it.
            Default<frmPass>().Timer1_Timer();
            const qint16 afterTick = t.fileNotes().NoteDone[3];
            e.show();
            e.cmdOKnotify->click();
            QVERIFY2(t.fileNotes().NoteDone[3] == afterTick, c.name);
            t.cleanup();
            t.init();
        }
    }

    // The open editor follows another program's change at once, except in the row being typed
    // in; at OK a row both changed keeps the user's and puts the file's in the first empty row,
    // or names it in a box when every row is taken.
    void openEditorFollowsTheFileAndKeepsBothAtOK() {
        struct Case {
            const char* name;
            bool full;      // every row holds a reminder
            bool typeInRow; // the user changes row 5 too
        };
        const Case cases[] = {
            {"follows", false, false}, {"both kept", false, true}, {"no row free", true, true}};
        for (const Case& c : cases) {
            Notes n;
            for (int i = 0; i < (c.full ? SlotCount : 8); ++i)
                n.NoteMessage[i] = QStringLiteral("r%1").arg(i);
            t.writeFile(n);
            frmNotify& e = editor();
            Default<frmPass>().setTimerEnabled(false);
            e.show();
            e.txtMessage[6]->setFocus();
            if (c.typeInRow) e.txtMessage[5]->setText(QStringLiteral("mine"));
            Notes theirs = n;
            theirs.NoteMessage[5] = QStringLiteral("theirs");
            theirs.NoteMessage[6] = QStringLiteral("focused");
            t.writeFile(theirs);
            Default<frmPass>().Timer1_Timer(); // an alert window's tick, as the main one sleeps
            QCOMPARE(e.txtMessage[5]->text(),
                     c.typeInRow ? QStringLiteral("mine") : QStringLiteral("theirs"));
            QCOMPARE(e.txtMessage[6]->text(), QStringLiteral("r6"));
            e.cmdOKnotify->click();
            const Notes file = t.fileNotes();
            QVERIFY2(file.NoteMessage[6] == QStringLiteral("focused"), c.name);
            QVERIFY2(file.NoteMessage[5] ==
                         (c.typeInRow ? QStringLiteral("mine") : QStringLiteral("theirs")),
                     c.name);
            QVERIFY2((file.NoteMessage[8] == QStringLiteral("theirs")) == (c.typeInRow && !c.full),
                     c.name);
            QVERIFY2(e.txtMessage[8]->text() == file.NoteMessage[8], c.name);
            QVERIFY2((t.fakes.box->texts.size() == 1) == c.full, c.name);
            if (c.full) QVERIFY(t.fakes.box->texts.constFirst().contains(QStringLiteral("theirs")));
            t.cleanup();
            t.init();
        }
    }

    void soundTestsPlayTheirFileAndChangeNothing() {
        frmNotify& e = editor();
        e.optAlert->setChecked(true);
        for (QPushButton* b : {e.cmdTest1, e.cmdTest2, e.cmdTest3, e.cmdTest4})
            b->click();
        QCOMPARE(t.fakes.sound->events,
                 QStringList(
                     {QStringLiteral("play:checkmsgs.wav:3"), QStringLiteral("play:Alert.wav:3"),
                      QStringLiteral("play:Keytry.wav:3"), QStringLiteral("play:Keyhaw.wav:3")}));
        QVERIFY(e.optAlert->isChecked());
        e.OptAlarm->click(); // selecting one clears the others
        QVERIFY(!e.optAlert->isChecked() && e.OptAlarm->isChecked());
    }

    void typingInTheDateBoxOpensNoPicker() {
        frmNotify& e = editor();
        NoteTable.NoteDone[2] = 1;
        QTest::keyClicks(e.txtDateNotify[2], QStringLiteral("03/24/07"));
        QTest::keyClicks(e.txtTimeNote[2], QStringLiteral("14:30"));
        QVERIFY(!IsLoaded<frmCal>() && !IsLoaded<frmTime>());
        QCOMPARE(NoteTable.NoteDone[2], qint16(1));
        QCOMPARE(e.txtDateNotify[2]->text(), QStringLiteral("03/24/07"));
    }

    // Screen readers and the keyboard alone.

    void screenReadersHearWhatEachControlIsAndWhichRow() {
        frmNotify& e = editor();
        frmCal& cal = Default<frmCal>();
        frmTime& time = Default<frmTime>();
        struct Case {
            QObject* object;
            QAccessible::Role role;
            const char* name;
        };
        const Case cases[] = {
            {&e, QAccessible::Dialog, "Kelvon Reminders"},
            {e.cmdClear[0], QAccessible::PushButton, "Clear row 1"},
            {e.txtDateNotify[0], QAccessible::EditableText, "Row 1 date"},
            {e.txtMessage[0], QAccessible::EditableText, "Row 1 message"},
            {e.txtTimeNote[0], QAccessible::EditableText, "Row 1 time"},
            {e.ckDaily[0], QAccessible::CheckBox, "Row 1 daily"},
            {e.ckWeekly[19], QAccessible::CheckBox, "Row 20 weekly"},
            {e.ckMonthly[19], QAccessible::CheckBox, "Row 20 monthly"},
            {e.txtMessage[19], QAccessible::EditableText, "Row 20 message"},
            {e.optMessage, QAccessible::RadioButton, "Message"},
            {e.cmdTest1, QAccessible::PushButton, "Play the Message sound"},
            {e.VScroll1, QAccessible::ScrollBar, "Reminder rows"},
            {&cal, QAccessible::Dialog, "Date picker"},
            {cal.DTPicker2, QAccessible::SpinBox, "Date"},
            {&time, QAccessible::Dialog, "Time picker"},
            {time.DTPicker1, QAccessible::SpinBox, "Time of day"},
            {&Default<frmPass>(), QAccessible::Dialog, "Kelvon clock"},
        };
        for (const Case& c : cases) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(c.object);
            QCOMPARE(iface->role(), c.role);
            QCOMPARE(iface->text(QAccessible::Name), QString::fromLatin1(c.name));
        }
        for (QWidget* w : std::initializer_list<QWidget*>{&e, &cal, &time, &Default<frmPass>(),
                                                          &Default<frmAbout>()})
            QCOMPARE(unnamedControls(QAccessible::queryAccessibleInterface(w)), QStringList());
        // The names are for screen readers only: what the user sees stays.
        QVERIFY(e.ckDaily[0]->text().isEmpty() && cal.windowTitle().isEmpty());
        QCOMPARE(e.cmdClear[0]->toolTip(), QStringLiteral("CLEAR THIS ROW"));
    }

    void tabShowsEveryRowItReachesAndF4OpensThePickers() {
        frmNotify& e = editor();
        e.show();
        e.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e));
        e.txtMessage[19]->setFocus(Qt::TabFocusReason);
        QCOMPARE(e.VScroll1->value(), 2400); // in whole rows, row 20 at the bottom
        QVERIFY(rowFullyInView(19) && rowFullyInView(8));
        QCOMPARE(rowTopInWindow(8), Px(RowTop0));

        // Round the whole window: every stop is in view.
        e.cmdClear[0]->setFocus(Qt::TabFocusReason);
        QCOMPARE(e.VScroll1->value(), 0);
        int stops = 0;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(fullyInView(QApplication::focusWidget()), qPrintable(QString::number(stops)));
        } while (QApplication::focusWidget() != e.cmdClear[0] && ++stops < 400);
        QVERIFY(stops > 7 * RowCount && stops < 400);
        QCOMPARE(e.VScroll1->value(), 0); // back round to the first row

        struct Key {
            QLineEdit* box;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int row;
        };
        const Key keys[] = {{e.txtDateNotify[3], Qt::Key_F4, Qt::NoModifier, 3},
                            {e.txtDateNotify[22], Qt::Key_Down, Qt::AltModifier, 22},
                            {e.txtTimeNote[5], Qt::Key_F4, Qt::NoModifier, 5},
                            {e.txtTimeNote[30], Qt::Key_Down, Qt::AltModifier, 30}};
        for (const Key& k : keys) {
            const bool date = k.box == e.txtDateNotify[k.row];
            bool opened = false;
            t.whileModal(
                [&] {
                    opened = date ? IsLoaded<frmCal>() && Default<frmCal>().isVisible()
                                  : IsLoaded<frmTime>() && Default<frmTime>().isVisible();
                    if (date)
                        Default<frmCal>().close();
                    else
                        Default<frmTime>().cmdCancel->click();
                },
                [&] { QTest::keyClick(k.box, k.key, k.modifiers); });
            QVERIFY(opened);
            QCOMPARE(CurrentRow, qint16(k.row));
        }
        QTest::keyClick(e.txtDateNotify[3], Qt::Key_Down); // without Alt: no picker
        QVERIFY(!IsLoaded<frmCal>());
    }

    void datePickerKeepsTheReadersFocusOnTheDate() {
        frmNotify& e = editor();
        bool calendarMade = true;
        bool opened = false;
        QString rowAfterClick;
        t.whileModal(
            [&] {
                frmCal& cal = Default<frmCal>();
                QTest::keyClick(cal.DTPicker2, Qt::Key_Up);
                cal.DTPicker2->setDate(QDate(2008, 1, 5));
                // A calendar, even hidden, tells screen readers its day took the focus at each
                // change (QTableView::currentChanged): it is made only when opened.
                calendarMade = cal.DTPicker2->findChild<QCalendarWidget*>() != nullptr;
                QTest::mousePress(cal.DTPicker2, Qt::LeftButton, {},
                                  QPoint(cal.DTPicker2->width() - 4, cal.DTPicker2->height() / 2));
                opened = QApplication::activePopupWidget() != nullptr;
                e.txtDateNotify[6]->clear();
                Q_EMIT cal.DTPicker2->calendarWidget()->clicked(cal.DTPicker2->date());
                rowAfterClick = e.txtDateNotify[6]->text();
                cal.DTPicker2->calendarWidget()->window()->hide();
                cal.close();
            },
            [&] { e.txtDateNotify_Click(6); });
        QVERIFY(!calendarMade && opened);
        QCOMPARE(rowAfterClick, QStringLiteral("01/05/08")); // a click on the calendar writes it
    }

    // The date picker.

    void datePickerStartsAtTheRowsDateOrToday() {
        frmNotify& e = editor();
        e.txtDateNotify[4]->setText(QStringLiteral("03/15/09"));
        const std::pair<int, QDate> cases[] = {{4, QDate(2009, 3, 15)}, {5, QDate(2007, 3, 24)}};
        for (const auto& [row, start] : cases) {
            QDate shown;
            bool modal = false;
            TodayText.clear();
            t.whileModal(
                [&] {
                    shown = Default<frmCal>().DTPicker2->date();
                    modal = Default<frmCal>().isModal() && Default<frmCal>().isVisible();
                    Default<frmCal>().close(); // the close box saves nothing
                },
                [&] { QTest::mouseClick(e.txtDateNotify[row], Qt::LeftButton); });
            QCOMPARE(shown, start);
            QVERIFY(modal);
            QCOMPARE(TodayText, QStringLiteral("03/24/07"));
            QCOMPARE(CurrentRow, qint16(row));
        }
        QCOMPARE(e.txtDateNotify[5]->text(), QString()); // only a choice writes the row
        QVERIFY(!QFile::exists(DataFileName));
    }

    void choosingADateWritesTheRowAndOKSavesEverything() {
        frmNotify& e = editor();
        e.txtMessage[9]->setText(QStringLiteral("unsaved other row"));
        e.txtDateNotify[1]->setText(QStringLiteral("03/24/07"));
        NoteTable.NoteDone[1] = 1;
        QString rowWhileOpen;
        t.whileModal(
            [&] {
                frmCal& cal = Default<frmCal>();
                QCOMPARE(NoteTable.NoteDone[1], qint16(0)); // clicking re-arms at once
                NoteTable.NoteDone[1] = 1; // a tick's reload could have brought it back
                cal.DTPicker2->setDate(QDate(2030, 7, 4));
                rowWhileOpen = e.txtDateNotify[1]->text();
                cal.Command1->click();
            },
            [&] { QTest::mouseClick(e.txtDateNotify[1], Qt::LeftButton); });
        QCOMPARE(rowWhileOpen, QStringLiteral("07/04/30"));
        QTRY_VERIFY(!IsLoaded<frmCal>());
        const Notes f = t.fileNotes();
        QCOMPARE(f.NoteDate[1], QStringLiteral("07/04/30"));
        QCOMPARE(f.NoteDone[1], qint16(0));
        QCOMPARE(f.NoteMessage[9], QStringLiteral("unsaved other row"));

        // OK re-arms and saves even when the date is left as it was.
        NoteTable.NoteDone[1] = 1;
        t.whileModal([&] { Default<frmCal>().Command1->click(); },
                     [&] { e.txtDateNotify_Click(1); });
        QCOMPARE(t.fileNotes().NoteDone[1], qint16(0));
        QCOMPARE(t.fileNotes().NoteDate[1], QStringLiteral("07/04/30"));
    }

    void datePickerCoversTheCenturyAndNeverFails() {
        frmNotify& e = editor();
        const std::pair<QString, QDate> cases[] = {
            {QStringLiteral("12/31/2150"), PickerMaxDate},
            {QStringLiteral("14:30"), PickerMinDate}, // a time alone stands on 12/30/1899
            {QStringLiteral("lunch"), QDate(2007, 3, 24)},
        };
        for (const auto& [text, start] : cases) {
            e.txtDateNotify[0]->setText(text);
            QDate shown;
            t.whileModal(
                [&] {
                    shown = Default<frmCal>().DTPicker2->date();
                    Default<frmCal>().close();
                },
                [&] { e.txtDateNotify_Click(0); });
            QCOMPARE(shown, start);
        }
        QCOMPARE(Default<frmCal>().DTPicker2->minimumDate(), QDate(2000, 1, 1));
        QCOMPARE(Default<frmCal>().DTPicker2->maximumDate(), QDate(2099, 12, 31));
        Unload<frmCal>();
    }

    // The time picker.

    void timePickerStartsFromTheRowAndAcceptWritesIt() {
        frmNotify& e = editor();
        struct Case {
            QString row;
            QTime start;
            QString rowAfterOpening;
            QString accepted;
        };
        const QTime now(14, 29, 59);
        const Case cases[] = {
            {QStringLiteral("07:30:00"), QTime(7, 30), QStringLiteral("07:30:00"),
             QStringLiteral("07:30:00")},
            {QStringLiteral("01/05/08"), QTime(0, 0), QStringLiteral("01/05/08"),
             QStringLiteral("00:00:00")},
            {QStringLiteral("2:05:09 p.m."), QTime(14, 5, 9), QStringLiteral("2:05:09 p.m."),
             QStringLiteral("14:05:09")},
            {QStringLiteral("lunch"), now, QString(), QStringLiteral("14:29:59")},
            {QString(), now, QString(), QStringLiteral("14:29:59")},
        };
        for (const Case& c : cases) {
            e.txtTimeNote[8]->setText(c.row);
            NoteTable.NoteDone[8] = 1;
            QTime shown;
            QString rowOpen;
            t.whileModal(
                [&] {
                    shown = Default<frmTime>().DTPicker1->time();
                    rowOpen = e.txtTimeNote[8]->text();
                    QTest::keyClick(Default<frmTime>().DTPicker1, Qt::Key_Return); // Enter accepts
                },
                [&] { QTest::mouseClick(e.txtTimeNote[8], Qt::LeftButton); });
            QCOMPARE(shown, c.start);
            QCOMPARE(rowOpen, c.rowAfterOpening);
            QCOMPARE(e.txtTimeNote[8]->text(), c.accepted);
            QCOMPARE(t.fileNotes().NoteTime[8], c.accepted);
            QCOMPARE(t.fileNotes().NoteDone[8], qint16(0));
        }
    }

    void timePickerCancelWritesNothingAndNowTakesTheClock() {
        frmNotify& e = editor();
        e.txtTimeNote[2]->setText(QStringLiteral("lunch"));
        t.whileModal([&] { QTest::keyClick(Default<frmTime>().DTPicker1, Qt::Key_Escape); },
                     [&] { e.txtTimeNote_Click(2); });
        QVERIFY(e.txtTimeNote[2]->text().isEmpty()); // emptied on opening, and it stays so
        QVERIFY(!QFile::exists(DataFileName));

        t.whileModal(
            [&] {
                frmTime& picker = Default<frmTime>();
                picker.DTPicker1->setTime(QTime(1, 2, 3));
                t.fakes.clock->set(QDateTime(QDate(2007, 3, 24), QTime(18, 45, 7, 900)));
                picker.cmdNow->click();
                picker.cmdOK->click();
            },
            [&] { e.txtTimeNote_Click(2); });
        QCOMPARE(e.txtTimeNote[2]->text(), QStringLiteral("18:45:07"));
        QCOMPARE(t.fileNotes().NoteTime[2], QStringLiteral("18:45:07"));
    }

    void timePickerTabOrder() {
        frmNotify& e = editor();
        QStringList order;
        t.whileModal(
            [&] {
                frmTime& p = Default<frmTime>();
                // The picker takes focus through its inner line edit.
                auto stop = [&](QWidget* w) -> QWidget* {
                    return p.DTPicker1->isAncestorOf(w) ? p.DTPicker1 : w;
                };
                QWidget* w = p.cmdOK;
                for (int k = 0; k < 4; ++k) {
                    auto* b = qobject_cast<QPushButton*>(w);
                    order << QString::fromLatin1(w->metaObject()->className()) +
                                 QStringLiteral(":") + (b ? b->text() : QString());
                    QWidget* next = w->nextInFocusChain();
                    while (!(next->focusPolicy() & Qt::TabFocus) || stop(next) == w)
                        next = next->nextInFocusChain();
                    w = stop(next);
                }
                p.cmdCancel->click();
            },
            [&] { e.txtTimeNote_Click(0); });
        QCOMPARE(
            order,
            QStringList({QStringLiteral("QPushButton:&Accept"), QStringLiteral("QPushButton:&NOW"),
                         QStringLiteral("QTimeEdit:"), QStringLiteral("QPushButton:&Cancel")}));
    }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
