// The data file and the date and time text rules, without a display.

#include "GtestQt.h"
#include "platform/Fakes.h"
#include "store/DataFile.h"
#include "store/DateText.h"
#include "store/Module1.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class StoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        fakes = platform::installFakes();
        ResetNoteTable();
    }
    void TearDown() override { QDir::setCurrent(previous); }

    static void write(const QByteArray& bytes) {
        QFile f(DataFileName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray read() {
        QFile f(DataFileName);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString previous;
    platform::Fakes fakes{};
};

// A table in which every value differs from the start state and from `other`.
Notes sample(const QString& tag) {
    Notes n;
    n.FileHeader1 = tag + QStringLiteral(" first header, with a comma");
    n.FileHeader2 = tag + QStringLiteral(" second");
    n.SoundDive = true;
    for (int i = 0; i < SlotCount; ++i) {
        n.NoteDate[i] = QStringLiteral("03/%1/07").arg(i % 28 + 1, 2, 10, QLatin1Char('0'));
        n.NoteMessage[i] = tag + QStringLiteral(" message %1").arg(i);
        n.NoteTime[i] = QStringLiteral("14:%1:00").arg(i + 10);
        n.RepeatDaily[i] = qint16(i % 2);
        n.RepeatWeekly[i] = qint16((i + 1) % 2);
        n.RepeatMonthly[i] = qint16(i % 3 == 0);
        n.NoteDone[i] = qint16(i % 5 == 0);
    }
    return n;
}

// The values of a table in file order, each as a setter from another table.
std::vector<std::function<void(Notes&, const Notes&)>> fieldsInFileOrder() {
    std::vector<std::function<void(Notes&, const Notes&)>> f;
    f.push_back([](Notes& t, const Notes& s) { t.FileHeader1 = s.FileHeader1; });
    f.push_back([](Notes& t, const Notes& s) { t.FileHeader2 = s.FileHeader2; });
    f.push_back([](Notes& t, const Notes& s) { t.SoundMessage = s.SoundMessage; });
    f.push_back([](Notes& t, const Notes& s) { t.SoundAlert = s.SoundAlert; });
    f.push_back([](Notes& t, const Notes& s) { t.SoundDive = s.SoundDive; });
    f.push_back([](Notes& t, const Notes& s) { t.SoundAlarm = s.SoundAlarm; });
    for (int i = 0; i < SlotCount; ++i) {
        f.push_back([i](Notes& t, const Notes& s) { t.NoteDate[i] = s.NoteDate[i]; });
        f.push_back([i](Notes& t, const Notes& s) { t.NoteMessage[i] = s.NoteMessage[i]; });
        f.push_back([i](Notes& t, const Notes& s) { t.NoteTime[i] = s.NoteTime[i]; });
        f.push_back([i](Notes& t, const Notes& s) { t.RepeatDaily[i] = s.RepeatDaily[i]; });
        f.push_back([i](Notes& t, const Notes& s) { t.RepeatWeekly[i] = s.RepeatWeekly[i]; });
        f.push_back([i](Notes& t, const Notes& s) { t.RepeatMonthly[i] = s.RepeatMonthly[i]; });
        f.push_back([i](Notes& t, const Notes& s) { t.NoteDone[i] = s.NoteDone[i]; });
    }
    return f;
}

TEST_F(StoreTest, SaveAndLoadGiveBackEveryField) {
    Notes original = sample(QStringLiteral("A"));
    original.NoteMessage[0] = QStringLiteral("call Bob, then Alice");
    original.NoteMessage[1] = QStringLiteral("say \"hello\" twice");
    original.NoteMessage[2] = QString();
    original.NoteMessage[3] = QStringLiteral("Grüße, café, 日本");
    original.NoteMessage[4] = QStringLiteral("tab\tand a lone \r return");
    original.NoteTime[4] = QString();
    original.NoteDate[5] = QString();
    original.NoteMessage[8] = QString(40000, QLatin1Char('x')) + QStringLiteral("end");
    original.SoundDive = false;
    original.SoundAlarm = true;
    ASSERT_TRUE(saveDataFile(DataFileName, original));
    LoadNotes();
    EXPECT_TRUE(fakes.box->texts.isEmpty());
    EXPECT_EQ(NoteTable.NoteMessage[0], original.NoteMessage[0]);
    EXPECT_EQ(NoteTable.NoteMessage[1], original.NoteMessage[1]);
    EXPECT_EQ(NoteTable.NoteMessage[3], original.NoteMessage[3]);
    EXPECT_EQ(NoteTable.NoteMessage[4], original.NoteMessage[4]);
    EXPECT_TRUE(NoteTable == original);

    // A line feed would break the file's lines: it comes back as a space.
    original.NoteMessage[6] = QStringLiteral("two\nlines");
    ASSERT_TRUE(saveDataFile(DataFileName, original));
    EXPECT_EQ(read().count("\r\n"), DataFileLines);
    LoadNotes();
    EXPECT_EQ(NoteTable.NoteMessage[6], QStringLiteral("two lines"));
    EXPECT_EQ(NoteTable.NoteMessage[7], original.NoteMessage[7]);
}

TEST_F(StoreTest, WrittenFileMatchesTheFormatByteForByte) {
    Notes n;
    n.FileHeader1 = QStringLiteral("THIS IS A SELF UPDATING FILE AND WILL CRASH IF TAMPERED WITH.");
    n.FileHeader2 = QStringLiteral("DELETE FILE COMPLETELY IF PROBLEM ARISES.");
    n.SoundMessage = true;
    n.NoteDate[0] = QStringLiteral("03/24/07");
    n.NoteMessage[0] = QStringLiteral("Dentist, 2nd floor");
    n.NoteTime[0] = QStringLiteral("14:30:00");
    n.RepeatWeekly[0] = 1;
    n.NoteDone[1] = 1;
    n.RepeatDaily[31] = -1;
    QByteArray expected =
        "\"THIS IS A SELF UPDATING FILE AND WILL CRASH IF TAMPERED WITH.\"\r\n"
        "\"DELETE FILE COMPLETELY IF PROBLEM ARISES.\"\r\n"
        "#TRUE#,#FALSE#,#FALSE#,#FALSE#\r\n"
        "\"03/24/07\"\r\n\"Dentist, 2nd floor\"\r\n\"14:30:00\"\r\n0\r\n1\r\n0\r\n0\r\n"
        "\"\"\r\n\"\"\r\n\"\"\r\n0\r\n0\r\n0\r\n1\r\n";
    for (int i = 2; i < 31; ++i)
        expected += "\"\"\r\n\"\"\r\n\"\"\r\n0\r\n0\r\n0\r\n0\r\n";
    expected += "\"\"\r\n\"\"\r\n\"\"\r\n-1\r\n0\r\n0\r\n0\r\n";
    ASSERT_TRUE(saveDataFile(DataFileName, n));
    EXPECT_EQ(read(), expected);
    EXPECT_EQ(read().count("\r\n"), DataFileLines);
}

// A file brought from Windows holds its code page, not UTF-8: each such text is read as
// Windows-1252, and the next save writes it in UTF-8 with every accent kept.
TEST_F(StoreTest, TextsInTheWindowsCodePageKeepTheirAccents) {
    Notes n = sample(QStringLiteral("A"));
    n.NoteMessage[0] = QStringLiteral("placeholder0");
    n.NoteMessage[1] = QStringLiteral("Grüße, café"); // UTF-8 beside it stays UTF-8
    n.NoteMessage[2] = QStringLiteral("placeholder2");
    QByteArray bytes = formatDataFile(n);
    bytes.replace("placeholder0", "Caf\xE9 at 5, na\xEFve \x80"
                                  "20");
    bytes.replace("placeholder2", "\x93quoted\x94 \x96 \x81");
    QByteArray high; // every byte from 0x80 to 0x9F
    for (int c = 0x80; c < 0xA0; ++c)
        high += char(c);
    bytes.replace("\"A message 3\"", '"' + high + '"');
    write(bytes);
    LoadNotes();
    EXPECT_TRUE(fakes.box->texts.isEmpty());
    EXPECT_EQ(NoteTable.NoteMessage[0], QStringLiteral("Café at 5, naïve €20"));
    EXPECT_EQ(NoteTable.NoteMessage[1], QStringLiteral("Grüße, café"));
    EXPECT_EQ(NoteTable.NoteMessage[2], QStringLiteral("“quoted” – \u0081"));
    EXPECT_EQ(NoteTable.NoteMessage[3],
              QStringLiteral("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"));
    ASSERT_TRUE(saveDataFile(DataFileName, NoteTable));
    EXPECT_TRUE(read().contains("\"Caf\xC3\xA9 at 5, na\xC3\xAFve \xE2\x82\xAC"
                                "20\""));
    const Notes before = NoteTable;
    LoadNotes();
    EXPECT_TRUE(NoteTable == before);
}

// Reloads of an unchanged file are the common case; each must still put back every value
// that was changed in memory since, and a file changed in between must be read afresh.
TEST_F(StoreTest, ReloadOfUnchangedFileRestoresEveryValue) {
    const Notes inFile = sample(QStringLiteral("file"));
    const Notes other = sample(QStringLiteral("other"));
    ASSERT_TRUE(saveDataFile(DataFileName, inFile));
    LoadNotes();
    ASSERT_TRUE(NoteTable == inFile);
    const auto fields = fieldsInFileOrder();
    for (size_t v = 0; v < fields.size(); ++v) {
        SCOPED_TRACE(v);
        fields[v](NoteTable, other);
        LoadNotes();
        EXPECT_TRUE(NoteTable == inFile);
    }
    ASSERT_TRUE(saveDataFile(DataFileName, other));
    LoadNotes();
    EXPECT_TRUE(NoteTable == other);
    ASSERT_TRUE(saveDataFile(DataFileName, inFile));
    NoteTable = other;
    LoadNotes();
    EXPECT_TRUE(NoteTable == inFile);
    EXPECT_TRUE(fakes.box->texts.isEmpty());
}

TEST_F(StoreTest, FileCutAfterAnyLineReportsOnceAndKeepsWhatWasBefore) {
    const Notes inFile = sample(QStringLiteral("file"));
    const Notes before = sample(QStringLiteral("before"));
    const QList<QByteArray> lines = formatDataFile(inFile).split('\n');
    const auto fields = fieldsInFileOrder();
    for (int cut = 0; cut < DataFileLines; ++cut) {
        SCOPED_TRACE(cut);
        QByteArray bytes;
        for (int l = 0; l < cut; ++l)
            bytes += lines[l] + '\n';
        write(bytes);
        NoteTable = before;
        fakes.box->texts.clear();
        LoadNotes();
        // Lines 1 and 2 hold one value each, line 3 four, every later line one.
        const int valuesInFile = cut < 3 ? cut : 6 + (cut - 3);
        Notes expected = before;
        for (int v = 0; v < valuesInFile; ++v)
            fields[size_t(v)](expected, inFile);
        EXPECT_TRUE(NoteTable == expected);
        if (cut == 0) {
            // An empty file is damaged too.
            EXPECT_EQ(fakes.box->texts.size(), 1);
        } else {
            ASSERT_EQ(fakes.box->texts.size(), 1);
        }
        EXPECT_EQ(fakes.box->texts.value(0), DamagedFileMessage());
        // Its bytes are kept beside it before any save can replace it, for its owner only.
        QFile copy(DamagedCopyName);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), bytes);
        EXPECT_EQ(copy.permissions() & 0x0777, QFile::ReadUser | QFile::WriteUser);
    }
    EXPECT_TRUE(
        DamagedFileMessage().endsWith(QStringLiteral("\r\nITS CONTENTS WERE KEPT IN   ") +
                                      QDir::toNativeSeparators(QDir::current().absoluteFilePath(
                                          QStringLiteral("Kelvo.dat.damaged")))));
}

