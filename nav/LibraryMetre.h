#pragma once

#include "metre/Analysis.h"
#include "pages/MetreView.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace library {
class Folding;
}

// The metre of the library's poems: which collections it is read for, and
// the analysis of a piece's lines as its page shows them.
namespace nav::libraryMetre {

// How a piece's text is written: in Traditional characters or not; and the
// library's folding of variant forms, when at hand.
struct Source {
    bool traditional = false;
    const library::Folding* folding = nullptr;
};

// Whether the collection (its name in the file) holds shi of the Tang and
// after, whose rhymes the table describes. Ci and qu follow tune patterns of
// their own; the older poems and the prose rhyme by other sounds, if at all.
bool readsMetre(const QString& collectionName);

// The character that picks the rhyme groups at each place of text, for the
// analysis's context. A Traditional text is its own guide, so that 髮 and
// 發, 后 and 後 keep what they are; a variant form the table lacks (爲, 羣)
// takes the standard form its simplified one converts back to, or the form
// the library folds it to. A simplified text is converted, as the
// anthology's poems are. Without the conversion tables, the characters of a
// Traditional text only (a simplified form then keeps all its readings).
QString rhymeForms(const QString& text, const Source& source);

// The text the analysis reads: the lines separated by CR LF, with angle
// brackets, which the analysis would take for markup, made plain spaces.
QString analysedText(const QStringList& lines);

// The analysis of a piece's lines, shown as written.
metre::Analysis analyse(const QStringList& lines, const Source& source);

// The marks and the verdict of a piece's lines; none when they hold no Han
// character to mark.
std::optional<pages::MetreView> view(const QStringList& lines, const Source& source);

} // namespace nav::libraryMetre
