// Kelvon in every language it ships: the texts fit the fixed windows, the menus keep their
// letters apart, English stays as it was, and the data file never changes with the language.

#include "WindowTest.h"
#include "main/Language.h"
#include "main/Startup.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QtTest>
#include <functional>

namespace {

const QStringList Languages = {
    QStringLiteral("de"),    QStringLiteral("fr"),    QStringLiteral("es"), QStringLiteral("it"),
    QStringLiteral("pt_BR"), QStringLiteral("nl"),    QStringLiteral("pl"), QStringLiteral("ru"),
    QStringLiteral("uk"),    QStringLiteral("zh_CN"), QStringLiteral("ja"), QStringLiteral("ar")};

QString describe(const QWidget* w, const QString& text) {
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), text);
}

// Each text of the window that is cut or runs over its control, measured with the control's
// own font inside the part of it the style draws text in.
QStringList overflows(QWidget* window) {
    QStringList found;
    const QStyle* style = window->style();
    const auto tooWide = [&](const QWidget* w, const QString& text, const QRect& room) {
        const QSize need = w->fontMetrics().size(Qt::TextShowMnemonic, text);
        if (need.width() > room.width() || need.height() > room.height())
            found << QStringLiteral("%1 needs %2x%3 in %4x%5")
                         .arg(describe(w, text))
                         .arg(need.width())
                         .arg(need.height())
                         .arg(room.width())
                         .arg(room.height());
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(b);
            option.text = b->text();
            QStyle::SubElement contents = QStyle::SE_CheckBoxContents;
            if (auto* push = qobject_cast<QPushButton*>(b)) {
                contents = QStyle::SE_PushButtonContents;
                if (push->autoDefault() || push->isDefault())
                    option.features |= QStyleOptionButton::AutoDefaultButton;
            } else if (qobject_cast<QRadioButton*>(b)) {
                contents = QStyle::SE_RadioButtonContents;
            }
            // A push button's face keeps a little air on either side of its text.
            QRect room = style->subElementRect(contents, &option, b);
            if (contents == QStyle::SE_PushButtonContents) room.adjust(2, 0, -2, 0);
            tooWide(b, b->text(), room);
        } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
            QStyleOptionGroupBox option;
            option.initFrom(g);
            option.text = g->title();
            option.lineWidth = 1;
            option.textAlignment = g->alignment();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            const QRect label =
                style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
            if (!g->rect().contains(label))
                found << QStringLiteral("%1 title needs %2 of %3")
                             .arg(describe(g, g->title()))
                             .arg(label.right() + 1)
                             .arg(g->width());
        } else if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
            const QRect room = l->contentsRect();
            if (l->wordWrap()) {
                const QRect need = l->fontMetrics().boundingRect(
                    room, int(l->alignment()) | Qt::TextWordWrap, l->text());
                if (need.width() > room.width() || need.height() > room.height())
                    found << QStringLiteral("%1 wraps to %2x%3 in %4x%5")
                                 .arg(describe(l, l->text()))
                                 .arg(need.width())
                                 .arg(need.height())
                                 .arg(room.width())
                                 .arg(room.height());
            } else {
                tooWide(l, l->text(), room);
            }
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            // An item that does not fit goes into the bar's overflow menu, out of sight.
            for (QAction* a : bar->actions())
                if (bar->actionGeometry(a).isEmpty() ||
                    !bar->rect().contains(bar->actionGeometry(a)))
                    found << QStringLiteral("%1 off the bar").arg(describe(bar, a->text()));
        }
    }
    return found;
}

// Every window a person sees, made in the current language and shown offscreen.
struct Shown {
    const char* name;
    std::function<QWidget*()> make;
};
const Shown Windows[] = {
    {"clock", [] { return static_cast<QWidget*>(&Default<frmPass>()); }},
    {"editor", [] { return static_cast<QWidget*>(&Default<frmNotify>()); }},
    {"date picker", [] { return static_cast<QWidget*>(&Default<frmCal>()); }},
    {"time picker", [] { return static_cast<QWidget*>(&Default<frmTime>()); }},
    {"About", [] { return static_cast<QWidget*>(&Default<frmAbout>()); }},
};

// The letter after the single & of a caption, or nothing where it has none.
QChar accessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

QStringList captions(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* a : actions)
        texts << a->text();
    return texts;
}

} // namespace

class L10nTest : public QObject {
    Q_OBJECT
    WindowTest t;

    // Back to a fresh folder and table with no window left, in English.
    void restart() {
        t.cleanup();
        UnloadTranslations();
        t.init();
    }

  private Q_SLOTS:
    void init() { t.init(); }
    void cleanup() {
        t.cleanup();
        UnloadTranslations();
    }

