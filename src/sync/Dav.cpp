#include "sync/Dav.h"

#include "Version.h"

#include <QAuthenticator>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkReply>
#include <QSslError>
#include <QXmlStreamReader>

namespace ksync {
namespace {

constexpr qint64 MaxResponse = 16 * 1024 * 1024;
const QString DavNs = QStringLiteral("DAV:");

DavProp readProp(QXmlStreamReader& r) {
    DavProp p;
    int depth = 1;
    while (depth > 0 && !r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            ++depth;
            const QString name = r.name().toString();
            if (depth == 2) p.children << name;
            if (name == QLatin1String("comp"))
                p.comps << r.attributes().value(QLatin1String("name")).toString();
            if (name == QLatin1String("href") && r.namespaceUri() == DavNs) {
                p.hrefs << r.readElementText().trimmed();
                --depth;
            }
        } else if (r.isCharacters() && depth == 1) {
            p.text += r.text();
        } else if (r.isEndElement()) {
            --depth;
        }
    }
    return p;
}

bool isLoopback(const QUrl& url) {
    const QString host = url.host();
    if (host == QLatin1String("localhost")) return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace

std::optional<MultiStatus> parseMultiStatus(const QByteArray& xml, QString* error) {
    MultiStatus ms;
    QXmlStreamReader r(xml);
    DavResponse response;
    QHash<QString, DavProp> found;
    int propstatStatus = 0;
    QStringList path;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            const QString name = r.name().toString();
            const QString parent = path.isEmpty() ? QString() : path.last();
            if (name == QLatin1String("response")) {
                response = DavResponse();
            } else if (name == QLatin1String("propstat")) {
                found.clear();
                propstatStatus = 0;
            } else if (name == QLatin1String("href") && parent == QLatin1String("response")) {
                response.href = r.readElementText().trimmed();
                continue;
            } else if (name == QLatin1String("status")) {
                const QString line = r.readElementText().trimmed();
                const int status = line.section(QLatin1Char(' '), 1, 1).toInt();
                if (parent == QLatin1String("propstat"))
                    propstatStatus = status;
                else if (parent == QLatin1String("response"))
                    response.status = status;
                continue;
            } else if (name == QLatin1String("sync-token") &&
                       parent == QLatin1String("multistatus")) {
                ms.syncToken = r.readElementText().trimmed();
                continue;
            } else if (parent == QLatin1String("prop") && path.size() >= 2 &&
                       path[path.size() - 2] == QLatin1String("propstat")) {
                found.insert(name, readProp(r));
                continue;
            }
            path << name;
        } else if (r.isEndElement()) {
            const QString name = r.name().toString();
            if (!path.isEmpty()) path.removeLast();
            if (name == QLatin1String("propstat") && propstatStatus >= 200 && propstatStatus < 300)
                for (auto it = found.cbegin(); it != found.cend(); ++it)
                    response.props.insert(it.key(), it.value());
            else if (name == QLatin1String("response"))
                ms.responses << response;
        }
    }
    if (r.hasError()) {
        *error = QStringLiteral("malformed XML from the server (%1)").arg(r.errorString());
        return std::nullopt;
    }
    return ms;
}

Dav::Dav(const QUrl& base, const QString& user, PasswordSource password, bool insecure)
    : m_base(base), m_user(user), m_password(std::move(password)), m_insecure(insecure) {
    QObject::connect(&m_nam, &QNetworkAccessManager::authenticationRequired,
                     [this](QNetworkReply* reply, QAuthenticator* auth) {
                         // Asked again for the same request: the password was refused. Leaving
                         // the credentials empty ends the request with its 401.
                         if (reply->property("kelvonAsked").toBool()) return;
                         reply->setProperty("kelvonAsked", true);
                         QString why = QStringLiteral("no password to give the server");
                         const auto password = m_password ? m_password(&why) : std::nullopt;
                         if (!password) {
                             m_authError = why;
                             return;
                         }
                         auth->setUser(m_user);
                         auth->setPassword(*password);
                     });
}

