#pragma once
// What the program asks of the operating system. Each service has a Qt implementation and a
// fake (Fakes.h); handlers call the free functions below, never Qt's OS-facing classes.

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

class QIcon;
class QMenu;
class QPoint;
class QWidget;

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // The milliseconds of the current second, without a time-zone conversion.
    virtual int msecOfSecond() const { return now().time().msec(); }
};

class Sound {
  public:
    virtual ~Sound() = default;
    // Starts the wave file and returns at once; a name found nowhere is silence.
    virtual void play(const QString& name, int flags) = 0;
    virtual void beep() = 0;
};

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // Text, OK only, no icon, caption "Kelvon"; waits for OK.
    virtual void show(const QString& text) = 0;
    // The same box with a button per choice, the first the default; the index chosen.
    virtual int choose(const QString& text, const QStringList& buttons) {
        (void)buttons;
        show(text);
        return 0;
    }
};

class Topmost {
  public:
    virtual ~Topmost() = default;
    // Keeps the window above every window that is not itself kept on top.
    virtual void keepOnTop(QWidget* window) = 0;
    // An alert window has just shown `message`: where the desktop may not keep it on top, ask
    // for the user's attention by the desktop's own means.
    virtual void demandAttention(QWidget* window, const QString& message) {
        (void)window;
        (void)message;
    }
    // An alert window has just shown `message`: tell a screen reader, whether or not the
    // window got the focus.
    virtual void announce(QWidget* window, const QString& message) {
        (void)window;
        (void)message;
    }
};

class Help {
  public:
    virtual ~Help() = default;
    virtual void show(const QString& path, int command) = 0;
};

// The notification area: one icon with a tip. Presses arrive as the mouse-message codes of
// the classic tray protocol (513 left press, 516 right press, 515 double-click, ...).
class Tray {
  public:
    virtual ~Tray() = default;
    virtual bool isAvailable() const = 0;
    // The menu is handed over for hosts that show a context menu themselves.
    virtual bool add(const QIcon& icon, const QString& tip, QMenu* menu) = 0;
    virtual void remove() = 0;
    std::function<void(int code)> onPress;
};

// Codes reported to Tray::onPress.
enum MouseCode : int {
    WM_MOUSEMOVE = 0x200,
    WM_LBUTTONDOWN = 0x201,
    WM_LBUTTONUP = 0x202,
    WM_LBUTTONDBLCLK = 0x203,
    WM_RBUTTONDOWN = 0x204,
    WM_RBUTTONUP = 0x205,
    WM_RBUTTONDBLCLK = 0x206,
    WM_MBUTTONDOWN = 0x207,
};

// Flags of PlaySoundFile: start and return at once; never fall back to a default sound.
constexpr int SND_ASYNC = 1;
constexpr int SND_NODEFAULT = 2;

void installClock(std::unique_ptr<Clock> clock);
void installSound(std::unique_ptr<Sound> sound);
void installMessageBox(std::unique_ptr<MessageBox> box);
void installTopmost(std::unique_ptr<Topmost> topmost);
void installHelp(std::unique_ptr<Help> help);
void installTray(std::unique_ptr<Tray> tray);
// Puts the Qt implementation behind every service that has none yet.
void installRealServices();
// Ends every service while the application object still exists: a sound or tray icon
// outliving it crashes on the way out.
void releaseServices();

Tray& TrayService();

// The Qt platform for the platform the user named (QT_QPA_PLATFORM or -platform), DISPLAY,
// WAYLAND_DISPLAY and XDG_SESSION_TYPE; empty where there is no desktop session to show in.
QByteArray WindowSystemFor(const QByteArray& named, const QByteArray& display,
                           const QByteArray& waylandDisplay, const QByteArray& sessionType);
// Before the application object: picks the window system where the user has not named one;
// false where there is none.
bool ChooseWindowSystem(int argc, char** argv);

// Where a bare sound name is looked up: the working directory, the installed
// share/kelvon/sounds, then the build tree. Empty when found nowhere.
QString ResolveSoundFile(const QString& name);
QStringList SoundFolders();

} // namespace platform

QDateTime Now();
int NowMsecOfSecond();
void PlaySoundFile(const QString& name, int flags);
void Beep();
void MsgBox(const QString& text);
int MsgBoxChoose(const QString& text, const QStringList& buttons);
void KeepOnTop(QWidget* window);
void DemandAttention(QWidget* window, const QString& message);
void AnnounceAlert(QWidget* window, const QString& message);
void ShowHelpFile(const QString& path, int command);
// The tray menu at `at`, as a pop-up; on Wayland only where a window of ours has the focus.
void PopUpMenu(QMenu* menu, const QPoint& at);
