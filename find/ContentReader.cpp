#include "ContentReader.h"

#include "EraColumn.h"

#include "store/Categories.h"
#include "store/ContentNames.h"
#include "store/ContentStore.h"
#include "store/NodeKeys.h"
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
            m_corpus.fields.push_back({entry, role, text});
    }
    QString text(const platform::Recordset& rows, const QString& column) const {
        return rows.Fields(column).toString();
    }
    void category(int i);
    void dynastyTable(const QString& sql, QString (*keyOf)(const platform::Recordset&, int));

    platform::Database& m_db;
    Corpus& m_corpus;
    QHash<QString, QString> m_poetKeys;    // a poet's first node in the tree
    QHash<QString, QString> m_dynastyKeys; // a dynasty's node, by name
};

void Reader::category(int i) {
    const store::Category& category = store::categories()[size_t(i)];
    const Kind kind = i == 0 ? Kind::Shi : i == 1 ? Kind::Ci : Kind::Qu;
    // The texts by ID, read once: the titles below come in the tree's order.
    QHash<QString, std::array<QString, 3>> texts;
    platform::Recordset pieces = m_db.OpenRecordset(q::category(category.table));
    for (; !pieces.EndOfFile(); pieces.MoveNext()) {
        texts.insert(text(pieces, col::ID), {text(pieces, col::NeiRong), text(pieces, col::ZhuShi),
                                             text(pieces, col::JianXi)});
    }
    platform::Recordset authors = m_db.OpenRecordset(q::authorsOf(category.table));
    for (int j = 0; !authors.EndOfFile(); authors.MoveNext(), ++j) {
        const QString author = text(authors, col::ZuoZhe);
        const QString authorKey = keys::author(i, j);
        if (!m_poetKeys.contains(author))
            m_poetKeys.insert(author, authorKey);
        platform::Recordset titles = m_db.OpenRecordset(q::titlesOf(category.table, author));
        for (int k = 0; !titles.EndOfFile(); titles.MoveNext(), ++k) {
            const int entry = add(kind, keys::title(authorKey, k), text(titles, col::TiMu), author);
            field(entry, Role::Title, m_corpus.entries.back().title);
            const auto found = texts.constFind(text(titles, col::ID));
            if (found == texts.constEnd())
                continue;
            field(entry, Role::Lines, (*found)[0]);
            field(entry, Role::Commentary, (*found)[1]);
            field(entry, Role::Commentary, (*found)[2]);
        }
    }
}

void Reader::verse() {
    for (int i = 0; i < store::kCategoryCount; ++i)
        category(i);
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

void Reader::dynastyTable(const QString& sql, QString (*keyOf)(const platform::Recordset&, int)) {
    platform::Recordset rows = m_db.OpenRecordset(sql);
    for (int n = 1; !rows.EndOfFile(); rows.MoveNext(), ++n) {
        const QString name = text(rows, col::MingCheng);
        const QString key = keyOf(rows, n);
        m_dynastyKeys.insert(name, key);
        const int entry = add(Kind::Dynasty, key, name);
        field(entry, Role::Dynasty, name);
        field(entry, Role::Commentary, text(rows, col::ShuoMing));
    }
}

void Reader::dynasties() {
    dynastyTable(q::dynasties(), [](const platform::Recordset& row, int) {
        return keys::dynasty(row.Fields(col::ID).toString());
    });
    dynastyTable(q::subDynasties(), [](const platform::Recordset& row, int) {
        return keys::subDynasty(row.Fields(col::ID1).toString());
    });
    dynastyTable(q::reigns(),
                 [](const platform::Recordset&, int count) { return keys::reign(count); });
}

void Reader::eras() {
    platform::Recordset rows = m_db.OpenRecordset(q::allEraRows());
    for (; !rows.EndOfFile(); rows.MoveNext()) {
        const QString dynasty = text(rows, col::ChaoDai);
        const QString ruler = text(rows, col::DiWang);
        const QString names = text(rows, col::NianHao);
        const int entry = add(Kind::Era, m_dynastyKeys.value(dynasty), dynasty, ruler);
        field(entry, Role::RulerOrEra, ruler);
        for (const QString& name : eraEntries(names))
            field(entry, Role::RulerOrEra, parseEraName(name).name);
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
