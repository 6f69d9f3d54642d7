#include "Aliases.h"

#include "platform/Error.h"
#include "platform/Resources.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace store {
namespace {

[[noreturn]] void fail(const QString& file, const QString& what) {
    throw platform::Error(platform::ErrorCode::ResourceMissing, file, what);
}

QString text(const QJsonObject& entry, const char* key) {
    return entry.value(QLatin1String(key)).toString().trimmed();
}

} // namespace

std::vector<Alias> parseAliases(const QByteArray& json, const QString& file) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        fail(file, error.errorString());
    if (!document.isArray())
        fail(file, QStringLiteral("expected an array of aliases"));
    std::vector<Alias> aliases;
    const QJsonArray entries = document.array();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QJsonObject entry = entries[i].toObject();
        Alias alias{text(entry, "alias"), text(entry, "target"), text(entry, "dynasty"),
                    text(entry, "note")};
        if (alias.name.isEmpty() || alias.target.isEmpty() || alias.note.isEmpty())
            fail(file, QStringLiteral("entry %1 needs an alias, a target and a note").arg(i + 1));
        aliases.push_back(std::move(alias));
    }
    return aliases;
}

const std::vector<Alias>& shippedAliases() {
    static const std::vector<Alias> aliases = parseAliases(
        platform::resources::load(QStringLiteral("aliases.json")), QStringLiteral("aliases.json"));
    return aliases;
}

} // namespace store
