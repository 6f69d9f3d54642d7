#include "Index.h"

#include "Normaliser.h"
#include "PinyinSource.h"

#include <algorithm>

namespace find {
namespace {

// Ends each field in a group's buffer; folding never lets it into a query.
constexpr char16_t kFieldEnd = u'\x02';

Coverage coverage(int begin, int end, int length) {
    if (begin > 0)
        return Coverage::Inside;
    return end == length ? Coverage::Whole : Coverage::Beginning;
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
        group.buffer += fold(field.text).text;
        group.buffer += QChar(kFieldEnd);
        if (isName(field.role)) {
            PinyinKey key(field.text, pinyin.readings(field.text, field.role));
            if (!key.empty())
                m_names.push_back({int(f), std::move(key)});
        }
    }
    for (Group& group : m_groups)
        group.starts.push_back(int(group.buffer.size()));
}

void Index::scan(const Group& group, const QString& folded, std::vector<Hit>& hits) const {
    const QStringView buffer(group.buffer);
    qsizetype from = 0;
    while (true) {
        const qsizetype at = buffer.indexOf(folded, from);
        if (at < 0)
            return;
        const auto next = std::upper_bound(group.starts.begin(), group.starts.end(), int(at));
        const size_t slot = size_t(next - group.starts.begin()) - 1;
        const int start = group.starts[slot];
        const int length = *next - start - 1;
        const int begin = int(at) - start;
        const int end = begin + int(folded.size());
        const int field = group.fields[slot];
        bool firstLine = true;
        if (group.role == Role::Lines) {
            const qsizetype lineEnd = buffer.indexOf(QChar(kLineBreak), start);
            firstLine = lineEnd < 0 || lineEnd >= at;
        }
        const Coverage covered = coverage(begin, end, length);
        const Rank rank{false, classOf(group.role, covered, firstLine),
                        isName(group.role) ? covered : Coverage::Whole,
                        m_corpus.fields[size_t(field)].entry};
        hits.push_back({rank, field, begin, end, true});
        from = *next; // one match per field is enough
    }
}

void Index::findText(const QString& folded, std::vector<Hit>& hits) const {
    if (folded.isEmpty())
        return;
    for (const Group& group : m_groups)
        scan(group, folded, hits);
}

void Index::findPinyin(std::string_view letters, std::vector<Hit>& hits) const {
    for (const PinyinName& name : m_names) {
        const auto hit = matchPinyin(name.key, letters);
        if (!hit)
            continue;
        const Field& field = m_corpus.fields[size_t(name.field)];
        const Coverage covered = coverage(hit->first, hit->first + hit->count, name.key.size());
        const Rank rank{covered != Coverage::Whole, classOf(field.role, covered, false), covered,
                        field.entry};
        hits.push_back({rank, name.field, name.key.begin(hit->first),
                        name.key.end(hit->first + hit->count - 1), false});
    }
}

} // namespace find
