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

TermMatcher::Found TermMatcher::inPiece(QStringView text, const std::u16string& term,
                                        bool near) const {
    Found best;
    int segment = 0;
    qsizetype begin = 0;
    while (begin <= text.size()) {
        qsizetype end = text.indexOf(u'\n', begin);
        if (end < 0)
            end = text.size();
        m_folding.fold(text.mid(begin, end - begin), m_buffer);
        const size_t at = position(m_buffer, term, near);
        if (at != std::u16string::npos) {
            MatchClass found = segment == 0   ? titleClass(at, term.size(), m_buffer.size())
                               : segment == 1 ? MatchClass::TitleInside
                               : segment == 2 ? MatchClass::FirstLine
                                              : MatchClass::AnyLine;
            if (found < best.matchClass)
                best = {found, segment};
            if (segment >= 2)
                break; // later lines cannot do better
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
