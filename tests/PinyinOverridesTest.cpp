// The committed pinyin against its reviewed corrections: every decision in
// tools/pinyin/overrides.json must hold in resources/content/pinyin, so a
// reading changed back by hand, or data generated from stale overrides,
// fails here without the generator or npm.
#include "ContentSource.h"

#include "store/Categories.h"
#include "store/ContentNames.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kSource = QStringLiteral(QUILLORA_SOURCE_DIR);

QJsonDocument json(const QString& path) {
    QFile file(kSource + u'/' + path);
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read " << path.toStdString();
    return QJsonDocument::fromJson(file.readAll());
}

bool isHan(char32_t c) {
    return (c >= 0x3400 && c <= 0x4dbf) || (c >= 0x4e00 && c <= 0x9fff) ||
           (c >= 0xf900 && c <= 0xfaff) || (c >= 0x20000 && c <= 0x2ffff);
}

// 一 and 不 change their tone by the syllable that follows; an override
// gives the character's reading, the data the reading as spoken.
bool sameReading(const QString& expected, const QString& actual) {
    static const QStringList variants[] = {{u"bù"_s, u"bú"_s}, {u"yì"_s, u"yí"_s}};
    for (const QStringList& pair : variants) {
        if (pair.contains(expected) && pair.contains(actual))
            return true;
    }
    return expected == actual;
}

struct Override {
    std::u32string phrase;
    QStringList reading;
    QString table;
    qint64 id = 0;
    qsizetype order = 0;
};

std::vector<Override> verseOverrides() {
    std::vector<Override> all;
    const QJsonArray list = json(u"tools/pinyin/overrides.json"_s)[u"verse"_s].toArray();
    for (const QJsonValue& value : list) {
        const QJsonObject o = value.toObject();
        all.push_back({o[u"phrase"_s].toString().toStdU32String(),
                       o[u"reading"_s].toString().split(u' '), o[u"table"_s].toString(),
                       qint64(o[u"ID"_s].toDouble()), qsizetype(all.size())});
    }
    // As they apply: everywhere before one piece, shorter before longer.
    std::stable_sort(all.begin(), all.end(), [](const Override& a, const Override& b) {
        return std::make_tuple(!a.table.isEmpty(), a.phrase.size()) <
               std::make_tuple(!b.table.isEmpty(), b.phrase.size());
    });
    return all;
}

class OverrideCheck {
  public:
    OverrideCheck() : m_overrides(verseOverrides()), m_used(m_overrides.size(), false) {
        for (const QJsonValue& v : json(u"resources/content/pinyin/verse.json"_s).array()) {
            const QJsonObject entry = v.toObject();
            QStringList texts{entry[u"title"_s].toString()};
            for (const QJsonValue& line : entry[u"lines"_s].toArray())
                texts << line.toString();
            m_data[{entry[u"table"_s].toString(), qint64(entry[u"ID"_s].toDouble())}] = texts;
        }
    }

    QStringList run() {
        const dic::Content content = dic::loadContent(kSource + u"/resources/content"_s);
        for (const store::Category& category : store::categories()) {
            const QString& table = category.table;
            const auto found = content.find(table);
            if (found == content.end())
                continue;
            const dic::TableRows& rows = found->second;
            const auto id = size_t(rows.table->columnIndex(store::columns::ID));
            const auto title = size_t(rows.table->columnIndex(store::columns::TiMu));
            const auto text = size_t(rows.table->columnIndex(store::columns::NeiRong));
            for (const dic::Row& row : rows.rows) {
                QStringList texts{row[title].toString()};
                texts += row[text].toString().split(u"\r\n"_s);
                checkPiece(table, row[id].toNumber(), texts);
            }
        }
        for (size_t i = 0; i < m_overrides.size(); ++i) {
            if (!m_used[i])
                m_faults << QString::fromStdU32String(m_overrides[i].phrase) +
                                u": matches no text, a stale decision"_s;
        }
        return m_faults;
    }

  private:
    void checkPiece(const QString& table, qint64 id, const QStringList& texts) {
        const auto data = m_data.find({table, id});
        if (data == m_data.end())
            return;
        for (qsizetype t = 0; t < texts.size() && t < data->second.size(); ++t)
            checkText(table, id, t, texts[t], data->second[t].split(u' '));
    }

    void checkText(const QString& table, qint64 id, qsizetype t, const QString& text,
                   const QStringList& syllables) {
        static const QRegularExpression markers(u"<sup>\\(\\d+\\)</sup>|[\u2460-\u249b]"_s);
        const std::u32string bare = QString(text).remove(markers).toStdU32String();
        std::vector<int> hanIndex;
        int n = 0;
        for (char32_t c : bare)
            hanIndex.push_back(isHan(c) ? n++ : -1);
        std::map<int, std::pair<QString, size_t>> expected; // Han index -> reading, override
        for (size_t o = 0; o < m_overrides.size(); ++o) {
            const Override& rule = m_overrides[o];
            if (!rule.table.isEmpty() && (rule.table != table || rule.id != id))
                continue;
            for (size_t at = bare.find(rule.phrase); at != std::u32string::npos;
                 at = bare.find(rule.phrase, at + 1)) {
                m_used[o] = true;
                for (size_t k = 0; k < rule.phrase.size(); ++k) {
                    if (rule.reading.value(qsizetype(k)) != u"_"_s)
                        expected[hanIndex[at + k]] = {rule.reading.value(qsizetype(k)), o};
                }
            }
        }
        for (const auto& [index, reading] : expected) {
            const QString actual = syllables.value(index);
            if (!sameReading(reading.first, actual))
                m_faults << u"%1 in %2 ID %3 %4: %5 decided, %6 in the data"_s
                                .arg(QString::fromStdU32String(m_overrides[reading.second].phrase),
                                     table)
                                .arg(id)
                                .arg(t == 0 ? u"title"_s : u"line %1"_s.arg(t), reading.first,
                                     actual);
        }
    }

    std::vector<Override> m_overrides;
    std::vector<bool> m_used;
    std::map<std::pair<QString, qint64>, QStringList> m_data;
    QStringList m_faults;
};

} // namespace

TEST(PinyinOverrides, EveryVerseDecisionHoldsInTheCommittedData) {
    const QStringList faults = OverrideCheck().run();
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults, the first:\n"
                                  << faults.mid(0, 10).join(u'\n').toStdString();
}

TEST(PinyinOverrides, EveryNameDecisionHoldsInTheCommittedData) {
    const QJsonObject names = json(u"resources/content/pinyin/names.json"_s).object();
    const QJsonArray decided = json(u"tools/pinyin/overrides.json"_s)[u"names"_s].toArray();
    ASSERT_FALSE(decided.isEmpty());
    for (const QJsonValue& value : decided) {
        const QJsonObject o = value.toObject();
        const auto text = [](const QJsonValue& v) {
            return QString::fromUtf8(QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact));
        };
        EXPECT_EQ(text(names[o[u"name"_s].toString()]), text(o[u"readings"_s]))
            << o[u"name"_s].toString().toStdString();
    }
}