TEST_F(StoreTest, DamagedValuesStopTheLoadWhereTheyStand) {
    struct Case {
        const char* name;
        int line;        // 1-based line to replace
        QByteArray text; // its new content
        bool damaged;
    };
    const Case cases[] = {
        {"word for a flag", 7, "yes", true},
        {"boolean not true or false", 3, "#TRUE#,#MAYBE#,#FALSE#,#FALSE#", true},
        {"too few booleans", 3, "#TRUE#,#FALSE#", true},
        {"integer out of range", 10, "99999", true},
        {"negative integer", 10, "-1", false},
        {"decimal integer", 8, "1.5", true},
        {"unquoted text", 5, "plain words", false},
    };
    const Notes inFile = sample(QStringLiteral("file"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QList<QByteArray> lines = formatDataFile(inFile).split('\n');
        lines[c.line - 1] = c.text + '\r';
        write(lines.join('\n'));
        ResetNoteTable();
        fakes.box->texts.clear();
        // A quiet load keeps the copy too; the last damaged file's replaces an earlier one.
        LoadNotes(DamageReport::Quiet);
        EXPECT_TRUE(fakes.box->texts.isEmpty());
        QFile copy(DamagedCopyName);
        EXPECT_EQ(copy.open(QIODevice::ReadOnly) && copy.readAll() == lines.join('\n'), c.damaged);
        LoadNotes();
        EXPECT_EQ(fakes.box->texts.size(), c.damaged ? 1 : 0);
    }
    // Where the copy cannot be written, the message says so.
    ASSERT_TRUE(QFile::remove(DamagedCopyName) && QDir().mkdir(DamagedCopyName));
    write("\"a header\"\r\n");
    fakes.box->texts.clear();
    LoadNotes();
    EXPECT_EQ(fakes.box->texts, QStringList{DamagedFileMessage(false)});
    // What a good value reads as, where it is one.
    EXPECT_EQ(NoteTable.NoteMessage[0], QStringLiteral("plain words"));
}

// A program writing the file in place shows it half written for a moment: a damaged reading
// that came with a change is told and kept only when it is still there a second later, and a
// damaged copy kept earlier stays until then.
TEST_F(StoreTest, WriterInPiecesIsNoDamageUnlessItStays) {
    const QByteArray whole = formatDataFile(sample(QStringLiteral("whole")));
    const QByteArray earlier = "\"an earlier damage\"\r\n";
    for (const bool finishes : {true, false}) {
        SCOPED_TRACE(finishes ? "finishes" : "stays half written");
        write(earlier);
        LoadNotes(); // told and kept at once: no change brought it
        ASSERT_EQ(fakes.box->texts.size(), 1);
        fakes.box->texts.clear();
        write(whole.left(whole.size() / 2));
        LoadAfterFileChange();
        LoadNotes();
        fakes.clock->advanceSeconds(0); // a tick within the second stays quiet too
        LoadNotes();
        EXPECT_TRUE(fakes.box->texts.isEmpty());
        EXPECT_TRUE(DamageRecheckAt().isValid());
        if (finishes) write(whole);
        fakes.clock->advanceSeconds(1);
        LoadNotes();
        QFile copy(DamagedCopyName);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), finishes ? earlier : whole.left(whole.size() / 2));
        EXPECT_EQ(fakes.box->texts.size(), finishes ? 0 : 1);
        EXPECT_FALSE(DamageRecheckAt().isValid());
        if (!finishes) {
            // A copy deleted while the damaged file is still there is written again.
            ASSERT_TRUE(QFile::remove(DamagedCopyName));
            LoadNotes();
            EXPECT_TRUE(QFileInfo::exists(DamagedCopyName));
            EXPECT_EQ(fakes.box->texts.size(), 1);
        }
        write(whole);
        LoadNotes();
        fakes.box->texts.clear();
    }
}

