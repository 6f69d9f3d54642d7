#pragma once

#include "Corpus.h"

#include <QStringList>

#include <vector>

namespace find {

// Where the pinyin of a name or title comes from: one list of readings for
// each character (code point) of the text, empty where there is none. A
// character with two readings in that name lists both.
class PinyinSource {
  public:
    virtual ~PinyinSource() = default;
    virtual std::vector<QStringList> readings(const QString& text, Role role) const = 0;
};

} // namespace find
