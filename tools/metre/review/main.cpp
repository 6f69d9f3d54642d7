// Prints the metre of every poem of the anthology's Tang verse as the page
// would show it, as text for a reader to check: each line with the mark under
// every character, the notes on characters of two tones, the rhyme groups and
// the verdict.
//
//     metre-review resources/content/TangShi.json [--all]
//
// Without --all only the poems analysed as regulated verse, and those of a
// regulated shape that the analysis set aside, are printed.
#include "metre/Analysis.h"
#include "metre/RhymeTable.h"
#include "metre/Verdict.h"
#include "metre/Verses.h"
#include "nav/TraditionalText.h"
#include "store/Pinyin.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cstdio>

namespace {

QString sign(const metre::Mark& m) {
    if (!m.shown)
        return QStringLiteral("·");
    if (m.undecided)
        return QStringLiteral("◎");
    if (m.entering)
        return QStringLiteral("入");
    switch (m.tone) {
    case metre::Tone::Level:
        return QStringLiteral("○");
    case metre::Tone::Oblique:
        return QStringLiteral("●");
    case metre::Tone::Unknown:
        break;
    }
    return QStringLiteral("？");
}

// The notes of one line: characters read by their place or their syllable,
// and the rhyme group at the end.
QString notes(const QList<char32_t>& chars, const std::vector<metre::Mark>& marks, size_t first,
              const metre::RhymeTable& table) {
    QStringList out;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        const metre::Mark& m = marks[first + size_t(i)];
        const QString c = QString::fromUcs4(&chars[i], 1);
        const QString tone =
            m.tone == metre::Tone::Level ? QStringLiteral("平") : QStringLiteral("仄");
        if (m.byPosition)
            out.append(c + QStringLiteral("=位置读") + tone);
        else if (m.byReading)
            out.append(c + QStringLiteral("=音读") + tone);
        if (m.group >= 0)
            out.append(QStringLiteral("[") + table.name(m.group) + QStringLiteral("]"));
    }
    return out.join(u' ');
}

void print(QTextStream& out, const QJsonObject& piece, const store::Pinyin& pinyin,
           const metre::RhymeTable& table, bool all) {
    QStringList lines;
    for (const QJsonValue& line : piece.value(QStringLiteral("NeiRong")).toArray())
        lines.append(line.toString());
    const QString text = lines.join(QStringLiteral("\r\n"));
    const int id = piece.value(QStringLiteral("ID")).toInt();
    QStringList syllables;
    if (const store::PieceReadings* r = pinyin.piece(QStringLiteral("TangShi"), id))
        for (const QStringList& line : r->lines)
            syllables += line;
    const QString traditional = nav::traditionalText(text);
    const metre::Analysis a = metre::analyse(text, {traditional, syllables}, table);
    const bool shaped = (a.lines == 4 || a.lines == 8) && (a.length == 5 || a.length == 7);
    if (!all && !shaped)
        return;
    out << "## " << id << ' ' << piece.value(QStringLiteral("ZuoZhe")).toString() << "《"
        << piece.value(QStringLiteral("TiMu")).toString() << "》"
        << (a.regulated ? "" : " (not regulated)") << '\n';
    for (const metre::Verse& v : metre::versesOf(text, {})) {
        const QList<char32_t>& verse = v.shown;
        const size_t first = size_t(v.first);
        QString marks;
        for (size_t i = 0; i < size_t(verse.size()); ++i)
            marks += sign(a.marks[first + i]);
        out << QString::fromUcs4(verse.constData(), verse.size()) << "  " << marks << "  "
            << notes(verse, a.marks, first, table) << '\n';
    }
    for (const QString& line : metre::verdict(a, table))
        out << "  " << line << '\n';
    out << '\n';
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: metre-review TangShi.json [--all]\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "metre-review: cannot read %s\n", argv[1]);
        return 1;
    }
    const bool all = argc > 2 && QByteArray(argv[2]) == "--all";
    const QJsonArray pieces = QJsonDocument::fromJson(file.readAll()).array();
    QTextStream out(stdout);
    for (const QJsonValue& piece : pieces)
        print(out, piece.toObject(), store::Pinyin::shipped(), metre::RhymeTable::shipped(), all);
    return 0;
}
