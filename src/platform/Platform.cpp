#include "platform/Platform.h"

#include "platform/Attention.h"
#include "platform/HelpViewer.h"
#include "platform/SoundPlayer.h"
#include "platform/Tray.h"
#include "platform/Wake.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>

namespace platform {
namespace {

// The sound module, from beside the program only: no other folder, so no library that another
// user could plant there runs inside it. The build folder is laid out the same way.
std::unique_ptr<SoundPlayer> LoadSoundPlayer() {
    const QString appDir = QCoreApplication::applicationDirPath();
    QLibrary module(QDir::cleanPath(appDir + QStringLiteral("/../lib/kelvon/kelvon_sound")));
    const auto create = reinterpret_cast<KelvonSoundFactory>(module.resolve(KELVON_SOUND_FACTORY));
    if (create) return std::unique_ptr<SoundPlayer>(create()); // the module stays loaded
    std::fprintf(stderr, "Kelvon: %s\n",
                 qUtf8Printable(QCoreApplication::translate(
                                    "Platform", "sounds stay silent, the sound module was not "
                                                "found (%1)")
                                    .arg(module.errorString())));
    return nullptr;
}

class QtSound : public Sound {
  public:
    void play(const QString& name, int /*flags*/) override {
        const QString path = ResolveSoundFile(name);
        if (!m_tried) {
            m_tried = true;
            m_player = LoadSoundPlayer();
        }
        if (m_player) m_player->play(path);
    }
    void beep() override { QApplication::beep(); }

  private:
    bool m_tried = false;
    std::unique_ptr<SoundPlayer> m_player;
};

// The box blocks the clock windows, which are kept on top: it must be above them, and above
// an alert window that opens while it waits.
class RaiseOverNewWindows : public QObject {
  public:
    explicit RaiseOverNewWindows(QWidget* box) : m_box(box) { qApp->installEventFilter(this); }
    ~RaiseOverNewWindows() override { qApp->removeEventFilter(this); }
    Q_DISABLE_COPY_MOVE(RaiseOverNewWindows)

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched != m_box && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            QTimer::singleShot(0, m_box, [box = m_box] { raiseBox(box); });
        return false;
    }
    static void raiseBox(QWidget* box) {
        box->raise();
        box->activateWindow();
    }

  private:
    QWidget* m_box;
};

class QtMessageBox : public MessageBox {
  public:
    void show(const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kelvon"), text, QMessageBox::Ok);
        run(box);
    }
    int choose(const QString& text, const QStringList& buttons) override {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kelvon"), text);
        QList<QAbstractButton*> made;
        for (const QString& caption : buttons)
            made.append(box.addButton(caption, made.isEmpty() ? QMessageBox::AcceptRole
                                                              : QMessageBox::RejectRole));
        if (made.isEmpty()) return -1;
        box.setDefaultButton(static_cast<QPushButton*>(made.first()));
        box.setEscapeButton(made.first());
        run(box);
        return std::max(0, int(made.indexOf(box.clickedButton())));
    }

  private:
    static void run(QMessageBox& box) {
        box.setTextFormat(Qt::PlainText);
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        const RaiseOverNewWindows keeper(&box);
        box.show();
        RaiseOverNewWindows::raiseBox(&box);
        box.exec();
    }
};

class QtHelp : public Help {
  public:
    void show(const QString& path, int command) override { HelpViewer::open(path, command); }
};

struct Services {
    std::unique_ptr<Sound> sound;
    std::unique_ptr<MessageBox> box;
    std::unique_ptr<Topmost> topmost;
    std::unique_ptr<Help> help;
    std::unique_ptr<Tray> tray;
};

// Never destroyed by the exit handlers: when Qt's X11 plug-in loses the display it calls exit(),
// and a sound or a tray icon destroyed then, after Qt's own state, crashes. releaseServices()
// ends them on the normal way out.
Services& services() {
    static auto* s = new Services;
    return *s;
}

template <class T, class Real> T& serviceOr(std::unique_ptr<T>& slot) {
    if (!slot) slot = std::make_unique<Real>();
    return *slot;
}

} // namespace

void installSound(std::unique_ptr<Sound> s) {
    services().sound = std::move(s);
}
void installMessageBox(std::unique_ptr<MessageBox> b) {
    services().box = std::move(b);
}
void installTopmost(std::unique_ptr<Topmost> t) {
    services().topmost = std::move(t);
}
void installHelp(std::unique_ptr<Help> h) {
    services().help = std::move(h);
}
void installTray(std::unique_ptr<Tray> t) {
    services().tray = std::move(t);
}

void installRealServices() {
    Services& s = services();
    serviceOr<Sound, QtSound>(s.sound);
    serviceOr<MessageBox, QtMessageBox>(s.box);
    serviceOr<Topmost, QtTopmost>(s.topmost);
    serviceOr<Help, QtHelp>(s.help);
    serviceOr<Tray, QtTray>(s.tray);
}

void releaseServices() {
    services() = Services{};
    releaseWakeServices();
}

Tray& TrayService() {
    return serviceOr<Tray, QtTray>(services().tray);
}

QStringList SoundFolders() {
    QStringList folders{QDir::currentPath()};
    const QString appDir = QCoreApplication::applicationDirPath();
    if (!appDir.isEmpty())
        folders << QDir::cleanPath(appDir + QStringLiteral("/../share/kelvon/sounds"));
    return folders;
}

QString ResolveSoundFile(const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('/'))) return {};
    for (const QString& folder : SoundFolders()) {
        const QFileInfo info(QDir(folder), name);
        if (info.isFile() && info.isReadable()) return info.absoluteFilePath();
    }
    return {};
}

} // namespace platform

using namespace platform;

void PlaySoundFile(const QString& name, int flags) {
    serviceOr<Sound, QtSound>(services().sound).play(name, flags);
}
void Beep() {
    serviceOr<Sound, QtSound>(services().sound).beep();
}
void MsgBox(const QString& text) {
    serviceOr<MessageBox, QtMessageBox>(services().box).show(text);
}
int MsgBoxChoose(const QString& text, const QStringList& buttons) {
    return serviceOr<MessageBox, QtMessageBox>(services().box).choose(text, buttons);
}
void KeepOnTop(QWidget* window) {
    serviceOr<Topmost, QtTopmost>(services().topmost).keepOnTop(window);
}
void DemandAttention(QWidget* window, const QString& message) {
    serviceOr<Topmost, QtTopmost>(services().topmost).demandAttention(window, message);
}
void AnnounceAlert(QWidget* window, const QString& message) {
    serviceOr<Topmost, QtTopmost>(services().topmost).announce(window, message);
}
void ShowHelpFile(const QString& path, int command) {
    serviceOr<Help, QtHelp>(services().help).show(path, command);
}
