#pragma once
// Stand-ins for the tests: a settable clock, recorders for sound, boxes, topmost and help, a
// tray that a test can press, and a wall-clock alarm and a file watch that a test wakes.

#include "platform/Platform.h"
#include "platform/Wake.h"

#include <QStringList>
#include <vector>

namespace platform {

class FakeClock : public Clock {
  public:
    QDateTime now() const override { return current; }
    void set(const QDateTime& t) { current = t; }
    void advanceSeconds(qint64 s) { current = current.addSecs(s); }
    void advanceDays(qint64 d) { current = current.addDays(d); }
    QDateTime current{QDate(2007, 3, 24), QTime(14, 29, 59)};
};

class FakeSound : public Sound {
  public:
    void play(const QString& name, int flags) override;
    void beep() override;
    QStringList events; // "beep" and "play:<name>:<flags>" in order
    int beeps() const;
    QStringList played() const;
};

class FakeMessageBox : public MessageBox {
  public:
    void show(const QString& text) override { texts.append(text); }
    int choose(const QString& text, const QStringList& buttons) override {
        texts.append(text);
        choices.append(buttons);
        return answers.isEmpty() ? 0 : answers.takeFirst();
    }
    QStringList texts;
    QList<QStringList> choices; // the buttons each choosing box offered
    QList<int> answers;         // what the next choosing boxes answer; the default without
};

class FakeTopmost : public Topmost {
  public:
    void keepOnTop(QWidget* window) override { windows.push_back(window); }
    void demandAttention(QWidget*, const QString& message) override { attention.append(message); }
    void announce(QWidget*, const QString& message) override { announced.append(message); }
    std::vector<QWidget*> windows;
    QStringList attention; // messages of the alert windows that asked for attention
    QStringList announced; // what firings told screen readers
};

class FakeHelp : public Help {
  public:
    void show(const QString& p, int c) override {
        path = p;
        command = c;
        ++calls;
    }
    QString path;
    int command = 0;
    int calls = 0;
};

class FakeTray : public Tray {
  public:
    bool isAvailable() const override { return available; }
    bool add(const QIcon& icon, const QString& tip, QMenu* menu) override;
    void remove() override { shown = false; }
    void press(int code) {
        if (onPress) onPress(code);
    }
    bool available = true;
    bool shown = false;
    QString tip;
    QMenu* menu = nullptr;
    int adds = 0;
};

class FakeWallAlarm : public WallAlarm {
  public:
    void arm(const QDateTime& at) override {
        armed = true;
        moment = at;
    }
    void disarm() override {
        armed = false;
        moment = {};
    }
    // The moment came, the clock was stepped or the machine resumed.
    void wake() {
        if (onWake) onWake();
    }
    bool armed = false;
    QDateTime moment; // null while armed: only a step or a resume wakes it
};

class FakeFileWatch : public FileWatch {
  public:
    void watch(const QStringList& p) override {
        paths = p;
        FileWatch::watch(p);
    }
    // The system told of a change to a watched file; a blind one tells nothing.
    void change() {
        if (!blind && onChange) onChange();
    }
    QStringList paths;
    // Like a network or FUSE filesystem: changes made elsewhere are not told. Set before watch().
    bool blind = false;
    // No watch can be added, as where the user's limit of watches is reached.
    bool failAdd = false;

  protected:
    QStringList follow(const std::vector<Place>& places) override {
        QStringList why;
        for (const Place& place : places)
            if (failAdd)
                why << unwatchedText(place, QStringLiteral("no watch left"));
            else if (blind)
                why << blindText(place);
        return why;
    }
};

struct Fakes {
    FakeClock* clock;
    FakeSound* sound;
    FakeMessageBox* box;
    FakeTopmost* topmost;
    FakeHelp* help;
    FakeTray* tray;
    FakeWallAlarm* alarm;
    FakeFileWatch* watch;
};

// Replaces every service with a fresh fake.
Fakes installFakes();

} // namespace platform
