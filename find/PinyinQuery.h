#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace find {

// The letters of a query typed as pinyin, in the form the readings are kept
// in: lower case, no tones (marks or digits), ü as v, no spaces or
// apostrophes. Nothing when the query is not pinyin (it holds a Chinese
// character, other punctuation, or no letter at all).
std::optional<QString> pinyinLetters(QStringView query);

// The same form for a reading as the pinyin data gives it.
QString plainReading(QStringView reading);

} // namespace find
