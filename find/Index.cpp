#include "Index.h"

#include "Normaliser.h"
#include "OneEdit.h"
#include "PinyinSource.h"

#include <algorithm>
#include <set>

namespace find {
namespace {

// Ends each field in a group's buffer; folding never lets it into a query.
constexpr char16_t kFieldEnd = u'\x02';

// A typed line of verse is at least this long; shorter text is a word.
constexpr int kShortestLine = 4;

Coverage coverage(int begin, int end, int length) {
    if (begin > 0)
        return Coverage::Inside;
    return end == length ? Coverage::Whole : Coverage::Beginning;
}

bool isSeparator(QChar c) {
    return c == QChar(kFieldEnd) || c == QChar(kLineBreak);
}

} // namespace

Index::Index(Corpus corpus, const PinyinSource& pinyin) : m_corpus(std::move(corpus)) {
    for (size_t r = 0; r < kRoles; ++r)
        m_groups[r].role = Role(r);
    for (size_t f = 0; f < m_corpus.fields.size(); ++f) {
        const Field& field = m_corpus.fields[f];
        Group& group = m_groups[size_t(field.role)];
        group.starts.push_back(int(group.buffer.size()));
        group.fields.push_back(int(f));
        const bool lines = field.role == Role::Lines;
        Folded folded = fold(field.text, false, lines);
        group.buffer += folded.text;
        group.buffer += QChar(kFieldEnd);
        if (lines) {
            group.clauseStarts.insert(group.clauseStarts.end(), folded.clauseStarts.begin(),
                                      folded.clauseStarts.end());
            group.clauseStarts.push_back(false);
        }
        if (isName(field.role)) {
            PinyinKey key(field.text, pinyin.readings(field.text, field.role));
            if (!key.empty())
                m_names.push_back({int(f), std::move(key)});
        }
    }
    for (Group& group : m_groups)
        group.starts.push_back(int(group.buffer.size()));
}

bool Index::isWholeClause(const Group& group, qsizetype at, int length) const {
    if (group.clauseStarts.empty() || !group.clauseStarts[size_t(at)])
        return false;
    const size_t end = size_t(at) + size_t(length);
    return isSeparator(group.buffer[qsizetype(end)]) || group.clauseStarts[end];
}

Hit Index::hitAt(const Group& group, qsizetype at, int length, size_t& slot) const {
    const auto next = std::upper_bound(group.starts.begin(), group.starts.end(), int(at));
    slot = size_t(next - group.starts.begin()) - 1;
    const int start = group.starts[slot];
    const int fieldLength = *next - start - 1;
    const int begin = int(at) - start;
    const int end = begin + length;
    const int field = group.fields[slot];
    bool firstLine = true;
    if (group.role == Role::Lines) {
        const qsizetype lineEnd = QStringView(group.buffer).indexOf(QChar(kLineBreak), start);
        firstLine = lineEnd < 0 || lineEnd >= at;
    }
    const Coverage covered = coverage(begin, end, fieldLength);
    Rank rank{false, false, classOf(group.role, covered, firstLine),
              isName(group.role) ? covered : Coverage::Whole, m_corpus.fields[size_t(field)].entry};
    if (length >= kShortestLine && isWholeClause(group, at, length))
        rank.matchClass = MatchClass::WholeLine;
    // An alias counts only typed whole: 东 is no question about 东坡.
    if (group.role == Role::Alias)
        rank.coverage = covered;
    return {rank, field, begin, end, true};
}

void Index::scan(const Group& group, const QString& folded, std::vector<Hit>& hits) const {
    const QStringView buffer(group.buffer);
    qsizetype from = 0;
    while (true) {
        const qsizetype at = buffer.indexOf(folded, from);
        if (at < 0)
            return;
        size_t slot = 0;
        const Hit hit = hitAt(group, at, int(folded.size()), slot);
        if (group.role != Role::Alias || hit.rank.coverage == Coverage::Whole)
            hits.push_back(hit);
        from = group.starts[slot + 1]; // one match per field is enough
    }
}

void Index::findText(const QString& folded, std::vector<Hit>& hits) const {
    if (folded.isEmpty())
        return;
    for (const Group& group : m_groups)
        scan(group, folded, hits);
}

void Index::scanNear(const Group& group, const QString& folded, std::vector<Hit>& hits) const {
    // The one character off falls in one half of the text: the other half
    // stands in it unchanged, and the text is found around it.
    const QStringView buffer(group.buffer);
    const int length = int(folded.size());
    const QStringView left = QStringView(folded).left(length / 2);
    const QStringView right = QStringView(folded).mid(length / 2);
    std::set<size_t> found;
    auto tryWindow = [&](qsizetype at, int size) {
        if (at < 0 || at + size > buffer.size())
            return;
        const QStringView window = buffer.mid(at, size);
        if (window.contains(QChar(kFieldEnd)) || window.contains(QChar(kLineBreak)) ||
            !withinOneEdit(window, QStringView(folded), false))
            return;
        size_t slot = 0;
        Hit hit = hitAt(group, at, size, slot);
        if (!found.insert(slot).second)
            return;
        hit.rank.near = true;
        hits.push_back(hit);
    };
    for (qsizetype at = buffer.indexOf(left); at >= 0; at = buffer.indexOf(left, at + 1)) {
        for (int size = length - 1; size <= length + 1; ++size)
            tryWindow(at, size);
    }
    for (qsizetype at = buffer.indexOf(right); at >= 0; at = buffer.indexOf(right, at + 1)) {
        for (int size = length - 1; size <= length + 1; ++size)
            tryWindow(at + right.size() - size, size);
    }
}

void Index::findNear(const QString& folded, std::vector<Hit>& hits) const {
    if (folded.size() < 2)
        return;
    for (const Group& group : m_groups) {
        if (group.role != Role::Alias)
            scanNear(group, folded, hits);
    }
}

void Index::findPinyin(std::string_view letters, std::vector<Hit>& hits) const {
    for (const PinyinName& name : m_names) {
        const auto hit = matchPinyin(name.key, letters);
        if (!hit)
            continue;
        const Field& field = m_corpus.fields[size_t(name.field)];
        const Coverage covered = coverage(hit->first, hit->first + hit->count, name.key.size());
        const Rank rank{false, covered != Coverage::Whole, classOf(field.role, covered, false),
                        covered, field.entry};
        hits.push_back({rank, name.field, name.key.begin(hit->first),
                        name.key.end(hit->first + hit->count - 1), false});
    }
}

void Index::findPinyinNear(std::string_view letters, std::vector<Hit>& hits) const {
    for (const PinyinName& name : m_names) {
        const auto hit = matchPinyinNear(name.key, letters);
        if (!hit)
            continue;
        const Field& field = m_corpus.fields[size_t(name.field)];
        const Coverage covered = coverage(hit->first, hit->first + hit->count, name.key.size());
        const Rank rank{true, false, classOf(field.role, covered, false), covered, field.entry};
        hits.push_back({rank, name.field, name.key.begin(hit->first),
                        name.key.end(hit->first + hit->count - 1), false});
    }
}

} // namespace find