Reply Dav::send(const QByteArray& verb, const QUrl& start, const QByteArray& body,
                const QList<QPair<QByteArray, QByteArray>>& headers) {
    Reply out;
    QUrl url = start;
    for (int hop = 0; hop < 5; ++hop) {
        if (url.scheme() == QLatin1String("http") && !m_insecure && !isLoopback(url)) {
            out.failure = Failure::Refused;
            out.error = QStringLiteral("%1 is not encrypted; http:// is used only on this machine "
                                       "unless the configuration says insecure = true")
                            .arg(url.toDisplayString(QUrl::RemoveUserInfo));
            return out;
        }
        if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) {
            out.failure = Failure::Refused;
            out.error = QStringLiteral("%1 is not an http:// or https:// address")
                            .arg(url.toDisplayString(QUrl::RemoveUserInfo));
            return out;
        }
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::ManualRedirectPolicy);
        request.setTransferTimeout(30000);
        request.setHeader(QNetworkRequest::UserAgentHeader,
                          QByteArray("kelvon-sync/" KELVON_VERSION));
        for (const auto& h : headers)
            request.setRawHeader(h.first, h.second);
        QNetworkReply* reply = m_nam.sendCustomRequest(request, verb, body);
        ++m_requests;
        bool tooLarge = false;
        QStringList tls;
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QObject::connect(reply, &QNetworkReply::downloadProgress,
                         [&](qint64 received, qint64 total) {
                             if (received > MaxResponse || total > MaxResponse) {
                                 tooLarge = true;
                                 reply->abort();
                             }
                         });
        QObject::connect(reply, &QNetworkReply::sslErrors, [&](const QList<QSslError>& errors) {
            for (const QSslError& e : errors)
                tls << e.errorString();
        });
        loop.exec();
        out = Reply();
        out.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (!tooLarge) out.body = reply->readAll();
        m_received += out.body.size();
        out.etag = reply->rawHeader("ETag");
        out.location = reply->rawHeader("Location");
        const QNetworkReply::NetworkError net = reply->error();
        const QString netText = reply->errorString();
        reply->deleteLater();
        const QString where = url.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemoveQuery);
        if (tooLarge) {
            out.failure = Failure::Refused;
            out.error = QStringLiteral("%1 answered with more than 16 MiB").arg(where);
            return out;
        }
        if (!tls.isEmpty()) {
            out.failure = Failure::Refused;
            out.error = QStringLiteral("the certificate of %1 does not verify: %2")
                            .arg(url.host(), tls.join(QLatin1String("; ")));
            return out;
        }
        if (out.status == 0) {
            out.failure = Failure::Unreachable;
            out.error = QStringLiteral("%1 does not answer: %2").arg(where, netText);
            return out;
        }
        if (out.status == 401 || out.status == 403) {
            out.failure = Failure::Denied;
            out.error = m_authError.isEmpty()
                            ? QStringLiteral("%1 refused the user name or password (HTTP %2)")
                                  .arg(where)
                                  .arg(out.status)
                            : m_authError;
            m_authError.clear();
            return out;
        }
        if (out.status >= 300 && out.status < 400 && !out.location.isEmpty()) {
            url = url.resolved(QUrl::fromEncoded(out.location));
            continue;
        }
        if (out.status >= 500) {
            out.failure = Failure::Unreachable;
            out.error = QStringLiteral("%1 answered HTTP %2").arg(where).arg(out.status);
        } else if (out.status >= 400) {
            out.failure = Failure::Other;
            out.error = QStringLiteral("%1 answered HTTP %2").arg(where).arg(out.status);
        }
        Q_UNUSED(net)
        return out;
    }
    out.failure = Failure::Other;
    out.error = QStringLiteral("too many redirections from %1")
                    .arg(start.toDisplayString(QUrl::RemoveUserInfo));
    return out;
}

