// kelvon-sync: keeps one data folder's Kelvo.dat and one CalDAV collection in step.

#include "Version.h"
#include "platform/Terminal.h"
#include "platform/Wake.h"
#include "sync/Config.h"
#include "sync/Sync.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>
#include <cstdio>

using namespace ksync;

namespace {

void say(const QString& line) {
    std::fprintf(stderr, "kelvon-sync: %s\n", line.toLocal8Bit().constData());
}

void print(const QString& line) {
    std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
}

QString defaultDataFolder() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/kelvon");
}

Dav::PasswordSource passwordSource(const Config& config) {
    if (!config.passwordCommand.isEmpty())
        return [command = config.passwordCommand](QString* why) {
            return passwordFromCommand(command, why);
        };
    return [key = keyringKey(config)](QString* why) { return readKeyring(key, why); };
}

// One sync, and at once another where the server changed while this one wrote.
Outcome syncNow(Dav& dav, const Config& config, const QString& dataFile) {
    Outcome out;
    for (int round = 0; round < 3; ++round) {
        out = syncOnce(dav, config.url, dataFile);
        if (!out.again || out.failure != Failure::None) return out;
    }
    out.failure = Failure::Other;
    out.error = QStringLiteral("the server kept changing while this sync wrote; not in step yet");
    return out;
}