    // The test runs under LANG=C.UTF-8: no translation is loaded, and every text is the one
    // Kelvon has always shown.
    void englishTextsAsTheyWere() {
        QVERIFY(!LoadTranslations());
        QVERIFY(!LoadTranslations(QLocale(QLocale::English, QLocale::UnitedKingdom)));
        frmPass& clock = Default<frmPass>();
        frmNotify& editor = Default<frmNotify>();
        frmTime& time = Default<frmTime>();
        frmAbout& about = Default<frmAbout>();
        frmPopTray& tray = Default<frmPopTray>();
        struct Row {
            QString shown;
            const char* english;
        };
        const Row rows[] = {
            {captions(clock.menuBar->actions()).join(u'|'), "&Set|&Help"},
            {captions(clock.mnuHelp->actions()).join(u'|'), "&Help|&About"},
            {clock.cmdOK->text(), "OK"},
            {clock.accessibleName(), "Kelvon clock"},
            {editor.windowTitle(), "Kelvon Reminders"},
            {editor.lbClear->text() + u'|' + editor.lbDate->text() + u'|' +
                 editor.lbMessages->text() + u'|' + editor.lbTime->text(),
             "Clear|Date|Reminder Messages|Time"},
            {editor.Frame3->title() + u'|' + editor.Frame4->title() + u'|' + editor.Frame5->title(),
             "Daily|Wkly|Mnly"},
            {editor.Frame2->title() + u'|' + editor.optMessage->text() + u'|' +
                 editor.optAlert->text() + u'|' + editor.optDive->text() + u'|' +
                 editor.OptAlarm->text(),
             "Sounds|Message|Alert1|Alert2|Alert3"},
            {editor.cmdClear[4]->toolTip(), "CLEAR THIS ROW"},
            {editor.txtDateNotify[4]->accessibleName(), "Row 5 date"},
            {editor.cmdTest2->accessibleName(), "Play the Alert1 sound"},
            {time.cmdNow->text() + u'|' + time.cmdOK->text() + u'|' + time.cmdCancel->text(),
             "&NOW|&Accept|&Cancel"},
            {about.windowTitle(), "About Kelvon"},
            {about.lblVersion->text(), "Version 7.8.0"},
            {tray.mnuFile->title(), "&File"},
            {captions(tray.mnuFile->actions()).join(u'|'), "&Kelvon|&Set Alarm|&Help|&About|&Exit"},
            {EndWithoutSavingChoices().join(u'|'), "Keep Kelvon running|End without saving"},
        };
        for (const Row& r : rows)
            QCOMPARE(r.shown, QString::fromUtf8(r.english));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);

