#include "TermMatcher.h"

namespace library {
namespace {

MatchClass titleClass(size_t at, size_t termLength, size_t titleLength) {
    if (at == 0 && termLength == titleLength)
        return MatchClass::WholeTitle;
    return at == 0 ? MatchClass::TitleStart : MatchClass::TitleInside;
}

} // namespace

size_t TermMatcher::position(const std::u16string& folded, const std::u16string& term,
                             bool near) const {
    if (!near)
        return folded.find(term);
    if (folded.size() < term.size())
        return std::u16string::npos;
    for (size_t at = 0; at + term.size() <= folded.size(); ++at) {
        int differences = 0;
        for (size_t i = 0; i < term.size() && differences < 2; ++i)
            differences += folded[at + i] != term[i];
        if (differences == 1)
            return at;
    }
    return std::u16string::npos;
}

TermMatcher::Found TermMatcher::unitInPiece(QStringView text, char16_t unit, bool titleOnly) const {
    // One unit the index says the piece holds: read the title, section and
    // first line in place, without folding them into a buffer.
    int segment = 0;
    qsizetype units = 0; // folded units of the segment so far
    qsizetype foundAt = -1;
    for (QChar c : text) {
        if (c == u'\n') {
            if (foundAt >= 0)
                break;
            if (++segment == 3)
                return {MatchClass::AnyLine, -1};
            if (titleOnly && segment == 2)
                return {};
            units = 0;
            continue;
        }
        const char16_t folded = m_folding.unit(c.unicode());
        if (folded == 0)
            continue;
        if (foundAt >= 0) {
            ++units; // a title longer than the unit
            break;
        }
        if (folded == unit)
            foundAt = units;
        ++units;
    }
    if (foundAt < 0)
        return {};
    if (segment == 0)
        return {foundAt == 0 && units == 1 ? MatchClass::WholeTitle
                : foundAt == 0             ? MatchClass::TitleStart
                                           : MatchClass::TitleInside,
                0};
    return {segment == 1 ? MatchClass::TitleInside : MatchClass::FirstLine, segment};
}

TermMatcher::Found TermMatcher::unitInTitle(QStringView text, char16_t unit) const {
    return unitInPiece(text, unit, true);
}

TermMatcher::Found TermMatcher::inPiece(QStringView text, const std::u16string& term,
                                        bool near, bool held) const {
    if (held && !near && term.size() == 1) {
        const Found found = unitInPiece(text, term[0]);
        if (found.matchClass != MatchClass::TitleInside)
            return found;
        held = false; // a line may still hold it: read them all
    }
    Found best;
    int segment = 0;
    qsizetype begin = 0;
    while (begin <= text.size()) {
        if (held && segment == 3 && best.matchClass == MatchClass::None)
            return {MatchClass::AnyLine, -1};
        qsizetype end = text.indexOf(u'\n', begin);
        if (end < 0)
            end = text.size();
        m_folding.fold(text.mid(begin, end - begin), m_buffer);
        const size_t at = position(m_buffer, term, near);
        if (at != std::u16string::npos) {
            const MatchClass found = segment == 0   ? titleClass(at, term.size(), m_buffer.size())
                               : segment == 1 ? MatchClass::TitleInside
                               : segment == 2 ? MatchClass::FirstLine
                                              : MatchClass::AnyLine;
            // Past the title and section the parts come in the order of
            // their classes: the first found is the best.
            if (found != MatchClass::TitleInside)
                return {found, segment};
            if (best.matchClass == MatchClass::None)
                best = {found, segment};
        }
        begin = end + 1;
        ++segment;
    }
    return best;
}

TermMatcher::Found TermMatcher::inAuthor(QStringView name, QStringView bio,
                                         const std::u16string& term, bool near) const {
    m_folding.fold(name, m_buffer);
    if (!m_buffer.empty() && position(m_buffer, term, near) != std::u16string::npos)
        return {MatchClass::AuthorName, 0};
    m_folding.fold(bio, m_buffer);
    if (position(m_buffer, term, near) != std::u16string::npos)
        return {MatchClass::Biography, 1};
    return {};
}

} // namespace library
