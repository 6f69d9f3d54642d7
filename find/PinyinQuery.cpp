#include "PinyinQuery.h"

namespace find {
namespace {

// Vowels with a tone mark, and the plain letter each stands for.
constexpr char16_t kToned[] = u"āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜüńňǹḿ";
constexpr char kPlain[] = "aaaaeeeeiiiioooouuuuvvvvvnnnm";

std::optional<char16_t> plainLetter(char16_t c) {
    if (c >= u'A' && c <= u'Z')
        c = char16_t(c - u'A' + u'a');
    if (c >= u'a' && c <= u'z')
        return c;
    if (c >= 0xFF21 && c <= 0xFF3A) // full-width capitals
        return char16_t(c - 0xFF21 + u'a');
    if (c >= 0xFF41 && c <= 0xFF5A)
        return char16_t(c - 0xFF41 + u'a');
    const QStringView toned(kToned);
    const QChar lower = QChar(c).toLower();
    const qsizetype at = toned.indexOf(lower);
    if (at >= 0)
        return char16_t(kPlain[at]);
    return std::nullopt;
}

bool isSeparator(char16_t c) {
    // Spaces, apostrophes (xi'an), tone digits 1 to 5, ":" of "u:".
    return c == u' ' || c == u'\u3000' || c == u'\'' || c == u'\u2019' || c == u':' ||
           (c >= u'0' && c <= u'5') || (c >= 0xFF10 && c <= 0xFF15);
}

} // namespace

std::optional<QString> pinyinLetters(QStringView query) {
    QString letters;
    letters.reserve(query.size());
    for (const QChar ch : query) {
        if (const auto letter = plainLetter(ch.unicode())) {
            letters += QChar(*letter);
            continue;
        }
        // A combining tone mark (a typed in decomposed form) carries nothing.
        if (ch.unicode() >= 0x0300 && ch.unicode() <= 0x036F)
            continue;
        if (!isSeparator(ch.unicode()))
            return std::nullopt;
    }
    if (letters.isEmpty())
        return std::nullopt;
    return letters;
}

QString plainReading(QStringView reading) {
    return pinyinLetters(reading).value_or(QString());
}

} // namespace find
