#include "LibraryPages.h"

#include "RubyText.h"
#include "SourceText.h"
#include "SyllableWidth.h"

namespace pages {
namespace {

QString quoted(const QString& name) {
    return u'《' + name + u'》';
}

QString countText(const CountRow& row) {
    return quoted(row.what) + QStringLiteral("　") + QString::number(row.count) +
           QStringLiteral(" 篇<br>");
}

void heading(PageFile& page, const QString& bullet, const QString& text) {
    headingLine(page, bullet, boldTail(text));
}

// The lines under a heading: a paragraph, then one line each.
void block(PageFile& page, const QStringList& lines, QList<int>* sourceLines = nullptr) {
    page.line(paragraphLine() + fontLine());
    for (const QString& line : lines) {
        if (sourceLines)
            *sourceLines << int(page.lines().size());
        page.line(line + QStringLiteral("<br>"));
    }
}

QString runsHtml(const std::vector<EditionRun>& runs) {
    QString html;
    for (const EditionRun& run : runs) {
        if (run.differs)
            html += QStringLiteral(R"(<span style="color: #c00000; font-weight: bold">)") +
                    sourceHtml(run.text) + QStringLiteral("</span>");
        else
            html += sourceHtml(run.text);
    }
    return html;
}

QString placeName(const OtherEdition& edition) {
    return edition.anthology ? kAnthologyName : quoted(sourceHtml(edition.where));
}

// Each other edition as a table: this page's text on the left, the other's
// on the right, a line of each per row, the differing characters marked.
void editionTables(PageFile& page, const QString& mineName,
                   const std::vector<OtherEdition>& editions, QList<int>* sourceLines) {
    for (const OtherEdition& edition : editions) {
        page.line(paragraphLine() + fontLine());
        page.line(QStringLiteral(R"(<table border="0" cellpadding="2">)"));
        page.line(QStringLiteral("<tr><td><b>") + mineName + QStringLiteral("</b></td><td><b>") +
                  placeName(edition) + QStringLiteral("</b></td></tr>"));
        for (const EditionLine& line : edition.lines) {
            if (sourceLines)
                *sourceLines << int(page.lines().size());
            page.line(QStringLiteral("<tr><td>") + runsHtml(line.mine) +
                      QStringLiteral("</td><td>") + runsHtml(line.theirs) +
                      QStringLiteral("</td></tr>"));
        }
        page.line(QStringLiteral("</table>"));
    }
}

// The piece's lines as the page writes them: with their pinyin when given,
// all in one cell width so that the columns line up.
// The source's lines (notes, the paragraphs of a biography), one a line as
// the source breaks them: split before sourceHtml, which joins them.
QStringList sourceParagraphs(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(u'\n'))
        lines << sourceHtml(line);
    return lines;
}

QString sourceLine(const LibraryPiece& piece) {
    QString line = QStringLiteral("收于") + quoted(sourceHtml(piece.collection));
    if (!piece.section.isEmpty())
        line += sourceHtml(piece.section);
    line += QStringLiteral("。");
    if (!piece.alsoIn.isEmpty() || piece.inAnthology) {
        line += QStringLiteral("又见");
        if (piece.inAnthology)
            line += kAnthologyName + (piece.alsoIn.isEmpty() ? QString() : QStringLiteral("及"));
        for (const QString& other : piece.alsoIn)
            line += quoted(sourceHtml(other));
        line += QStringLiteral("。");
    }
    return line;
}

// The lines of the text; with the metre view, each character in a cell
// with its mark under it, the cells of a line in a box of their own.
QStringList textLines(const LibraryPiece& piece) {
    const std::vector<QStringList> readings =
        piece.pinyin ? piece.pinyin->lines : std::vector<QStringList>{};
    if (piece.metre) {
        const QStringList cells =
            sourceCellText(piece.lines.join(QStringLiteral("\r\n")), readings, piece.metre->marks)
                .split(QStringLiteral("\r\n"));
        if (cells.size() == piece.lines.size())
            return cells;
    }
    QStringList lines;
    if (!piece.pinyin) {
        for (const QString& line : piece.lines)
            lines << sourceHtml(line);
        return lines;
    }
    const double cell = cellEms(readings);
    for (size_t i = 0; i < size_t(piece.lines.size()); ++i)
        lines << sourceRubyLine(piece.lines[qsizetype(i)],
                                i < readings.size() ? readings[i] : QStringList(), cell);
    return lines;
}

// The verdict under the text, a line each; under it, in small print, that
// no one has read the library's analyses through, and the source of the
// rhyme groups.
void verdictLines(PageFile& page, const MetreView& metre) {
    page.line(QStringLiteral("<br>"));
    for (const QString& line : metre.verdict)
        page.line(QStringLiteral("<span class=\"mv\">") + sourceHtml(line) +
                  QStringLiteral("</span><br>"));
    page.line(
        QStringLiteral("<span class=\"mc\">格律标注由程序按平水韵推算，未经逐首审校。</span><br>"));
    if (!metre.credit.isEmpty())
        page.line(QStringLiteral("<span class=\"mc\">") + sourceHtml(metre.credit) +
                  QStringLiteral("</span><br>"));
}

} // namespace

PageFile libraryPiecePage(const QString& bullet, const LibraryPiece& piece,
                          QList<int>* sourceLines) {
    const QString title = sourceHtml(piece.title);
    PageFile page;
    headBlock(page, QStringLiteral("<title>") + title + QStringLiteral("</title>"));
    bodyTag(page);
    // In the body, as on the anthology's pages: the head stays the one every page shares.
    if (piece.pinyin || piece.metre)
        page.line(rubyStyleLine());
    if (piece.metre)
        page.line(metreStyleLine());
    if (sourceLines)
        *sourceLines << int(page.lines().size());
    heading(page, bullet,
            piece.pinyin ? sourceRubyHeading(piece.title, piece.pinyin->title) : title);
    QString byline = sourceHtml(piece.author);
    if (!piece.dynasty.isEmpty())
        byline = QStringLiteral("〔") + piece.dynasty + QStringLiteral("〕") + byline;
    QStringList lines;
    if (!piece.author.isEmpty())
        lines << byline;
    lines << textLines(piece);
    block(page, lines, sourceLines);
    if (piece.metre)
        verdictLines(page, *piece.metre);
    if (!piece.readingsNote.isEmpty())
        page.line(QStringLiteral(R"(<font size="1" color="#808080">)") + piece.readingsNote +
                  QStringLiteral("</font><br>"));
    if (!piece.notes.isEmpty()) {
        heading(page, bullet, QStringLiteral("注解"));
        block(page, sourceParagraphs(piece.notes), sourceLines);
    }
    heading(page, bullet, QStringLiteral("出处"));
    block(page, {sourceLine(piece)});
    if (!piece.editions.empty()) {
        heading(page, bullet, QStringLiteral("其他版本"));
        editionTables(page, quoted(sourceHtml(piece.collection)), piece.editions, sourceLines);
    }
    page.line(QStringLiteral("</font>"));
    closingLines(page);
    return page;
}

PageFile libraryAuthorPage(const QString& bullet, const LibraryAuthor& author,
                           QList<int>* sourceLines) {
    const QString name = sourceHtml(author.name);
    PageFile page;
    headBlock(page, QStringLiteral("<title>") + name + QStringLiteral("</title>"));
    bodyTag(page);
    heading(page, bullet,
            author.dynasty.isEmpty()
                ? name
                : name + QStringLiteral("〔") + author.dynasty + QStringLiteral("〕"));
    if (!author.biography.isEmpty()) {
        heading(page, bullet, QStringLiteral("小传"));
        block(page, sourceParagraphs(author.biography), sourceLines);
        page.line(QStringLiteral(R"(<font size="2" color="#808080">——录自)") +
                  author.biographySource + QStringLiteral("</font><br>"));
    }
    heading(page, bullet, QStringLiteral("作品"));
    QStringList counts;
    for (const CountRow& row : author.pieces)
        counts << countText(row);
    page.line(paragraphLine() + fontLine());
    for (const QString& line : counts)
        page.line(line);
    page.line(QStringLiteral("</font>"));
    closingLines(page);
    return page;
}

PageFile libraryShelfPage(const QString& bullet, const LibraryShelf& shelf) {
    PageFile page;
    headBlock(page, QStringLiteral("<title>") + shelf.title + QStringLiteral("</title>"));
    bodyTag(page);
    heading(page, bullet, shelf.title);
    textBlock(page, shelf.introduction);
    if (!shelf.counts.isEmpty() || !shelf.summary.isEmpty()) {
        heading(page, bullet, QStringLiteral("收录"));
        page.line(paragraphLine() + fontLine());
        if (!shelf.summary.isEmpty())
            page.line(shelf.summary + QStringLiteral("<br>"));
        for (const CountRow& row : shelf.counts)
            page.line(countText(row));
    }
    page.line(QStringLiteral("</font>"));
    closingLines(page);
    return page;
}

PageFile anthologyEditionsPage(const QString& bullet, const AnthologyEditions& editions) {
    const QString title = sourceHtml(editions.title);
    PageFile page;
    headBlock(page, QStringLiteral("<title>") + title + QStringLiteral("</title>"));
    bodyTag(page);
    heading(page, bullet, title);
    block(page, {sourceHtml(editions.poet)});
    heading(page, bullet, QStringLiteral("其他版本"));
    editionTables(page, kAnthologyName, editions.differing, nullptr);
    if (!editions.alike.isEmpty()) {
        QString line;
        for (const QString& where : editions.alike)
            line += quoted(sourceHtml(where));
        block(page, {line + QStringLiteral("与") + kAnthologyName +
                     QStringLiteral("文字相同，只是繁简或异体字不同。")});
    }
    page.line(QStringLiteral("</font>"));
    closingLines(page);
    return page;
}

void saveKeeping(const Target& target, const PageFile& page, const QList<int>& keptLines) {
    if (!target.display || keptLines.isEmpty())
        return save(target, page);
    PageFile shown;
    const QStringList& lines = page.lines();
    for (int i = 0; i < int(lines.size()); ++i)
        shown.line(keptLines.contains(i) ? lines[i] : target.display(lines[i]));
    shown.save(target.page);
}

} // namespace pages
