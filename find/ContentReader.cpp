#include "ContentReader.h"

#include "store/Categories.h"
#include "store/ContentNames.h"
#include "store/ContentStore.h"
#include "store/EraColumn.h"
#include "store/NodeKeys.h"
#include "store/NodeWalk.h"
#include "store/Queries.h"

#include <QHash>

#include <array>

namespace find {
namespace {

namespace q = store::queries;
namespace col = store::columns;
namespace keys = store::nodeKeys;

class Reader final {
  public:
    Reader(store::ContentStore& content, Corpus& corpus)
        : m_db(content.database()), m_corpus(corpus) {}

    void verse();
    void poets();
    void idioms();
    void dynasties();
    void eras();

  private:
    int add(Kind kind, const QString& key, const QString& title, const QString& poet = {}) {
        m_corpus.entries.push_back({kind, key, title, poet});
        return int(m_corpus.entries.size()) - 1;
    }
    void field(int entry, Role role, const QString& text) {
        if (!text.isEmpty())
            m_corpus.fields.push_back({entry, role, text, {}});
    }
    QString text(const platform::Recordset& rows, const QString& column) const {
        return rows.Fields(column).toString();
    }
    void readTexts(int category);
    void piece(Kind kind, const QString& author, const QString& key,
               const platform::Recordset& title);
    void dynasty(const QString& key, const platform::Recordset& row);
    void dynastyTable(const QString& sql, QString (*keyOf)(const platform::Recordset&));

    platform::Database& m_db;
    Corpus& m_corpus;
    QHash<QString, QString> m_poetKeys;    // a poet's first node in the tree
    QHash<QString, QString> m_dynastyKeys; // a dynasty's node, by name
    QHash<QString, std::array<QString, 3>> m_texts; // a category's texts by ID
};

void Reader::readTexts(int i) {
    // The texts by ID, read once: the titles come in the tree's order.
    m_texts.clear();
    platform::Recordset pieces =
        m_db.OpenRecordset(q::category(store::categories()[size_t(i)].table));
    for (; !pieces.EndOfFile(); pieces.MoveNext()) {
        m_texts.insert(text(pieces, col::ID), {text(pieces, col::NeiRong),
                                               text(pieces, col::ZhuShi), text(pieces, col::JianXi)});
    }
}

void Reader::piece(Kind kind, const QString& author, const QString& key,
                   const platform::Recordset& title) {
    const int entry = add(kind, key, text(title, col::TiMu), author);
    field(entry, Role::Title, m_corpus.entries.back().title);
    const auto found = m_texts.constFind(text(title, col::ID));
    if (found == m_texts.constEnd())
        return;
    field(entry, Role::Lines, (*found)[0]);
    field(entry, Role::Commentary, (*found)[1]);
    field(entry, Role::Commentary, (*found)[2]);
}

void Reader::verse() {
    Kind kind = Kind::Shi;
    QString author;
    store::nodeWalk::VerseSteps steps;
    steps.category = [&](int i) {
        kind = i == 0 ? Kind::Shi : i == 1 ? Kind::Ci : Kind::Qu;
        readTexts(i);
    };
    steps.author = [&](int, const QString& key, const QString& name) {
        author = name;
        if (!m_poetKeys.contains(name))
            m_poetKeys.insert(name, key);
    };
    steps.piece = [&](const QString&, const QString& key, platform::Recordset& title) {
        piece(kind, author, key, title);
    };
    store::nodeWalk::verse(m_db, steps);
}

void Reader::poets() {
    platform::Recordset rows = m_db.OpenRecordset(q::authors());
    for (; !rows.EndOfFile(); rows.MoveNext()) {
        const QString name = text(rows, col::Name);
        // A poet with no piece has no node to open.
        if (!m_poetKeys.contains(name))
            continue;
        const int entry = add(Kind::Poet, m_poetKeys.value(name), name);
        field(entry, Role::Poet, name);
        field(entry, Role::Commentary, text(rows, col::JianJie));
    }
}

void Reader::idioms() {
    platform::Recordset letters = m_db.OpenRecordset(q::initials());
    for (; !letters.EndOfFile(); letters.MoveNext()) {
        platform::Recordset rows = m_db.OpenRecordset(q::idiomsUnder(text(letters, col::yinxu)));
        for (; !rows.EndOfFile(); rows.MoveNext()) {
            const QString idiom = text(rows, col::chengyu);
            const int entry = add(Kind::Idiom, keys::idiom(text(rows, col::Id)), idiom);
            field(entry, Role::Idiom, idiom);
            field(entry, Role::Commentary, text(rows, col::gushi));
        }
    }
}

void Reader::dynasty(const QString& key, const platform::Recordset& row) {
    const QString name = text(row, col::MingCheng);
    m_dynastyKeys.insert(name, key);
    const int entry = add(Kind::Dynasty, key, name);
    field(entry, Role::Dynasty, name);
    field(entry, Role::Commentary, text(row, col::ShuoMing));
}

void Reader::dynastyTable(const QString& sql, QString (*keyOf)(const platform::Recordset&)) {
    for (platform::Recordset rows = m_db.OpenRecordset(sql); !rows.EndOfFile(); rows.MoveNext())
        dynasty(keyOf(rows), rows);
}

void Reader::dynasties() {
    dynastyTable(q::dynasties(), [](const platform::Recordset& row) {
        return keys::dynasty(row.Fields(col::ID).toString());
    });
    dynastyTable(q::subDynasties(), [](const platform::Recordset& row) {
        return keys::subDynasty(row.Fields(col::ID1).toString());
    });
    store::nodeWalk::reigns(
        m_db, [this](const QString& key, platform::Recordset& row) { dynasty(key, row); });
}

void Reader::eras() {
    platform::Recordset rows = m_db.OpenRecordset(q::allEraRows());
    for (; !rows.EndOfFile(); rows.MoveNext()) {
        const QString dynasty = text(rows, col::ChaoDai);
        const QString ruler = text(rows, col::DiWang);
        const QString names = text(rows, col::NianHao);
        const int entry = add(Kind::Era, m_dynastyKeys.value(dynasty), dynasty, ruler);
        field(entry, Role::RulerOrEra, ruler);
        for (const QString& name : store::eraEntries(names))
            field(entry, Role::RulerOrEra, store::parseEraName(name).name);
        m_corpus.eraRows.push_back({entry, dynasty, ruler, names, text(rows, col::NianFen)});
    }
}

} // namespace

Corpus readCorpus(store::ContentStore& content) {
    Corpus corpus;
    Reader reader(content, corpus);
    reader.verse();
    reader.poets();
    reader.idioms();
    reader.dynasties();
    reader.eras();
    return corpus;
}

} // namespace find
