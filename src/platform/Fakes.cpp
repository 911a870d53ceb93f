#include "platform/Fakes.h"

namespace platform {

void FakeSound::play(const QString& name, int flags) {
    events.append(QStringLiteral("play:%1:%2").arg(name).arg(flags));
}
void FakeSound::beep() {
    events.append(QStringLiteral("beep"));
}
int FakeSound::beeps() const {
    return int(events.count(QStringLiteral("beep")));
}
QStringList FakeSound::played() const {
    QStringList names;
    for (const QString& e : events)
        if (e.startsWith(QLatin1String("play:"))) names.append(e.section(QLatin1Char(':'), 1, 1));
    return names;
}

bool FakeTray::add(const QIcon&, const QString& t, QMenu* m) {
    ++adds;
    tip = t;
    menu = m;
    shown = available;
    return shown;
}

Fakes installFakes() {
    Fakes f{new FakeClock, new FakeSound, new FakeMessageBox, new FakeTopmost,
            new FakeHelp,  new FakeTray,  new FakeWallAlarm,  new FakeFileWatch};
    installClock(std::unique_ptr<Clock>(f.clock));
    installSound(std::unique_ptr<Sound>(f.sound));
    installMessageBox(std::unique_ptr<MessageBox>(f.box));
    installTopmost(std::unique_ptr<Topmost>(f.topmost));
    installHelp(std::unique_ptr<Help>(f.help));
    installTray(std::unique_ptr<Tray>(f.tray));
    installWallAlarm(std::unique_ptr<WallAlarm>(f.alarm));
    installFileWatch(std::unique_ptr<FileWatch>(f.watch));
    return f;
}

} // namespace platform
