// Start-up pieces of the clock window, the default instances, the About box and help.

#include "WindowTest.h"
#include "platform/HelpViewer.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

class AppTest : public QObject {
    Q_OBJECT
    WindowTest t;

  private Q_SLOTS:
    void init() { t.init(); }
    void cleanup() { t.cleanup(); }

    void defaultInstancesLoadOnFirstUseAndAfreshAfterUnload() {
        QVERIFY(!IsLoaded<frmAbout>());
        QVERIFY(!Default<frmAbout>().isVisible()); // a visibility test creates it, hidden
        QVERIFY(IsLoaded<frmAbout>());
        QCOMPARE(Default<frmAbout>().lblVersion->text(), QStringLiteral("Version 7.8.0"));
        Default<frmAbout>().lblVersion->setText(QStringLiteral("changed"));
        QCOMPARE(Default<frmAbout>().lblVersion->text(), QStringLiteral("changed")); // loaded once
        QPointer<frmAbout> first = &Default<frmAbout>();
        Unload<frmAbout>();
        QVERIFY(!IsLoaded<frmAbout>());
        QTRY_VERIFY(first.isNull());
        QCOMPARE(Default<frmAbout>().lblVersion->text(), QStringLiteral("Version 7.8.0"));
    }

    void clockWindowLoadsTopmostWithItsLabelsAndTheFile() {
        Notes n;
        n.NoteMessage[3] = QStringLiteral("from the file");
        t.writeFile(n);
        frmPass& main = Default<frmPass>();
        QVERIFY(!main.isVisible());
        QCOMPARE(t.fakes.topmost->windows, std::vector<QWidget*>{&main});
        QCOMPARE(main.Label2->text(), QStringLiteral("03/24/07"));
        QCOMPARE(main.Label3->text(), RegionalTimeText(QTime(14, 29, 59)));
        QVERIFY(main.LbMessage->text().isEmpty());
        QCOMPARE(main.windowTitle(), QStringLiteral("Kelvon"));
        QCOMPARE(NoteTable.NoteMessage[3], QStringLiteral("from the file"));
        QVERIFY(main.timerEnabled());
        QVERIFY(main.cmdOK->isDefault());
        QVERIFY(main.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(
            !(main.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        // The displays show their text as it is.
        QCOMPARE(main.LbMessage->textFormat(), Qt::PlainText);

        // Hidden, it sleeps on the wall-clock alarm; shown, it shows the time at once and ticks
        // every second; hidden again, it sleeps again.
        QVERIFY(t.fakes.alarm->armed && !main.Timer1->isActive());
        t.fakes.clock->advanceSeconds(3600);
        main.show();
        QCOMPARE(main.Label3->text(), RegionalTimeText(QTime(15, 29, 59)));
        QVERIFY(!t.fakes.alarm->armed && main.Timer1->isActive());
        main.hide();
        QVERIFY(t.fakes.alarm->armed && !main.Timer1->isActive());
    }

    void menuBarAndItsShortcuts() {
        frmPass& main = Default<frmPass>();
        QStringList bar;
        for (QAction* a : main.menuBar->actions())
            bar << a->text();
        QCOMPARE(bar, QStringList({QStringLiteral("&Set"), QStringLiteral("&Help")}));
        QCOMPARE(main.mnuNotify->menu(), nullptr);
        QCOMPARE(main.mnuHelpItem->text(), QStringLiteral("&Help"));
        QCOMPARE(main.mnuAbout->text(), QStringLiteral("&About"));

        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.activateWindow();
        QTest::keyClick(&main, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(t.fakes.help->calls, 1);
        QCOMPARE(t.fakes.help->path, QDir::currentPath() + QStringLiteral("/KELVON.HLP"));
        QCOMPARE(t.fakes.help->command, 3);

        bool aboutOpen = false;
        t.whileModal(
            [&] {
                aboutOpen = Default<frmAbout>().isVisible();
                QTest::keyClick(&Default<frmAbout>(), Qt::Key_Escape);
            },
            [&] { QTest::keyClick(&main, Qt::Key_A, Qt::ControlModifier); });
        QVERIFY(aboutOpen);
        QVERIFY(!IsLoaded<frmAbout>());
    }

    void aboutBoxClosesOnEnterAndEscape() {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            QString title, version;
            t.whileModal(
                [&] {
                    title = Default<frmAbout>().lblTitle->text();
                    version = Default<frmAbout>().lblVersion->text();
                    QTest::keyClick(&Default<frmAbout>(), key);
                },
                [&] { Default<frmPass>().mnuAbout_Click(); });
            QCOMPARE(title, QStringLiteral("Kelvon"));
            QCOMPARE(version, QStringLiteral("Version 7.8.0"));
            QVERIFY(!IsLoaded<frmAbout>());
        }
    }

    // The program's box blocks the clock windows, which are kept on top: it is kept above them.
    void messageBoxIsKeptAboveTheClockWindows() {
        platform::installMessageBox(nullptr); // the real box
        Default<frmPass>().show();
        bool answered = false;
        t.whileModal(
            [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box && box->isVisible());
                QVERIFY(box->windowFlags() & Qt::WindowStaysOnTopHint);
                QCOMPARE(box->windowTitle(), QStringLiteral("Kelvon"));
                QCOMPARE(box->text(), DamagedFileMessage());
                QTRY_COMPARE(QApplication::activeWindow(), box);
                box->button(QMessageBox::Ok)->click();
                answered = true;
            },
            [] { MsgBox(DamagedFileMessage()); });
        QVERIFY(answered);
    }

    void helpPathIsTheWorkingDirectoryAndTheFileName() {
        QCOMPARE(HelpFilePath(),
                 QDir::currentPath() + QDir::separator() + QStringLiteral("KELVON.HLP"));
        QDir::setCurrent(QDir::rootPath());
        QCOMPARE(HelpFilePath(), QStringLiteral("//KELVON.HLP")); // the root already ends in one
        QDir::setCurrent(t.dir->path());
    }

    void helpViewerShowsTheFileOrSaysItIsMissing() {
        const QString missing = QDir::currentPath() + QStringLiteral("/KELVON.HLP");
        platform::HelpViewer& viewer = platform::HelpViewer::open(missing, 3);
        QCOMPARE(viewer.notice(), platform::MissingHelpSentence(missing));
        QVERIFY(viewer.notice().contains(missing));
        QVERIFY(viewer.shownText().contains(missing));
        QVERIFY(viewer.shownText().contains(QStringLiteral("Set Alarm"))); // the built-in copy

        QFile file(missing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<h1>Local help</h1><p>Our own words.</p>");
        file.close();
        platform::HelpViewer& again = platform::HelpViewer::open(missing, 3);
        QVERIFY(again.notice().isEmpty());
        QVERIFY(again.shownText().contains(QStringLiteral("Our own words.")));

        // Contents far down the file: the viewer opens scrolled to it, not at the top.
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("<p>Foreword.</p>").repeated(300) +
                   "<h2><a name=\"contents\"></a>Contents</h2><p>Set Alarm</p>");
        file.close();
        platform::HelpViewer& scrolled = platform::HelpViewer::open(missing, 3);
        const auto* bar = scrolled.findChild<QTextBrowser*>()->verticalScrollBar();
        QTRY_VERIFY(bar->value() > bar->maximum() / 2);
        QPointer<QWidget> closed(&scrolled);
        scrolled.close();
        QTRY_VERIFY(closed.isNull());

        // Pictures come from the help file's own folder only, each a regular file of at most
        // 1 MiB; a device, another folder or a link out of it gives nothing.
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(QDir().mkdir(QStringLiteral("other")));
        QVERIFY(red.save(QStringLiteral("good.png")) &&
                red.save(QStringLiteral("other/elsewhere.png")));
        QVERIFY(QFile::link(QFileInfo(QStringLiteral("other/elsewhere.png")).absoluteFilePath(),
                            QStringLiteral("link.png")));
        QFile big(QStringLiteral("big.png"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        red.save(&big, "PNG"); // a picture still, with 1 MiB after it
        big.write(QByteArray(1024 * 1024, '\0'));
        big.close();
        const QStringList refused = {QStringLiteral("/dev/zero"),
                                     QStringLiteral("file:///dev/zero"),
                                     QStringLiteral("other/elsewhere.png"),
                                     QStringLiteral("../") +
                                         t.dir->path().section(QLatin1Char('/'), -1) +
                                         QStringLiteral("/other/elsewhere.png"),
                                     QStringLiteral("link.png"),
                                     QStringLiteral("big.png"),
                                     QStringLiteral("http://localhost/good.png")};
        QByteArray page = "<p>Pictures.</p><img src=\"good.png\">";
        for (const QString& name : refused)
            page += "<img src=\"" + name.toUtf8() + "\">";
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(page);
        file.close();
        platform::HelpViewer& pictures = platform::HelpViewer::open(missing, 3);
        QVERIFY(QTest::qWaitForWindowExposed(&pictures));
        QVERIFY(pictures.shownText().contains(QStringLiteral("Pictures.")));
        QTextDocument* document = pictures.findChild<QTextBrowser*>()->document();
        auto picture = [&](const QString& name) {
            const QVariant r = document->resource(QTextDocument::ImageResource, QUrl(name));
            // Cached as the picture drawn, or still as the one read.
            return (r.userType() == QMetaType::QPixmap ? r.value<QPixmap>().size()
                                                       : r.value<QImage>().size()) == red.size();
        };
        QVERIFY(picture(QStringLiteral("good.png")));
        for (const QString& name : refused)
            QVERIFY2(!picture(name), qPrintable(name));
        pictures.close();

        // The help file itself too: too large, or a device, gives the built-in copy; 1 MiB
        // exactly is still read.
        QByteArray limit = "<p>Exactly the limit.</p>";
        limit += QByteArray(1024 * 1024 - limit.size(), ' ');
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(limit) == 1024 * 1024);
        file.close();
        platform::HelpViewer& exact = platform::HelpViewer::open(missing, 3);
        QVERIFY(exact.notice().isEmpty());
        QVERIFY(exact.shownText().contains(QStringLiteral("Exactly the limit.")));
        exact.close();
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1024 * 1024 + 1, 'x'));
        file.close();
        QCOMPARE(platform::HelpViewer::open(missing, 3).notice(),
                 platform::UnusableHelpSentence(missing));
        QVERIFY(file.remove() && QFile::link(QStringLiteral("/dev/zero"), missing));
        platform::HelpViewer& device = platform::HelpViewer::open(missing, 3);
        QCOMPARE(device.notice(), platform::UnusableHelpSentence(missing));
        QVERIFY(device.shownText().contains(QStringLiteral("Set Alarm")));
        device.close();
    }

    void soundsAreFoundInTheWorkingFolderFirst() {
        // The installed folder, as it stands beside an installed binary.
        QDir installed(QCoreApplication::applicationDirPath() +
                       QStringLiteral("/../share/kelvon/sounds"));
        QVERIFY(installed.mkpath(QStringLiteral(".")));
        const QString name = QStringLiteral("test-only-sound.wav");
        auto touch = [](const QString& path) {
            QFile f(path);
            return f.open(QIODevice::WriteOnly) && f.write("RIFF") == 4;
        };
        QVERIFY(touch(installed.filePath(name)));
        QCOMPARE(platform::ResolveSoundFile(name),
                 QFileInfo(installed.filePath(name)).absoluteFilePath());
        QVERIFY(touch(QDir::current().filePath(name)));
        QCOMPARE(platform::ResolveSoundFile(name), QDir::current().absoluteFilePath(name));
        QFile::remove(installed.filePath(name));
        QFile::remove(QDir::current().filePath(name));
        QVERIFY(platform::ResolveSoundFile(name).isEmpty());
        QVERIFY(platform::ResolveSoundFile(QStringLiteral("../Kelvo.dat")).isEmpty());
        // The program's own four come from the build tree when run from it.
        for (const char* file : {"checkmsgs.wav", "Alert.wav", "Keytry.wav", "Keyhaw.wav"})
            QVERIFY2(!platform::ResolveSoundFile(QString::fromLatin1(file)).isEmpty(), file);
    }

    void windowSystemFollowsTheSession() {
        struct Row {
            const char *named, *display, *wayland, *session, *chosen;
        };
        const Row rows[] = {
            // A platform the user names wins, even where it cannot work.
            {"wayland", ":0", "wayland-0", "wayland", "wayland"},
            {"offscreen", "", "", "", "offscreen"},
            {"xcb", "", "wayland-0", "wayland", "xcb"},
            // Xwayland first in a Wayland session, whichever way it shows.
            {"", ":0", "wayland-0", "wayland", "xcb;wayland"},
            {"", ":0", "wayland-0", "", "xcb;wayland"},
            {"", ":0", "", "wayland", "xcb;wayland"},
            {"", ":0", "", "x11", "xcb"},
            {"", ":0", "", "", "xcb"},
            {"", "", "wayland-0", "wayland", "wayland"},
            {"", "", "wayland-0", "", "wayland"},
            {"", "", "wayland-0", "x11", "wayland"},
            // No desktop session at all: over ssh, from a service.
            {"", "", "", "wayland", ""},
            {"", "", "", "", ""},
        };
        for (const Row& r : rows)
            QVERIFY2(
                platform::WindowSystemFor(r.named, r.display, r.wayland, r.session) == r.chosen,
                qPrintable(
                    QStringLiteral("%1 %2 %3 %4").arg(r.named, r.display, r.wayland, r.session)));
    }

    void closingTheMainWindowAcknowledgesBeforeItGoes() {
        Notes n;
        n.NoteDate[0] = QStringLiteral("03/20/07");
        n.NoteTime[0] = QStringLiteral("09:00:00");
        n.RepeatWeekly[0] = 1;
        t.writeFile(n);
        Default<frmNotify>();
        NoteTable.NoteDone[0] = 1; // it has fired
        Default<frmNotify>().SaveMsg();
        frmPass& main = Default<frmPass>();
        main.show();
        main.close();
        QCOMPARE(t.fileNotes().NoteDate[0], QStringLiteral("03/31/07"));
        QCOMPARE(t.fileNotes().NoteDone[0], qint16(0));
        QVERIFY(IsLoaded<frmPass>() && !main.isVisible() && main.timerEnabled());
    }
};

QTEST_MAIN(AppTest)
#include "app_test.moc"
