#pragma once
// WebDAV and CalDAV as small jobs (RFC 4918, 4791, 6578, 6764), each one request or a short
// chain, run to its end before it returns: kelvon-sync does one thing at a time.

#include <QByteArray>
#include <QHash>
#include <QNetworkAccessManager>
#include <QStringList>
#include <QUrl>
#include <QVector>
#include <functional>
#include <optional>

namespace ksync {

// How a request failed, which decides what the caller does next.
enum class Failure {
    None,
    Unreachable, // no answer, or 5xx: try again later, change nothing
    Denied,      // 401 or 403: wait for the configuration or the password to change
    Refused,     // an answer we will not take: a certificate, too large, malformed
    Other,       // any other answer the server gave
};

struct Reply {
    int status = 0;
    QByteArray body;
    QByteArray etag;
    QByteArray location;
    Failure failure = Failure::None;
    QString error; // one line, never the password
    bool ok() const { return failure == Failure::None && status >= 200 && status < 300; }
};

// One <response> of a multistatus: its href, its own status (a member removed since a
// sync-token), and the properties the server found.
struct DavProp {
    QString text;
    QStringList hrefs;
    QStringList children; // element names inside, such as a resourcetype's
    QStringList comps;    // the component names a calendar supports
};
struct DavResponse {
    QString href;
    int status = 0;
    QHash<QString, DavProp> props; // by local name
};
struct MultiStatus {
    QVector<DavResponse> responses;
    QString syncToken;
};
std::optional<MultiStatus> parseMultiStatus(const QByteArray& xml, QString* error);

struct Calendar {
    QUrl url;
    QString name;
    bool tasks = true; // holds VTODO
};

class Dav {
  public:
    // `password` is asked each time the server wants one; it returns none, and why, when it
    // has none.
    using PasswordSource = std::function<std::optional<QString>(QString* why)>;
    Dav(const QUrl& base, const QString& user, PasswordSource password, bool insecure);

    Reply send(const QByteArray& verb, const QUrl& url, const QByteArray& body = {},
               const QList<QPair<QByteArray, QByteArray>>& headers = {});
    // A PROPFIND or REPORT whose answer is a multistatus.
    std::optional<MultiStatus> multi(const QByteArray& verb, const QUrl& url, int depth,
                                     const QByteArray& body, Reply* reply);

    // From a server's address to the calendars of the user (a calendar's own address is one).
    std::optional<QVector<Calendar>> discover(const QUrl& start, Reply* reply);
    Reply makeCalendar(const QUrl& url, const QString& name);

    QUrl resolve(const QString& href) const { return m_base.resolved(QUrl(href)); }
    int requests() const { return m_requests; }
    qint64 received() const { return m_received; }

  private:
    QUrl m_base;
    QString m_user;
    PasswordSource m_password;
    bool m_insecure;
    QNetworkAccessManager m_nam;
    QString m_authError;
    int m_requests = 0;
    qint64 m_received = 0;
};

} // namespace ksync
