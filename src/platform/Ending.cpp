#include "platform/Ending.h"

#include <QGuiApplication>
#include <QSessionManager>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace platform {

namespace {
std::function<void()>& endAction() {
    static std::function<void()> action;
    return action;
}

void runOnce() {
    // The first request ends the program; later ones find nothing left to do.
    if (auto action = std::exchange(endAction(), nullptr)) action();
}

#ifdef Q_OS_UNIX
int wakeFds[2] = {-1, -1};

extern "C" void onSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here: wake the event loop.
    [[maybe_unused]] const ssize_t n = ::write(wakeFds[0], &byte, 1);
}

void watchSignals() {
    if (wakeFds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeFds) != 0) return;
    auto* notifier = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(wakeFds[1], &byte, 1);
        runOnce();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}
#endif
} // namespace

void WatchForEnd(std::function<void()> onEnd) {
    endAction() = std::move(onEnd);
#ifdef Q_OS_UNIX
    watchSignals();
#endif
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QObject::connect(app, &QGuiApplication::commitDataRequest, app,
                         [](QSessionManager&) { runOnce(); });
}

} // namespace platform
