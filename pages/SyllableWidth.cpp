#include "SyllableWidth.h"

#include <algorithm>
#include <cmath>

namespace pages {
namespace {

constexpr double kRubySize = 0.7;    // the syllables' size against the verse
constexpr double kRubyPadding = 0.3; // both sides, in ems of the syllables
constexpr double kNarrowest = 1.25;  // a character and a quarter em of air

// Advances in thousandths of an em: the larger of the usual serif and sans
// faces (the wide ones), so that no syllable spills over its cell.
int letterWidth(char16_t letter) {
    static constexpr int kLatin[26] = {613, 640, 560, 640, 615, 370, 640, 644, 320,
                                       310, 606, 320, 974, 644, 612, 640, 640, 478,
                                       521, 402, 644, 592, 856, 592, 592, 527};
    if (letter >= u'a' && letter <= u'z')
        return kLatin[letter - u'a'];
    if (letter >= u'A' && letter <= u'Z')
        return 760;
    // The toned and dotted vowels keep the width of their bare letter.
    const QString bare = QString(QChar(letter)).normalized(QString::NormalizationForm_D);
    if (bare.size() > 1 && bare[0].unicode() < 0x80 && bare[0].isLower())
        return kLatin[bare[0].unicode() - u'a'];
    return 1000;
}

} // namespace

double syllableEms(QStringView syllable) {
    int thousandths = 0;
    for (const QChar c : syllable)
        thousandths += letterWidth(c.unicode());
    return thousandths / 1000.0;
}

double cellEms(const std::vector<QStringList>& lines) {
    double widest = 0;
    for (const QStringList& line : lines)
        for (const QString& syllable : line)
            widest = std::max(widest, syllableEms(syllable));
    return std::max(kNarrowest, (widest + kRubyPadding) * kRubySize);
}

QString cellStyle(double ems) {
    const double rounded = std::ceil(ems * 100 - 1e-9) / 100;
    return QStringLiteral(" style=\"--cell: %1em\"").arg(rounded, 0, 'f', 2);
}

} // namespace pages
