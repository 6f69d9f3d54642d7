#include "PhraseLayer.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>

#include <algorithm>
#include <utility>

namespace platform::phraseLayer {
namespace {

QJsonObject dict(const QString& type, const QString& file) {
    return QJsonObject{{QStringLiteral("type"), type}, {QStringLiteral("file"), file}};
}

QJsonObject group(const QJsonArray& dicts) {
    return QJsonObject{{QStringLiteral("type"), QStringLiteral("group")},
                       {QStringLiteral("dicts"), dicts}};
}

} // namespace

QByteArray dictionary(const QByteArray& source) {
    QList<std::pair<QByteArray, QByteArray>> entries;
    for (const QByteArray& line : source.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        const QList<QByteArray> fields = trimmed.split('\t');
        if (fields.size() < 2 || fields[0].isEmpty() || fields[1].isEmpty())
            continue;
        entries.append({fields[0], fields[1]});
    }
    // OpenCC looks phrases up by halving, in the order of their bytes.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    // It refuses a dictionary that names a phrase twice: the first one stays.
    QByteArray result;
    const QByteArray* previous = nullptr;
    for (const auto& [phrase, traditional] : std::as_const(entries)) {
        if (previous && *previous == phrase)
            continue;
        previous = &phrase;
        result += phrase + '\t' + traditional + '\n';
    }
    return result;
}

QByteArray configuration(const QString& dictionaryFile, const QString& variantTable) {
    const QJsonObject ours = dict(QStringLiteral("text"), dictionaryFile);
    const QJsonObject phrases = dict(QStringLiteral("ocd2"), QStringLiteral("STPhrases.ocd2"));
    const QJsonObject characters =
        dict(QStringLiteral("ocd2"), QStringLiteral("STCharacters.ocd2"));
    // Ours come first in the segmentation too, so that a reviewed phrase is
    // read whole rather than cut by a longer one of OpenCC's.
    QJsonArray chain{
        QJsonObject{{QStringLiteral("dict"), group(QJsonArray{ours, phrases, characters})}}};
    if (!variantTable.isEmpty())
        chain.append(
            QJsonObject{{QStringLiteral("dict"), dict(QStringLiteral("ocd2"), variantTable)}});
    const QJsonObject config{
        {QStringLiteral("name"), QStringLiteral("Quillora reviewed Traditional")},
        {QStringLiteral("segmentation"),
         QJsonObject{{QStringLiteral("type"), QStringLiteral("mmseg")},
                     {QStringLiteral("dict"), group(QJsonArray{ours, phrases})}}},
        {QStringLiteral("conversion_chain"), chain}};
    return QJsonDocument(config).toJson(QJsonDocument::Compact);
}

QByteArray shippedSource() {
    QFile file(QStringLiteral(":/quillora/traditional/phrases.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace platform::phraseLayer