int status(const QString& dataFile) {
    const State st = State::load(State::pathFor(dataFile));
    print(st.lastSync.isValid()
              ? QStringLiteral("Last synced: %1")
                    .arg(st.lastSync.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")))
              : QStringLiteral("Never synced."));
    if (!st.lastError.isEmpty()) print(QStringLiteral("Last attempt failed: %1").arg(st.lastError));
    print(QStringLiteral("%1 reminders are in step with %2")
              .arg(st.slots.size())
              .arg(QUrl(st.collection).toDisplayString(QUrl::RemoveUserInfo)));
    for (const QString& note : st.notes)
        print(note);
    int notAsked = 0;
    for (auto it = st.items.cbegin(); it != st.items.cend(); ++it) {
        if (it->why.startsWith(QLatin1String("not asked for"))) {
            ++notAsked;
            continue;
        }
        print(QStringLiteral("Not taken: \"%1\" (%2): %3").arg(it->summary, it.key(), it->why));
    }
    if (notAsked > 0)
        print(QStringLiteral("%1 events over before the first sync were not asked for.")
                  .arg(notAsked));
    return 0;
}

int setup(const QCommandLineParser& p, const QString& url) {
    Config config;
    config.url = QUrl::fromUserInput(url);
    config.user = p.value(QStringLiteral("user"));
    if (config.user.isEmpty()) config.user = config.url.userName();
    if (config.user.isEmpty()) config.user = qEnvironmentVariable("USER");
    config.url.setUserInfo(QString());
    config.passwordCommand = p.value(QStringLiteral("password-command"));
    QString why;
    std::optional<QString> password;
    if (!config.passwordCommand.isEmpty()) {
        password = passwordFromCommand(config.passwordCommand, &why);
    } else {
        // Asked before the password is: with no Secret Service there is nowhere to keep it.
        QString probe;
        if (!readKeyring(keyringKey(config), &probe) &&
            !probe.contains(QLatin1String("not found"), Qt::CaseInsensitive) &&
            !probe.contains(QLatin1String("could not be found"), Qt::CaseInsensitive)) {
            say(QStringLiteral("no Secret Service is running to keep the password; give "
                               "--password-command CMD, a command that prints it"));
            return 1;
        }
        password = platform::ReadSecretLine(QStringLiteral("Password for %1: ").arg(config.user));
        if (!password) why = QStringLiteral("no password given");
    }
    if (!password) {
        say(why);
        return 1;
    }
    Dav dav(
        config.url, config.user, [password](QString*) { return password; }, false);
    const QString configPath = Config::defaultPath();
    if (const auto old = Config::load(configPath, &why)) config.insecure = old->insecure;
    Dav checked(
        config.url, config.user, [password](QString*) { return password; }, config.insecure);
    Reply reply;
    const auto calendars = checked.discover(config.url, &reply);
    if (!calendars) {
        say(reply.error);
        return 1;
    }
    const QString wanted = p.isSet(QStringLiteral("calendar")) ? p.value(QStringLiteral("calendar"))
                                                               : QStringLiteral("Kelvon");
    std::optional<Calendar> chosen;
    if (calendars->size() == 1 && calendars->first().url.path() == config.url.path())
        chosen = calendars->first();
    print(QStringLiteral("Calendars with tasks:"));
    for (const Calendar& c : *calendars) {
        if (!c.tasks) continue;
        print(QStringLiteral("  %1  %2").arg(c.name, c.url.toDisplayString(QUrl::RemoveUserInfo)));
        if (!chosen && (c.name == wanted ||
                        c.url.path().endsWith(QLatin1Char('/') + wanted + QLatin1Char('/'))))
            chosen = c;
    }
    if (!chosen) {
        QString slug = wanted.toLower();
        slug.replace(QRegularExpression(QStringLiteral("[^a-z0-9_-]+")), QStringLiteral("-"));
        const QUrl at = checked.resolve(slug + QLatin1Char('/'));
        const Reply made = checked.makeCalendar(at, wanted);
        if (!made.ok()) {
            say(QStringLiteral("the calendar \"%1\" could not be created: %2")
                    .arg(wanted, made.error));
            return 1;
        }
        print(QStringLiteral("Created the calendar \"%1\".").arg(wanted));
        chosen = Calendar{at, wanted, true};
    }
    config.url = chosen->url;
    if (config.passwordCommand.isEmpty() && !writeKeyring(keyringKey(config), *password, &why)) {
        say(QStringLiteral("the Secret Service did not keep the password (%1); give "
                           "--password-command CMD instead")
                .arg(why));
        return 1;
    }
    if (!config.save(configPath, &why)) {
        say(why);
        return 1;
    }
    print(QStringLiteral("Set up: \"%1\" at %2, written to %3")
              .arg(chosen->name, config.url.toDisplayString(QUrl::RemoveUserInfo), configPath));
    return 0;
}

// Stays: syncs when the data file changes and asks the server every interval; waits longer
// after each failure to reach it, and after a refused password until the configuration changes.
class Watcher {
  public:
    Watcher(const QString& configPath, const QString& dataFile)
        : m_configPath(configPath), m_dataFile(dataFile) {
        m_poll.setSingleShot(true);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { run(); });
        m_settle.setSingleShot(true);
        m_settle.setInterval(300);
        QObject::connect(&m_settle, &QTimer::timeout, [this] { changed(); });
        platform::FileWatch& watch = platform::FileWatchService();
        watch.onChange = [this] { m_settle.start(); };
        watch.watch({m_dataFile, m_configPath});
    }
    // A sync waits for the server in an event loop of its own, where the timers and the file
    // watch still fire: they only ask for another, run once this one has ended.
    void run() {
        if (m_running) {
            m_pending = true;
            return;
        }
        m_running = true;
        for (;;) {
            m_pending = false;
            step();
            if (!m_pending) break;
            if (stamp(m_configPath) != m_configStamp) {
                m_denied = false;
                m_failures = 0;
            }
            if (m_denied || m_failures > 0) break; // the retry takes it
            m_poll.stop();
        }
        m_running = false;
    }

  private:
    void step() {
        QString why;
        const auto config = Config::load(m_configPath, &why);
        if (!config) {
            report(why);
            m_denied = true; // nothing to do until the configuration changes
            return;
        }
        m_interval = config->interval;
        if (!m_dav || m_configStamp != stamp(m_configPath)) {
            m_dav = std::make_unique<Dav>(config->url, config->user, passwordSource(*config),
                                          config->insecure);
            m_configStamp = stamp(m_configPath);
        }
        const Outcome out = syncNow(*m_dav, *config, m_dataFile);
        m_dataStamp = stamp(m_dataFile);
        if (out.failure == Failure::None) {
            if (m_failures > 0 || m_denied) report(QStringLiteral("in step again"));
            m_failures = 0;
            m_denied = false;
            m_poll.start(m_interval * 1000);
            return;
        }
        report(out.error);
        if (out.failure == Failure::Denied) {
            m_denied = true;
            m_dav.reset(); // a new password is asked for afresh
            return;
        }
        // 15 s, 30 s, 1 min, ... up to 10 minutes.
        ++m_failures;
        const int wait = std::min(600, 15 << std::min(m_failures - 1, 6));
        m_poll.start(wait * 1000);
    }
    static QByteArray stamp(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    void changed() {
        if (m_running) {
            m_pending = true;
            return;
        }
        const bool config = stamp(m_configPath) != m_configStamp;
        const bool data = stamp(m_dataFile) != m_dataStamp;
        if (config) {
            m_denied = false;
            m_failures = 0;
        }
        // Our own save, or a change while the server is failing: the retry takes it.
        if ((config || data) && !m_denied && (config || m_failures == 0)) {
            m_poll.stop();
            run();
        }
    }
    void report(const QString& line) {
        if (line != m_lastReport) say(line);
        m_lastReport = line;
    }

    QString m_configPath;
    QString m_dataFile;
    QTimer m_poll;
    QTimer m_settle;
    std::unique_ptr<Dav> m_dav;
    QByteArray m_configStamp;
    QByteArray m_dataStamp;
    QString m_lastReport;
    int m_interval = 60;
    int m_failures = 0;
    bool m_denied = false;
    bool m_running = false;
    bool m_pending = false;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvon-sync"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELVON_VERSION));
    QCommandLineParser p;
    p.setApplicationDescription(
        QStringLiteral("Keeps Kelvon's reminders and a CalDAV calendar in step, both ways.\n\n"
                       "  kelvon-sync setup URL   finds the calendar and writes the configuration\n"
                       "  kelvon-sync             syncs once\n"
                       "  kelvon-sync --watch     stays, and syncs at every change"));
    p.addHelpOption();
    p.addVersionOption();
    p.addOptions({
        {QStringLiteral("data"), QStringLiteral("The data folder (default: the launcher's)."),
         QStringLiteral("DIR")},
        {QStringLiteral("watch"), QStringLiteral("Stay, and sync at every change of either side.")},
        {QStringLiteral("status"),
         QStringLiteral("Say when the last sync was, and what it could not take.")},
        {QStringLiteral("verbose"),
         QStringLiteral("Say how many requests a sync made and how many bytes it received.")},
        {QStringLiteral("user"), QStringLiteral("setup: the user name."), QStringLiteral("NAME")},
        {QStringLiteral("calendar"),
         QStringLiteral("setup: the calendar to use (default: \"Kelvon\", created when missing)."),
         QStringLiteral("NAME")},
        {QStringLiteral("password-command"),
         QStringLiteral("setup: a command whose first line of output is the password."),
         QStringLiteral("CMD")},
    });
    p.addPositionalArgument(QStringLiteral("setup"), QStringLiteral("setup URL"),
                            QStringLiteral("[setup URL]"));
    if (!p.parse(QCoreApplication::arguments())) {
        say(p.errorText());
        return 2;
    }
    if (p.isSet(QStringLiteral("help"))) p.showHelp(0);
    if (p.isSet(QStringLiteral("version"))) p.showVersion();
    const QStringList args = p.positionalArguments();
    if (!args.isEmpty()) {
        if (args.size() != 2 || args[0] != QLatin1String("setup")) {
            say(QStringLiteral("usage: kelvon-sync [--data DIR] [--watch | --status] | setup URL "
                               "[--user NAME] [--calendar NAME] [--password-command CMD]"));
            return 2;
        }
        return setup(p, args[1]);
    }
    if (p.isSet(QStringLiteral("watch")) && p.isSet(QStringLiteral("status"))) {
        say(QStringLiteral("--watch and --status do not go together"));
        return 2;
    }
    const QString folder =
        p.isSet(QStringLiteral("data")) ? p.value(QStringLiteral("data")) : defaultDataFolder();
    const QString dataFile = QDir(folder).absoluteFilePath(QStringLiteral("Kelvo.dat"));
    if (p.isSet(QStringLiteral("status"))) return status(dataFile);
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        say(QStringLiteral("the data folder %1 cannot be made").arg(folder));
        return 1;
    }
    const QString configPath = Config::defaultPath();
    if (p.isSet(QStringLiteral("watch"))) {
        Watcher watcher(configPath, dataFile);
        watcher.run();
        const int code = QCoreApplication::exec();
        platform::releaseWakeServices();
        return code;
    }
    QString why;
    const auto config = Config::load(configPath, &why);
    if (!config) {
        say(why);
        return 1;
    }
    Dav dav(config->url, config->user, passwordSource(*config), config->insecure);
    QElapsedTimer took;
    took.start();
    const Outcome out = syncNow(dav, *config, dataFile);
    if (p.isSet(QStringLiteral("verbose")))
        say(QStringLiteral("%1 requests, %2 bytes received, %3 ms")
                .arg(dav.requests())
                .arg(dav.received())
                .arg(took.elapsed()));
    if (out.failure != Failure::None) {
        say(out.error);
        return 1;
    }
    return 0;
}
