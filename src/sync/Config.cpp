#include "sync/Config.h"

#include "store/DataFile.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <qt6keychain/keychain.h>

namespace ksync {

QString Config::defaultPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/kelvon/sync.conf");
}

std::optional<Config> Config::load(const QString& path, QString* why) {
    if (!QFileInfo(path).isFile()) {
        *why = QStringLiteral("no configuration at %1: run kelvon-sync setup URL").arg(path);
        return std::nullopt;
    }
    const QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        *why = QStringLiteral("%1 cannot be read").arg(path);
        return std::nullopt;
    }
    Config c;
    c.url = QUrl(ini.value(QStringLiteral("url")).toString());
    c.user = ini.value(QStringLiteral("user")).toString();
    c.passwordCommand = ini.value(QStringLiteral("password_command")).toString();
    const QString insecure = ini.value(QStringLiteral("insecure")).toString().toLower();
    c.insecure = insecure == QLatin1String("true") || insecure == QLatin1String("1") ||
                 insecure == QLatin1String("yes");
    bool ok = false;
    const int interval = ini.value(QStringLiteral("interval"), 60).toInt(&ok);
    c.interval = ok && interval > 0 ? interval : 60;
    if (!c.url.isValid() || c.url.scheme().isEmpty() || c.url.host().isEmpty()) {
        *why = QStringLiteral("%1: url is not an address").arg(path);
        return std::nullopt;
    }
    if (!c.url.path().endsWith(QLatin1Char('/'))) c.url.setPath(c.url.path() + QLatin1Char('/'));
    return c;
}

bool Config::save(const QString& path, QString* why) const {
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Private before anything is in it; QSettings keeps the mode when it replaces the file.
    if (!QFileInfo::exists(path) && !replaceFile(path, {}, true, why)) return false;
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue(QStringLiteral("url"), url.toString());
    ini.setValue(QStringLiteral("user"), user);
    ini.setValue(QStringLiteral("password_command"), passwordCommand);
    ini.setValue(QStringLiteral("insecure"), insecure);
    ini.setValue(QStringLiteral("interval"), interval);
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        *why = QStringLiteral("%1 cannot be written").arg(path);
        return false;
    }
    return true;
}

std::optional<QString> passwordFromCommand(const QString& command, QString* why) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setInputChannelMode(QProcess::ForwardedInputChannel);
    p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        p.waitForFinished(1000);
        *why = QStringLiteral("the password command failed");
        return std::nullopt;
    }
    const QByteArray out = p.readAllStandardOutput();
    const qsizetype end = out.indexOf('\n');
    QByteArray line = end < 0 ? out : out.left(end);
    if (line.endsWith('\r')) line.chop(1);
    return QString::fromUtf8(line);
}

QString keyringKey(const Config& c) {
    return c.user + QLatin1Char('@') + c.url.host();
}

std::optional<QString> readKeyring(const QString& key, QString* why) {
    QKeychain::ReadPasswordJob job(QStringLiteral("kelvon-sync"));
    job.setAutoDelete(false);
    job.setKey(key);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    if (job.error() != QKeychain::NoError) {
        *why = QStringLiteral("no password from the Secret Service (%1)").arg(job.errorString());
        return std::nullopt;
    }
    return job.textData();
}

bool writeKeyring(const QString& key, const QString& password, QString* why) {
    QKeychain::WritePasswordJob job(QStringLiteral("kelvon-sync"));
    job.setAutoDelete(false);
    job.setKey(key);
    job.setTextData(password);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    if (job.error() != QKeychain::NoError) {
        *why = job.errorString();
        return false;
    }
    return true;
}

} // namespace ksync