TEST_F(StoreTest, MissingFileAndTrailingLines) {
    const Notes before = sample(QStringLiteral("before"));
    NoteTable = before;
    LoadNotes();
    EXPECT_TRUE(fakes.box->texts.isEmpty());
    EXPECT_TRUE(NoteTable == before);
    EXPECT_FALSE(DataFileExists());

    const Notes inFile = sample(QStringLiteral("file"));
    write(formatDataFile(inFile) + "\"extra\"\r\n#JUNK#\r\n");
    LoadNotes();
    EXPECT_TRUE(DataFileExists());
    EXPECT_TRUE(fakes.box->texts.isEmpty());
    EXPECT_TRUE(NoteTable == inFile);

    // LF-only endings, as an editor on another system might leave them.
    QByteArray lf = formatDataFile(before);
    lf.replace("\r\n", "\n");
    write(lf);
    LoadNotes();
    EXPECT_TRUE(fakes.box->texts.isEmpty());
    EXPECT_TRUE(NoteTable == before);
}

TEST_F(StoreTest, ReportStaysSingleWhileItIsOpen) {
    write("\"only a header\"\r\n");
    int nested = 0;
    struct ReentrantBox : platform::MessageBox {
        std::function<void()> whileOpen;
        QStringList texts;
        void show(const QString& t) override {
            texts.append(t);
            if (whileOpen) whileOpen();
        }
    };
    auto* box = new ReentrantBox;
    box->whileOpen = [&] {
        // Ticks go on while the box waits for OK.
        for (; nested < 5; ++nested)
            LoadNotes();
    };
    platform::installMessageBox(std::unique_ptr<platform::MessageBox>(box));
    LoadNotes();
    EXPECT_EQ(nested, 5);
    EXPECT_EQ(box->texts.size(), 1);
    box->whileOpen = nullptr;
    LoadNotes(); // closed: the same damage is not reported again
    EXPECT_EQ(box->texts.size(), 1);
    write("\"another header\"\r\n"); // other damage is
    LoadNotes();
    EXPECT_EQ(box->texts.size(), 2);
    write(formatDataFile(Notes())); // mended, then the first damage again
    LoadNotes();
    write("\"only a header\"\r\n");
    LoadNotes();
    EXPECT_EQ(box->texts.size(), 3);
}

