#include "ContentReader.h"

#include "store/Categories.h"
#include "store/ContentStore.h"
#include "store/Queries.h"

#include <QHash>

#include <array>

namespace find {
namespace {

namespace q = store::queries;

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
    void dynastyTable(const QString& sql, const QString& prefix, const QString& number);

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
        texts.insert(text(pieces, QStringLiteral("ID")), {text(pieces, QStringLiteral("NeiRong")),
                                                          text(pieces, QStringLiteral("ZhuShi")),
                                                          text(pieces, QStringLiteral("JianXi"))});
    }
    platform::Recordset authors = m_db.OpenRecordset(q::authorsOf(category.table));
    for (int j = 0; !authors.EndOfFile(); authors.MoveNext(), ++j) {
        const QString author = text(authors, QStringLiteral("zuozhe"));
        const QString authorKey = QStringLiteral("R%1.%2").arg(i).arg(j);
        if (!m_poetKeys.contains(author))
            m_poetKeys.insert(author, authorKey);
        platform::Recordset titles = m_db.OpenRecordset(q::titlesOf(category.table, author));
        for (int k = 0; !titles.EndOfFile(); titles.MoveNext(), ++k) {
            const int entry = add(kind, authorKey + QStringLiteral(".%1").arg(k),
                                  text(titles, QStringLiteral("TiMu")), author);
            field(entry, Role::Title, m_corpus.entries.back().title);
            const auto found = texts.constFind(text(titles, QStringLiteral("ID")));
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
        const QString name = text(rows, QStringLiteral("Name"));
        // A poet with no piece has no node to open.
        if (!m_poetKeys.contains(name))
            continue;
        const int entry = add(Kind::Poet, m_poetKeys.value(name), name);
        field(entry, Role::Poet, name);
        field(entry, Role::Commentary, text(rows, QStringLiteral("JianJie")));
    }
}

void Reader::idioms() {
    platform::Recordset letters = m_db.OpenRecordset(q::initials());
    for (; !letters.EndOfFile(); letters.MoveNext()) {
        platform::Recordset rows =
            m_db.OpenRecordset(q::idiomsUnder(text(letters, QStringLiteral("yinxu"))));
        for (; !rows.EndOfFile(); rows.MoveNext()) {
            const QString idiom = text(rows, QStringLiteral("chengyu"));
            const int entry = add(Kind::Idiom, u'C' + text(rows, QStringLiteral("Id")), idiom);
            field(entry, Role::Idiom, idiom);
            field(entry, Role::Commentary, text(rows, QStringLiteral("gushi")));
        }
    }
}

void Reader::dynastyTable(const QString& sql, const QString& prefix, const QString& number) {
    platform::Recordset rows = m_db.OpenRecordset(sql);
    for (int n = 1; !rows.EndOfFile(); rows.MoveNext(), ++n) {
        const QString name = text(rows, QStringLiteral("名称"));
        // Reigns have no number of their own; the tree counts them from 1.
        const QString key = prefix + (number.isEmpty() ? QString::number(n) : text(rows, number));
        m_dynastyKeys.insert(name, key);
        const int entry = add(Kind::Dynasty, key, name);
        field(entry, Role::Dynasty, name);
        field(entry, Role::Commentary, text(rows, QStringLiteral("说明")));
    }
}

void Reader::dynasties() {
    dynastyTable(q::dynasties(), QStringLiteral("J"), QStringLiteral("ID"));
    dynastyTable(q::subDynasties(), QStringLiteral("Y"), QStringLiteral("ID1"));
    dynastyTable(q::reigns(), QStringLiteral("B"), {});
}

void Reader::eras() {
    platform::Recordset rows = m_db.OpenRecordset(q::allEraRows());
    for (; !rows.EndOfFile(); rows.MoveNext()) {
        const QString dynasty = text(rows, QStringLiteral("朝代"));
        const QString ruler = text(rows, QStringLiteral("帝王"));
        const QString names = text(rows, QStringLiteral("年号"));
        const int entry = add(Kind::Era, m_dynastyKeys.value(dynasty), dynasty, ruler);
        field(entry, Role::RulerOrEra, ruler);
        for (QString name : names.split(QStringLiteral("<p>"))) {
            name = name.section(u'(', 0, 0).trimmed();
            field(entry, Role::RulerOrEra, name);
        }
        m_corpus.eraRows.push_back(
            {entry, dynasty, ruler, names, text(rows, QStringLiteral("年份"))});
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