        editor.txtDateNotify[2]->setText(QStringLiteral("13/45/07"));
        editor.cmdOKnotify->click();
        QCOMPARE(t.fakes.box->texts,
                 QStringList{QStringLiteral("The DATE you entered was not valid.")});
    }

    // Every text of every window fits its control, in every language, English too.
    void everyTextFitsItsControl() {
        QStringList cut; // all at once: a translator mends every text in one go
        for (const QString& language : QStringList{QStringLiteral("en")} + Languages) {
            const bool translated = LoadTranslations(QLocale(language));
            QCOMPARE(translated, language != QLatin1String("en"));
            for (const Shown& window : Windows) {
                QWidget* w = window.make();
                w->show();
                QVERIFY(QTest::qWaitForWindowExposed(w));
                for (const QString& text : overflows(w))
                    cut << QStringLiteral("%1, %2: %3")
                               .arg(language, QLatin1String(window.name), text);
                w->hide();
            }
            restart();
        }
        for (const QString& text : cut)
            qWarning("%s", qPrintable(text));
        QVERIFY2(cut.isEmpty(), "texts that do not fit, listed above");
    }

    // Each language has its file, and its captions and tray menu are its own, with access keys
    // that stay apart within each menu and each window; Arabic mirrors the windows.
    void everyLanguageIsLoadedWithItsOwnMenus() {
        for (const QString& language : Languages) {
            QVERIFY2(LoadTranslations(QLocale(language)), qPrintable(language));
            frmPass& clock = Default<frmPass>();
            frmNotify& editor = Default<frmNotify>();
            frmAbout& about = Default<frmAbout>();
            frmTime& time = Default<frmTime>();
            frmPopTray& tray = Default<frmPopTray>();
            const QString row = language + QLatin1String(": ");
            QVERIFY2(editor.windowTitle() != QLatin1String("Kelvon Reminders"), qPrintable(row));
            QVERIFY2(about.windowTitle() != QLatin1String("About Kelvon"), qPrintable(row));
            // Some words are the same in English ("Help" in Dutch): the menu as a whole is not.
            const QStringList menu = captions(tray.mnuFile->actions());
            QVERIFY2(menu != QStringList({QStringLiteral("&Kelvon"), QStringLiteral("&Set Alarm"),
                                          QStringLiteral("&Help"), QStringLiteral("&About"),
                                          QStringLiteral("&Exit")}),
                     qPrintable(row + menu.join(u'|')));
            QVERIFY2(!menu.contains(QStringLiteral("&Set Alarm")), qPrintable(row));

            const QList<QStringList> groups = {
                captions(clock.menuBar->actions()),
                captions(clock.mnuHelp->actions()),
                menu,
                {time.cmdNow->text(), time.cmdOK->text(), time.cmdCancel->text()},
            };
            for (const QStringList& group : groups) {
                QSet<QChar> keys;
                for (const QString& caption : group) {
                    const QChar key = accessKey(caption);
                    QVERIFY2(!key.isNull(), qPrintable(row + caption + QLatin1String(": no key")));
                    QVERIFY2(!keys.contains(key),
                             qPrintable(row + group.join(u'|') + QLatin1String(": key taken")));
                    keys.insert(key);
                }
            }

            const bool rightToLeft = language == QLatin1String("ar");
            QCOMPARE(QGuiApplication::layoutDirection(),
                     rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
            // The rows' pane on the right of the scroll bar, and the sound panel on its left.
            QCOMPARE(editor.Frame1->x() > editor.VScroll1->x(), rightToLeft);
            QCOMPARE(editor.cmdOKnotify->x() < editor.VScroll1->x(), rightToLeft);
            restart();
        }
    }

    // A damaged file and a bad date are told in the user's language, with the copy's path.
    void messagesInTheUsersLanguage() {
        QVERIFY(LoadTranslations(QLocale(QStringLiteral("de"))));
        QFile file(DataFileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\"cut short in German\"\r\n");
        file.close();
        LoadNotes(DamageReport::Shown);
        const QString copy =
            QDir::toNativeSeparators(QFileInfo(DamagedCopyName).absoluteFilePath());
        QCOMPARE(t.fakes.box->texts,
                 QStringList{QStringLiteral("PROBLEM MIT DER GESPEICHERTEN DATEI.\r\nSUCHEN UND "
                                            "LÖSCHEN SIE   Kelvo.dat\r\nEINE NEUE WIRD "
                                            "ANGELEGT.\r\nIHR INHALT WURDE GESICHERT IN   ") +
                             copy});

        frmNotify& editor = Default<frmNotify>();
        editor.txtTimeNote[0]->setText(QStringLiteral("25:00:00"));
        editor.cmdOKnotify->click();
        QCOMPARE(t.fakes.box->texts.last(),
                 QStringLiteral("Die eingegebene UHRZEIT ist ungültig."));
    }

    // A help file in the user's language is shown where one is installed; English otherwise.
    void helpInTheUsersLanguageWhereInstalled() {
        const QString folder = QDir::current().filePath(QStringLiteral("help"));
        for (const char* language : {"de", "pt_BR", "ja"})
            QVERIFY(QDir().mkpath(folder + QLatin1Char('/') + QLatin1String(language)));
        for (const char* file : {"de/KELVON.HLP", "pt_BR/KELVON.HLP"}) {
            QFile help(folder + QLatin1Char('/') + QLatin1String(file));
            QVERIFY(help.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/ja/KELVON.HLP"))); // not a file
        const QString english = HelpFilePath();
        const QString german = QDir::toNativeSeparators(folder + QStringLiteral("/de/KELVON.HLP"));
        struct Row {
            QStringList languages;
            QString shown;
        };
        const Row rows[] = {
            {{QStringLiteral("de-DE")}, german},
            {{QStringLiteral("de-AT"), QStringLiteral("de")}, german},
            {{QStringLiteral("fr-FR"), QStringLiteral("de-DE")}, german},
            {{QStringLiteral("pt-BR")},
             QDir::toNativeSeparators(folder + QStringLiteral("/pt_BR/KELVON.HLP"))},
            {{QStringLiteral("en-US"), QStringLiteral("de-DE")}, english},
            {{QStringLiteral("ja-JP")}, english},
            {{QStringLiteral("fr-FR")}, english},
            {{}, english},
        };
        for (const Row& r : rows)
            QCOMPARE(TranslatedHelpFile(english, r.languages, folder), r.shown);
    }

    // The file a start writes is the same, byte for byte, whatever the language.
    void dataFileTheSameInEveryLanguage() {
        QByteArray english;
        for (const QString& language : QStringList{QStringLiteral("en")} + Languages) {
            LoadTranslations(QLocale(language));
            Notes n;
            n.NoteDate[0] = QStringLiteral("03/20/07");
            n.NoteTime[0] = QStringLiteral("09:00:00");
            n.NoteMessage[0] = QStringLiteral("Zahnarzt – ´Müller´");
            n.RepeatWeekly[0] = 1;
            n.NoteDate[5] = QStringLiteral("12/31/07");
            n.NoteMessage[5] = QStringLiteral("New year");
            n.SoundMessage = false;
            n.SoundDive = true;
            t.writeFile(n);
            Main();
            Default<frmTray>().Timer1_Timer(); // start-up's completion, which saves
            const QByteArray bytes = t.fileBytes();
            if (english.isEmpty()) english = bytes;
            QVERIFY2(bytes == english, qPrintable(language));
            restart();
        }
        QVERIFY(english.contains("\"New year\"")); // a file was written
    }
};

QTEST_MAIN(L10nTest)
#include "l10n_test.moc"
