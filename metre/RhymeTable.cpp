#include "RhymeTable.h"

#include "platform/Error.h"
#include "platform/Resources.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace metre {

const RhymeTable& RhymeTable::shipped() {
    static const RhymeTable table(platform::resources::load(QStringLiteral("metre/pingshui.json")));
    return table;
}

RhymeTable::RhymeTable(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonObject root = QJsonDocument::fromJson(json, &error).object();
    if (error.error != QJsonParseError::NoError)
        throw platform::Error(platform::ErrorCode::ResourceMissing,
                              QStringLiteral("metre/pingshui.json"), error.errorString());
    for (const QJsonValue& name : root.value(QStringLiteral("groups")).toArray())
        m_names.append(name.toString());
    for (const uint c : root.value(QStringLiteral("position")).toString().toUcs4())
        m_byPlace.insert(char32_t(c));
    const QJsonObject oblique = root.value(QStringLiteral("oblique")).toObject();
    for (auto it = oblique.begin(); it != oblique.end(); ++it) {
        const QList<uint> key = it.key().toUcs4();
        if (key.size() != 1)
            continue;
        for (const QJsonValue& word : it.value().toArray()) {
            QList<char32_t> chars;
            for (const uint c : word.toString().toUcs4())
                chars.append(char32_t(c));
            if (chars.contains(char32_t(key.first())))
                m_obliqueWords[char32_t(key.first())].append(chars);
        }
    }
    read(root.value(QStringLiteral("characters")).toObject(), m_groups);
    read(root.value(QStringLiteral("simplified")).toObject(), m_merged);
}

void RhymeTable::read(const QJsonObject& characters, QHash<char32_t, QList<int>>& into) const {
    into.reserve(characters.size());
    for (auto it = characters.begin(); it != characters.end(); ++it) {
        const QList<uint> codes = it.key().toUcs4();
        if (codes.size() != 1)
            continue;
        QList<int> groups;
        for (const QJsonValue& group : it.value().toArray())
            if (group.toInt(-1) >= 0 && group.toInt() < m_names.size())
                groups.append(group.toInt());
        into.insert(char32_t(codes.first()), groups);
    }
}

QList<int> RhymeTable::groups(char32_t shown, char32_t traditional) const {
    if (traditional) {
        const auto own = m_groups.constFind(traditional);
        if (own != m_groups.constEnd())
            return *own;
    }
    const auto merged = m_merged.constFind(shown);
    return merged != m_merged.constEnd() ? *merged : m_groups.value(shown);
}

bool RhymeTable::obliqueByWord(const QList<char32_t>& line, qsizetype index) const {
    const auto words = m_obliqueWords.constFind(line.value(index));
    if (words == m_obliqueWords.constEnd())
        return false;
    for (const QList<char32_t>& word : *words) {
        const qsizetype at = word.indexOf(line[index]);
        const qsizetype start = index - at;
        if (start >= 0 && start + word.size() <= line.size() &&
            std::equal(word.begin(), word.end(), line.begin() + start))
            return true;
    }
    return false;
}

} // namespace metre
