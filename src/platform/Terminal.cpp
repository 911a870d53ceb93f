#include "platform/Terminal.h"

#include <cstdio>
#include <string>

#ifdef Q_OS_UNIX
#include <termios.h>
#include <unistd.h>
#endif

namespace platform {

std::optional<QString> ReadSecretLine(const QString& prompt) {
#ifdef Q_OS_UNIX
    const bool terminal = ::isatty(STDIN_FILENO) == 1;
    termios saved{};
    if (terminal) {
        std::fputs(prompt.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        if (::tcgetattr(STDIN_FILENO, &saved) == 0) {
            termios quiet = saved;
            quiet.c_lflag &= ~tcflag_t(ECHO);
            ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
        }
    }
#endif
    std::string line;
    bool any = false;
    for (int c = std::getchar(); c != EOF; c = std::getchar()) {
        any = true;
        if (c == '\n') break;
        line += char(c);
    }
#ifdef Q_OS_UNIX
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputc('\n', stderr);
    }
#endif
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!any) return std::nullopt;
    return QString::fromLocal8Bit(line.data(), qsizetype(line.size()));
}

} // namespace platform
