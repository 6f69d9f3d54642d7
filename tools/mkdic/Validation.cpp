#include "Validation.h"

#include "EraOrder.h"

#include "platform/Cp936.h"
#include "store/Categories.h"
#include "store/ContentNames.h"

#include <QRegularExpression>

#include <map>
#include <set>

namespace dic {
namespace {

namespace tbl = store::tables;
namespace col = store::columns;

class Checker {
  public:
    explicit Checker(const Content& content) : m_content(content) {}

    QStringList run() {
        for (const auto& [name, rows] : m_content)
            checkCells(rows);
        for (const store::Category& category : store::categories())
            checkUnique(category.table, col::ID);
        checkUnique(tbl::ZuoZhe, col::ID);
        checkUnique(tbl::ZuoZhe, col::Name);
        checkUnique(tbl::chengyugushi, col::Id);
        checkUnique(tbl::ChaoDai, col::ID);
        checkUnique(tbl::ChaoDai1, col::ID1);
        checkAuthors();
        checkInitials();
        checkDynastyNames();
        checkParents(tbl::ChaoDai1, col::ID, tbl::ChaoDai, col::ID);
        checkParents(tbl::ChaoDai2, col::ID, tbl::ChaoDai1, col::ID1);
        checkEraDynasties();
        return m_faults;
    }

  private:
    const TableRows& rows(const QString& table) const { return m_content.at(table); }

    const platform::Value& cell(const TableRows& t, size_t row, const QString& column) const {
        return t.rows[row][size_t(t.table->columnIndex(column))];
    }

    void fault(const TableRows& t, size_t row, const QString& message) {
        m_faults << rowLabel(t.table->fileName(), row + 1) + QStringLiteral(": ") + message;
    }

    void checkCells(const TableRows& t) {
        for (size_t r = 0; r < t.rows.size(); ++r) {
            for (size_t c = 0; c < t.table->columns.size(); ++c)
                checkCell(t, r, t.table->columns[c], t.rows[r][c]);
        }
    }

    void checkCell(const TableRows& t, size_t r, const Column& column,
                   const platform::Value& value) {
        if (value.IsNull()) {
            if (!column.mayBeNull)
                fault(t, r,
                      QStringLiteral("%1 is null, but the reader uses it without a test")
                          .arg(column.name));
            return;
        }
        if (column.type == Type::Integer && (value.toNumber() < -32768 || value.toNumber() > 32767))
            fault(t, r, QStringLiteral("%1 does not fit 16 bits").arg(column.name));
        if (column.type != Type::Text && column.type != Type::Memo)
            return;
        const QString text = value.toString();
        if (!platform::cp936::canEncode(text)) {
            fault(t, r,
                  QStringLiteral("%1 holds text code page 936 cannot encode: %2")
                      .arg(column.name, unencodable(text)));
        } else if (column.type == Type::Text &&
                   platform::cp936::encode(text).size() > column.size) {
            fault(t, r,
                  QStringLiteral("%1 is longer than %2 bytes: %3")
                      .arg(column.name)
                      .arg(column.size)
                      .arg(text));
        }
    }

    static QString unencodable(const QString& text) {
        QString found;
        for (const auto& c : platform::cp936::codes(text)) {
            if (c.code < 0)
                found += text.mid(c.position, c.length);
        }
        return found;
    }

    void checkUnique(const QString& table, const QString& column) {
        const TableRows& t = rows(table);
        std::set<QString> seen;
        for (size_t r = 0; r < t.rows.size(); ++r) {
            const platform::Value& value = cell(t, r, column);
            if (!value.IsNull() && !seen.insert(value.toString()).second)
                fault(t, r, QStringLiteral("duplicate %1 %2").arg(column, value.toString()));
        }
    }

    void checkAuthors() {
        std::set<QString> names;
        const TableRows& authors = rows(tbl::ZuoZhe);
        for (size_t r = 0; r < authors.rows.size(); ++r)
            names.insert(cell(authors, r, col::Name).toString());
        for (const store::Category& category : store::categories()) {
            const TableRows& t = rows(category.table);
            for (size_t r = 0; r < t.rows.size(); ++r) {
                const QString author = cell(t, r, col::ZuoZhe).toString();
                if (!names.count(author))
                    fault(t, r, QStringLiteral("author %1 has no row in ZuoZhe.json").arg(author));
            }
        }
    }

    void checkInitials() {
        static const QRegularExpression letter(QStringLiteral("^[A-Z]$"));
        const TableRows& t = rows(tbl::chengyugushi);
        for (size_t r = 0; r < t.rows.size(); ++r) {
            const QString yinxu = cell(t, r, col::yinxu).toString();
            if (!letter.match(yinxu).hasMatch())
                fault(t, r, QStringLiteral("yinxu must be one letter A-Z, not \"%1\"").arg(yinxu));
        }
    }

    void checkDynastyNames() {
        std::map<QString, QString> firstSeen;
        for (const QString& table : {tbl::ChaoDai, tbl::ChaoDai1, tbl::ChaoDai2}) {
            const TableRows& t = rows(table);
            for (size_t r = 0; r < t.rows.size(); ++r) {
                const QString name = cell(t, r, col::MingCheng).toString();
                const QString here = rowLabel(t.table->fileName(), r + 1);
                const auto [it, added] = firstSeen.emplace(name, here);
                if (!added)
                    fault(t, r,
                          QStringLiteral("dynasty name %1 is already used (%2)")
                              .arg(name, it->second));
            }
        }
    }

    void checkParents(const QString& table, const QString& column, const QString& parentTable,
                      const QString& parentColumn) {
        std::set<qint64> parents;
        const TableRows& p = rows(parentTable);
        for (size_t r = 0; r < p.rows.size(); ++r)
            parents.insert(cell(p, r, parentColumn).toNumber());
        const TableRows& t = rows(table);
        for (size_t r = 0; r < t.rows.size(); ++r) {
            const qint64 parent = cell(t, r, column).toNumber();
            if (!parents.count(parent))
                fault(t, r,
                      QStringLiteral("parent %1 %2 does not exist in %3")
                          .arg(parentColumn)
                          .arg(parent)
                          .arg(p.table->fileName()));
        }
    }

    void checkEraDynasties() {
        std::set<QString> names;
        for (const QString& table : {tbl::ChaoDai, tbl::ChaoDai1, tbl::ChaoDai2}) {
            const TableRows& t = rows(table);
            for (size_t r = 0; r < t.rows.size(); ++r)
                names.insert(cell(t, r, col::MingCheng).toString());
        }
        const TableRows& eras = rows(tbl::JiyuanBiao);
        for (size_t r = 0; r < eras.rows.size(); ++r) {
            const QString dynasty = cell(eras, r, col::ChaoDai).toString();
            if (!names.count(dynasty))
                fault(eras, r, QStringLiteral("朝代 %1 names no dynasty row").arg(dynasty));
        }
    }

    const Content& m_content;
    QStringList m_faults;
};

} // namespace

QStringList validate(const Content& content) {
    return Checker(content).run() + eraOrderFaults(content);
}

} // namespace dic
