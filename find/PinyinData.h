#pragma once

#include "PinyinSource.h"

#include <QHash>

namespace store {
class Pinyin;
}

namespace find {

// The reviewed pinyin the reader ships with: titles from the verse readings,
// names (poets, idioms, dynasties, rulers, eras) with every established
// reading of each.
class PinyinData final : public PinyinSource {
  public:
    explicit PinyinData(const store::Pinyin& pinyin);

    std::vector<QStringList> readings(const QString& text, Role role) const override;

  private:
    const store::Pinyin& m_pinyin;
    QHash<QString, QStringList> m_titles;
};

} // namespace find
