#include "sync/State.h"

#include "store/DataFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ksync {
namespace {

QJsonObject valuesJson(const SlotValues& v) {
    return {{QStringLiteral("date"), v.date},     {QStringLiteral("message"), v.message},
            {QStringLiteral("time"), v.time},     {QStringLiteral("daily"), v.daily},
            {QStringLiteral("weekly"), v.weekly}, {QStringLiteral("monthly"), v.monthly},
            {QStringLiteral("done"), v.done}};
}

SlotValues valuesOf(const QJsonObject& o) {
    SlotValues v;
    v.date = o.value(QStringLiteral("date")).toString();
    v.message = o.value(QStringLiteral("message")).toString();
    v.time = o.value(QStringLiteral("time")).toString();
    v.daily = qint16(o.value(QStringLiteral("daily")).toInt());
    v.weekly = qint16(o.value(QStringLiteral("weekly")).toInt());
    v.monthly = qint16(o.value(QStringLiteral("monthly")).toInt());
    v.done = qint16(o.value(QStringLiteral("done")).toInt());
    return v;
}

QString str(const QJsonObject& o, const char* key) {
    return o.value(QLatin1String(key)).toString();
}

} // namespace

QString State::pathFor(const QString& dataFile) {
    return dataFile + QStringLiteral(".sync");
}

State State::load(const QString& path) {
    State s;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return s;
    const QJsonObject o = QJsonDocument::fromJson(file.readAll()).object();
    s.collection = str(o, "collection");
    s.token = str(o, "token");
    s.lastSync = QDateTime::fromString(str(o, "lastSync"), Qt::ISODate);
    s.lastError = str(o, "lastError");
    s.generation = qint64(o.value(QStringLiteral("generation")).toDouble());
    const QJsonObject slots = o.value(QStringLiteral("slots")).toObject();
    for (auto it = slots.begin(); it != slots.end(); ++it) {
        const QJsonObject e = it.value().toObject();
        bool ok = false;
        const int slot = it.key().toInt(&ok);
        if (!ok || slot < 0 || slot >= SlotCount) continue;
        s.slots.insert(slot, {str(e, "uid"), str(e, "href"), str(e, "etag").toUtf8(),
                              str(e, "ics").toUtf8(),
                              valuesOf(e.value(QStringLiteral("values")).toObject())});
    }
    const QJsonObject items = o.value(QStringLiteral("items")).toObject();
    for (auto it = items.begin(); it != items.end(); ++it) {
        const QJsonObject e = it.value().toObject();
        s.items.insert(it.key(), {str(e, "etag").toUtf8(), str(e, "summary"), str(e, "why"),
                                  str(e, "ics").toUtf8()});
    }
    for (const QJsonValue& n : o.value(QStringLiteral("notes")).toArray())
        s.notes << n.toString();
    return s;
}

bool State::save(const QString& path, QString* why) const {
    QJsonObject slotsJson;
    for (auto it = slots.begin(); it != slots.end(); ++it)
        slotsJson.insert(QString::number(it.key()),
                         QJsonObject{{QStringLiteral("uid"), it->uid},
                                     {QStringLiteral("href"), it->href},
                                     {QStringLiteral("etag"), QString::fromUtf8(it->etag)},
                                     {QStringLiteral("ics"), QString::fromUtf8(it->ics)},
                                     {QStringLiteral("values"), valuesJson(it->values)}});
    QJsonObject itemsJson;
    for (auto it = items.begin(); it != items.end(); ++it) {
        QJsonObject e{{QStringLiteral("etag"), QString::fromUtf8(it->etag)},
                      {QStringLiteral("summary"), it->summary},
                      {QStringLiteral("why"), it->why}};
        if (!it->ics.isEmpty()) e.insert(QStringLiteral("ics"), QString::fromUtf8(it->ics));
        itemsJson.insert(it.key(), e);
    }
    const QJsonObject o{{QStringLiteral("collection"), collection},
                        {QStringLiteral("token"), token},
                        {QStringLiteral("generation"), double(generation)},
                        {QStringLiteral("lastSync"), lastSync.toString(Qt::ISODate)},
                        {QStringLiteral("lastError"), lastError},
                        {QStringLiteral("slots"), slotsJson},
                        {QStringLiteral("items"), itemsJson},
                        {QStringLiteral("notes"), QJsonArray::fromStringList(notes)}};
    return replaceFile(path, QJsonDocument(o).toJson(QJsonDocument::Compact), true, why);
}

} // namespace ksync
