#include "Pinyin.h"

#include "platform/Error.h"
#include "platform/Resources.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace store {

namespace {

QString pieceKey(const QString& table, int id) {
    return table + u':' + QString::number(id);
}

QStringList syllables(const QJsonValue& value) {
    return value.toString().split(u' ', Qt::SkipEmptyParts);
}

QJsonDocument parsed(const QByteArray& json, const QString& name) {
    QJsonParseError error{};
    QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw platform::Error(platform::ErrorCode::ResourceMissing, name, error.errorString());
    return document;
}

} // namespace

const Pinyin& Pinyin::shipped() {
    static const Pinyin readings(platform::resources::load(QStringLiteral("pinyin/verse.json")),
                                 platform::resources::load(QStringLiteral("pinyin/names.json")));
    return readings;
}

Pinyin::Pinyin(const QByteArray& verseJson, const QByteArray& namesJson) {
    const QJsonArray pieces = parsed(verseJson, QStringLiteral("pinyin/verse.json")).array();
    m_pieces.reserve(pieces.size());
    m_titles.reserve(size_t(pieces.size()));
    for (const QJsonValue& value : pieces) {
        const QJsonObject piece = value.toObject();
        PieceReadings readings;
        readings.title = syllables(piece.value(QLatin1String("title")));
        const QJsonArray lines = piece.value(QLatin1String("lines")).toArray();
        readings.lines.reserve(size_t(lines.size()));
        for (const QJsonValue& line : lines)
            readings.lines.push_back(syllables(line));
        const QString table = piece.value(QLatin1String("table")).toString();
        const int id = piece.value(QLatin1String("ID")).toInt();
        m_titles.push_back(
            {table, id, piece.value(QLatin1String("TiMu")).toString(), readings.title});
        m_pieces.insert(pieceKey(table, id), std::move(readings));
    }
    const QJsonObject names = parsed(namesJson, QStringLiteral("pinyin/names.json")).object();
    m_names.reserve(names.size());
    for (auto it = names.begin(); it != names.end(); ++it) {
        QStringList readings;
        for (const QJsonValue& reading : it.value().toArray())
            readings.append(reading.toString());
        m_names.insert(it.key(), readings);
    }
}

const PieceReadings* Pinyin::piece(const QString& table, int id) const {
    const auto it = m_pieces.constFind(pieceKey(table, id));
    return it == m_pieces.constEnd() ? nullptr : &it.value();
}

} // namespace store