TEST_F(StoreTest, SavesNeverLeaveAPartialOrForeignFile) {
    const Notes old = sample(QStringLiteral("old"));
    ASSERT_TRUE(saveDataFile(DataFileName, old));
    EXPECT_EQ(QFile::permissions(DataFileName) & 0x7777,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    const QByteArray oldBytes = read();

    // An existing file keeps its mode.
    ::chmod(QFile::encodeName(DataFileName).constData(), 0640);
    ASSERT_TRUE(saveDataFile(DataFileName, sample(QStringLiteral("new"))));
    struct stat st {};
    ::stat(QFile::encodeName(DataFileName).constData(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // A write-protected file stays exactly as it was.
    ASSERT_TRUE(saveDataFile(DataFileName, old));
    ::chmod(QFile::encodeName(DataFileName).constData(), 0444);
    EXPECT_FALSE(saveDataFile(DataFileName, sample(QStringLiteral("new"))));
    EXPECT_EQ(read(), oldBytes);
    EXPECT_EQ(QDir().entryList(QDir::Files).size(), 1); // no temporary left behind
}

// A device that accepts `room` bytes and then fails.
class FailDevice : public QIODevice {
  public:
    explicit FailDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }
    qint64 written = 0;

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 len) override {
        if (written >= m_room) return -1;
        const qint64 n = qMin(len, m_room - written);
        written += n;
        return n;
    }

  private:
    qint64 m_room;
};

TEST_F(StoreTest, WriteReportsADeviceThatFails) {
    const Notes n = sample(QStringLiteral("x"));
    const qint64 size = formatDataFile(n).size();
    for (qint64 room : {qint64(0), qint64(1), size / 2, size - 1}) {
        FailDevice device(room);
        EXPECT_FALSE(writeDataFile(device, n)) << room;
    }
    FailDevice roomy(size);
    EXPECT_TRUE(writeDataFile(roomy, n));
    EXPECT_EQ(roomy.written, size);
}

TEST(DateText, ConversionAcceptsTheListedFormsAndNothingElse) {
    struct Case {
        const char* text;
        bool accepted;
        QDateTime value;
    };
    const QDate zero = ZeroDate;
    const Case cases[] = {
        {"03/24/07", true, QDateTime(QDate(2007, 3, 24), QTime(0, 0))},
        {"3/4/07", true, QDateTime(QDate(2007, 3, 4), QTime(0, 0))},
        {"12/31/2099", true, QDateTime(QDate(2099, 12, 31), QTime(0, 0))},
        {"02/29/08", true, QDateTime(QDate(2008, 2, 29), QTime(0, 0))},
        {"14:30:00", true, QDateTime(zero, QTime(14, 30))},
        {"7:05", true, QDateTime(zero, QTime(7, 5))},
        {"2:30 PM", true, QDateTime(zero, QTime(14, 30))},
        {"12:15:09 am", true, QDateTime(zero, QTime(0, 15, 9))},
        {"12:30 pm", true, QDateTime(zero, QTime(12, 30))},
        {"0:30 pm", false, {}},
        {"2:05:09 p.m.", true, QDateTime(zero, QTime(14, 5, 9))},
        {"03/24/07 14:30", true, QDateTime(QDate(2007, 3, 24), QTime(14, 30))},
        {" 03/24/07 ", true, QDateTime(QDate(2007, 3, 24), QTime(0, 0))},
        {"", false, {}},
        {"lunch", false, {}},
        {"13/45/07", false, {}},
        {"02/30/08", false, {}},
        {"02/29/07", false, {}},
        {"25:00:00", false, {}},
        {"12:60", false, {}},
        {"13:00 PM", false, {}},
        {"03/24/7", false, {}},
        {"03-24-07", false, {}},
        {"14:30:00 03/24/07", false, {}},
    };
    for (const Case& c : cases) {
        const auto v = ConvertDateTime(QString::fromUtf8(c.text));
        EXPECT_EQ(v.has_value(), c.accepted) << c.text;
        if (v && c.accepted) {
            EXPECT_EQ(*v, c.value) << c.text;
        }
    }
}

TEST(DateText, FormatsOrderAndMonthlyAdvance) {
    EXPECT_EQ(DateText(QDate(2008, 1, 5)), QStringLiteral("01/05/08"));
    EXPECT_EQ(TimeText(QTime(14, 5, 9)), QStringLiteral("14:05:09"));
    // Time texts compare character by character, a prefix first.
    EXPECT_TRUE(TextNotAfter(QString(), QStringLiteral("00:00:00")));
    EXPECT_TRUE(TextNotAfter(QStringLiteral("14:29:59"), QStringLiteral("14:30:00")));
    EXPECT_TRUE(TextNotAfter(QStringLiteral("14:30:00"), QStringLiteral("14:30:00")));
    EXPECT_FALSE(TextNotAfter(QStringLiteral("14:30:01"), QStringLiteral("14:30:00")));
    EXPECT_TRUE(TextNotAfter(QStringLiteral("14:30"), QStringLiteral("14:30:00")));
    const std::pair<QDate, QDate> monthly[] = {
        {QDate(2007, 3, 10), QDate(2007, 4, 10)}, {QDate(2007, 12, 15), QDate(2008, 1, 15)},
        {QDate(2008, 1, 31), QDate(2008, 2, 29)}, {QDate(2009, 1, 31), QDate(2009, 2, 28)},
        {QDate(2007, 3, 31), QDate(2007, 4, 30)},
    };
    for (const auto& [from, to] : monthly)
        EXPECT_EQ(NextMonthSameDay(from), to) << from.toString();
    // The clock's regional format loses the time zone, and the marks that went with it.
    const std::pair<const char*, const char*> formats[] = {
        {"HH:mm:ss (t)", "HH:mm:ss"},       {"H:mm:ss [t]", "H:mm:ss"},
        {"h:mm:ss AP t", "h:mm:ss AP"},     {"HH:mm:ss", "HH:mm:ss"},
        {"t HH:mm:ss", "HH:mm:ss"},         {"h:mm:ss AP, t", "h:mm:ss AP"},
        {"APh:mm:ss [tttt]", "APh:mm:ss"},  {"'Klock' H.mm:ss (t)", "'Klock' H.mm:ss"},
        {"H:mm:ss 'ч'. t", "H:mm:ss 'ч'."}, {"HH 'at' mm (t)", "HH 'at' mm"},
    };
    for (const auto& [format, cleaned] : formats)
        EXPECT_EQ(TimeFormatWithoutZone(QString::fromUtf8(format)), QString::fromUtf8(cleaned))
            << format;
    for (const char* name : {"ca_ES", "es_ES", "eu_ES", "hr_HR", "fa_IR", "zh_TW", "zh_HK"}) {
        const QLocale locale(QString::fromLatin1(name));
        const QString shown = locale.toString(
            QTime(10, 37, 3), TimeFormatWithoutZone(locale.timeFormat(QLocale::LongFormat)));
        EXPECT_FALSE(shown.contains(QRegularExpression(QStringLiteral("[()\\[\\]]|^\\s|\\s$"))))
            << name << " " << shown.toStdString();
        EXPECT_TRUE(shown.contains(locale.toString(37))) << name;
    }
}

} // namespace
