#pragma once

#include "PinyinSource.h"

namespace find {

// The pinyin the reader ships with.
class PinyinData final : public PinyinSource {
  public:
    std::vector<QStringList> readings(const QString& text, Role role) const override;
};

} // namespace find