std::optional<MultiStatus> Dav::multi(const QByteArray& verb, const QUrl& url, int depth,
                                      const QByteArray& body, Reply* reply) {
    *reply = send(
        verb, url, body,
        {{"Depth", QByteArray::number(depth)}, {"Content-Type", "application/xml; charset=utf-8"}});
    if (!reply->ok()) return std::nullopt;
    QString error;
    auto ms = parseMultiStatus(reply->body, &error);
    if (!ms) {
        reply->failure = Failure::Refused;
        reply->error = error;
    }
    return ms;
}

std::optional<QVector<Calendar>> Dav::discover(const QUrl& start, Reply* reply) {
    static const QByteArray ask =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
        "<d:propfind xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:prop>"
        "<d:resourcetype/><d:displayname/><d:current-user-principal/>"
        "<c:calendar-home-set/><c:supported-calendar-component-set/>"
        "</d:prop></d:propfind>";
    auto calendarOf = [this](const QUrl& at, const DavResponse& r) {
        Calendar c;
        c.url = r.href.isEmpty() ? at : at.resolved(QUrl(r.href));
        c.name = r.props.value(QStringLiteral("displayname")).text.trimmed();
        const QStringList comps =
            r.props.value(QStringLiteral("supported-calendar-component-set")).comps;
        c.tasks = comps.isEmpty() || comps.contains(QLatin1String("VTODO"));
        return c;
    };
    auto isCalendar = [](const DavResponse& r) {
        return r.props.value(QStringLiteral("resourcetype"))
            .children.contains(QLatin1String("calendar"));
    };
    QUrl at = start;
    auto ms = multi("PROPFIND", at, 0, ask, reply);
    if (ms && !ms->responses.isEmpty() && isCalendar(ms->responses.first()))
        return QVector<Calendar>{calendarOf(at, ms->responses.first())};
    auto hrefOf = [](const std::optional<MultiStatus>& m, const char* prop) {
        if (!m) return QString();
        for (const DavResponse& r : m->responses) {
            const QStringList hrefs = r.props.value(QLatin1String(prop)).hrefs;
            if (!hrefs.isEmpty()) return hrefs.first();
        }
        return QString();
    };
    QString home = hrefOf(ms, "calendar-home-set");
    QString principal = hrefOf(ms, "current-user-principal");
    if (home.isEmpty() && principal.isEmpty()) {
        // The server's own pointer to where calendars begin (RFC 6764).
        if (reply->failure == Failure::Denied || reply->failure == Failure::Unreachable)
            return std::nullopt;
        at = start.resolved(QUrl(QStringLiteral("/.well-known/caldav")));
        ms = multi("PROPFIND", at, 0, ask, reply);
        if (!ms) return std::nullopt;
        home = hrefOf(ms, "calendar-home-set");
        principal = hrefOf(ms, "current-user-principal");
    }
    if (home.isEmpty() && !principal.isEmpty()) {
        at = at.resolved(QUrl(principal));
        ms = multi("PROPFIND", at, 0, ask, reply);
        if (!ms) return std::nullopt;
        home = hrefOf(ms, "calendar-home-set");
    }
    if (home.isEmpty()) {
        reply->failure = Failure::Other;
        reply->error = QStringLiteral("%1 names no calendars (no calendar-home-set)")
                           .arg(start.toDisplayString(QUrl::RemoveUserInfo));
        return std::nullopt;
    }
    at = at.resolved(QUrl(home));
    ms = multi("PROPFIND", at, 1, ask, reply);
    if (!ms) return std::nullopt;
    QVector<Calendar> calendars;
    for (const DavResponse& r : ms->responses)
        if (isCalendar(r)) calendars << calendarOf(at, r);
    m_base = at;
    return calendars;
}

Reply Dav::makeCalendar(const QUrl& url, const QString& name) {
    QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                      "<c:mkcalendar xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
                      "<d:set><d:prop><d:displayname>";
    body += name.toHtmlEscaped().toUtf8();
    body += "</d:displayname><c:supported-calendar-component-set><c:comp name=\"VTODO\"/>"
            "</c:supported-calendar-component-set></d:prop></d:set></c:mkcalendar>";
    return send("MKCALENDAR", url, body, {{"Content-Type", "application/xml; charset=utf-8"}});
}

} // namespace ksync
