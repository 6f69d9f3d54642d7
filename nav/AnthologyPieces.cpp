#include "AnthologyPieces.h"

#include "pages/NoteMarks.h"
#include "platform/Recordset.h"
#include "store/Categories.h"
#include "store/ContentNames.h"
#include "store/ContentStore.h"
#include "store/NodeWalk.h"
#include "store/Queries.h"

#include <QHash>
#include <QRegularExpression>

namespace nav {
namespace {

namespace col = store::columns;

// Code page 936's annotation marks (⑴ and its kin) point into the notes;
// from the twenty-first on, a note's number is written raised: <sup>(27)</sup>.
QString withoutMarkers(QString text) {
    static const QRegularExpression raised(QStringLiteral("<sup>[^<]*</sup>"));
    text.remove(raised);
    return pages::withoutNoteMarks(text);
}

// A category's texts by ID, read once: the walk gives the titles in the
// tree's order, each with its ID.
QHash<QString, QString> textsOf(store::ContentStore& content, int category) {
    QHash<QString, QString> texts;
    platform::Recordset rows = content.database().OpenRecordset(
        store::queries::category(store::categories()[size_t(category)].table));
    for (; !rows.EndOfFile(); rows.MoveNext())
        texts.insert(rows.Fields(col::ID).toString(), rows.Fields(col::NeiRong).toString());
    return texts;
}

} // namespace

QStringList anthologyLines(const QString& text) {
    QStringList lines = withoutMarkers(text).split(u'\n');
    for (QString& line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines;
}

std::vector<AnthologyPiece> anthologyPieces(store::ContentStore& content) {
    std::vector<AnthologyPiece> pieces;
    QHash<QString, QString> texts;
    QString poet;
    store::nodeWalk::VerseSteps steps;
    steps.category = [&](int category) { texts = textsOf(content, category); };
    steps.author = [&](int, const QString&, const QString& name) { poet = name; };
    steps.piece = [&](const QString&, const QString& key, platform::Recordset& title) {
        pieces.push_back({key, title.Fields(col::TiMu).toString(), poet,
                          anthologyLines(texts.value(title.Fields(col::ID).toString()))});
    };
    store::nodeWalk::verse(content.database(), steps);
    return pieces;
}

} // namespace nav
