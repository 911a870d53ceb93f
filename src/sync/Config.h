#pragma once
// kelvon-sync's configuration, an INI file a user may also write by hand, and where the
// password comes from: a command the user names, or the desktop's Secret Service.

#include <QString>
#include <QUrl>
#include <optional>

namespace ksync {

struct Config {
    QUrl url; // the collection
    QString user;
    QString passwordCommand;
    bool insecure = false;
    int interval = 60; // seconds between two questions to the server

    static QString defaultPath(); // ${XDG_CONFIG_HOME:-~/.config}/kelvon/sync.conf
    static std::optional<Config> load(const QString& path, QString* why);
    bool save(const QString& path, QString* why) const;
};

// The first line the command prints; none, and `why`, when it fails. The password is never
// put into an error.
std::optional<QString> passwordFromCommand(const QString& command, QString* why);

// The desktop's Secret Service, under the service name "kelvon-sync" and the key user@host.
QString keyringKey(const Config& config);
std::optional<QString> readKeyring(const QString& key, QString* why);
bool writeKeyring(const QString& key, const QString& password, QString* why);

} // namespace ksync
