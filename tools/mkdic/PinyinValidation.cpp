#include "PinyinValidation.h"

#include "NoteReadingCheck.h"
#include "PinyinSyllable.h"

#include "platform/HanCharacter.h"
#include "store/Categories.h"
#include "store/ContentNames.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>
#include <utility>

namespace dic {
namespace {

QList<char32_t> hanCharacters(const QString& text) {
    QList<char32_t> han;
    for (char32_t code : text.toUcs4()) {
        if (platform::isHanCharacter(code))
            han << code;
    }
    return han;
}

// The fault of one syllable on its character, or an empty string.
QString syllableFault(const QString& syllable, char32_t character) {
    if (isTonedSyllable(syllable))
        return {};
    if (isNeutralSyllable(syllable)) {
        if (isParticle(character))
            return {};
        return QStringLiteral("\"%1\" on %2 has no tone mark; only particles take the neutral tone")
            .arg(syllable, QString::fromUcs4(&character, 1));
    }
    return QStringLiteral("\"%1\" is not Hanyu Pinyin with its tone mark").arg(syllable);
}

// The faults of one run of text against its space-separated syllables.
void checkText(QStringList& faults, const QString& where, const QString& text,
               const QString& readings) {
    const QStringList syllables = readings.split(u' ', Qt::SkipEmptyParts);
    const QList<char32_t> han = hanCharacters(text);
    if (syllables.size() != han.size())
        faults << QStringLiteral("%1: %2 syllables for %3 Han characters")
                      .arg(where)
                      .arg(syllables.size())
                      .arg(han.size());
    for (qsizetype i = 0; i < syllables.size(); ++i) {
        const QString fault = syllableFault(syllables[i], i < han.size() ? han[i] : U'?');
        if (!fault.isEmpty())
            faults << where + QStringLiteral(": ") + fault;
    }
}

QJsonDocument parsed(QStringList& faults, const QByteArray& json, const QString& file) {
    QJsonParseError error{};
    QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        faults << QStringLiteral("%1: not valid JSON at offset %2: %3")
                      .arg(file)
                      .arg(error.offset)
                      .arg(error.errorString());
    return document;
}

using PieceKey = std::pair<QString, qint64>;

PieceText pieceText(const QString& title, const QStringList& lines, const QJsonObject& entry,
                    const QString& notes) {
    PieceText piece{QStringList{title} + lines, {}, notes.split(QStringLiteral("\r\n"))};
    piece.syllables.push_back(entry.value(QLatin1String("title")).toString().split(u' '));
    for (const QJsonValue& line : entry.value(QLatin1String("lines")).toArray())
        piece.syllables.push_back(line.toString().split(u' ', Qt::SkipEmptyParts));
    return piece;
}

class VerseChecker {
  public:
    VerseChecker(const Content& content, const QString& file) : m_content(content), m_file(file) {}

    QStringList run(const QJsonArray& entries) {
        for (const QJsonValue& value : entries) {
            const QJsonObject entry = value.toObject();
            const PieceKey key{entry.value(QLatin1String("table")).toString(),
                               qint64(entry.value(QLatin1String("ID")).toDouble())};
            if (!m_entries.emplace(key, entry).second)
                m_faults << label(key) + QStringLiteral(": a second entry");
        }
        for (const store::Category& category : store::categories())
            checkTable(category.table);
        for (const auto& [key, entry] : m_entries)
            m_faults << label(key) + QStringLiteral(": readings for a piece that does not exist");
        return m_faults;
    }

  private:
    QString label(const PieceKey& key, const QString& title = {}) const {
        QString text = QStringLiteral("%1: %2 ID %3").arg(m_file, key.first).arg(key.second);
        return title.isEmpty() ? text : text + QStringLiteral(" (") + title + u')';
    }

    void checkTable(const QString& table) {
        const auto found = m_content.find(table);
        if (found == m_content.end())
            return;
        const TableRows& rows = found->second;
        const auto id = size_t(rows.table->columnIndex(store::columns::ID));
        const auto title = size_t(rows.table->columnIndex(store::columns::TiMu));
        const auto text = size_t(rows.table->columnIndex(store::columns::NeiRong));
        const auto notes = size_t(rows.table->columnIndex(store::columns::ZhuShi));
        for (const Row& row : rows.rows)
            checkPiece({table, row[id].toNumber()}, row[title].toString(), row[text].toString(),
                       row[notes].toString());
    }

    void checkPiece(const PieceKey& key, const QString& title, const QString& text,
                    const QString& notes) {
        const QString where = label(key, title);
        const auto entry = m_entries.find(key);
        if (entry == m_entries.end()) {
            m_faults << where + QStringLiteral(": no readings");
            return;
        }
        checkText(m_faults, where + QStringLiteral(", title"), title,
                  entry->second.value(QLatin1String("title")).toString());
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        const QJsonArray readings = entry->second.value(QLatin1String("lines")).toArray();
        if (readings.size() != lines.size())
            m_faults << QStringLiteral("%1: %2 lines of readings for %3 lines of text")
                            .arg(where)
                            .arg(readings.size())
                            .arg(lines.size());
        for (qsizetype i = 0; i < std::min(lines.size(), readings.size()); ++i)
            checkText(m_faults, where + QStringLiteral(", line %1").arg(i + 1), lines[i],
                      readings[i].toString());
        if (readings.size() == lines.size() && !notes.isEmpty())
            m_faults << checkNoteReadings(where, pieceText(title, lines, entry->second, notes));
        m_entries.erase(entry);
    }

    const Content& m_content;
    QString m_file;
    std::map<PieceKey, QJsonObject> m_entries;
    QStringList m_faults;
};

} // namespace

QStringList validateVerseReadings(const Content& content, const QByteArray& verseJson,
                                  const QString& file) {
    QStringList faults;
    const QJsonDocument document = parsed(faults, verseJson, file);
    if (!faults.isEmpty())
        return faults;
    return VerseChecker(content, file).run(document.array());
}

QStringList validateNameReadings(const QByteArray& namesJson, const QString& file) {
    QStringList faults;
    const QJsonObject names = parsed(faults, namesJson, file).object();
    for (auto it = names.begin(); it != names.end(); ++it) {
        const QJsonArray readings = it.value().toArray();
        if (readings.isEmpty())
            faults << QStringLiteral("%1: %2: no readings").arg(file, it.key());
        for (const QJsonValue& reading : readings)
            checkText(faults, file + QStringLiteral(": ") + it.key(), it.key(), reading.toString());
    }
    return faults;
}

QStringList validateReadings(const Content& content, const QString& directory) {
    const auto read = [&directory](const QString& name) { return readSource(directory, name); };
    const QString verse = QStringLiteral("pinyin/verse.json");
    const QString names = QStringLiteral("pinyin/names.json");
    return validateVerseReadings(content, read(verse), verse) +
           validateNameReadings(read(names), names);
}

} // namespace dic
