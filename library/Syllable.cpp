#include "Syllable.h"

namespace library {
namespace {

// Vowels with a tone mark, and the plain letter each stands for.
constexpr char16_t kToned[] = u"āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜüńňǹḿ";
constexpr char kPlain[] = "aaaaeeeeiiiioooouuuuvvvvvnnnm";

} // namespace

std::string plainSyllable(QStringView toned) {
    std::string letters;
    for (const QChar c : toned) {
        const char16_t unit = c.toLower().unicode();
        if (unit >= u'a' && unit <= u'z') {
            letters += char(unit);
            continue;
        }
        if (unit >= 0x0300 && unit <= 0x036f) // a combining tone mark
            continue;
        const qsizetype at = QStringView(kToned).indexOf(QChar(unit));
        if (at < 0)
            return {};
        letters += kPlain[at];
    }
    return letters;
}

} // namespace library
