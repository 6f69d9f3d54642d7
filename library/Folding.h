#pragma once

#include <QStringView>

#include <cstdint>
#include <string>

namespace library {

// Folds text as the index was built: Traditional, Simplified and variant
// forms to one form, Latin letters to lower case, punctuation and spaces
// dropped. The table comes from the library file, so a query is folded
// exactly as the texts it is matched against.
class Folding final {
  public:
    explicit Folding(const uint16_t* table) : m_table(table) {}

    char16_t unit(char16_t c) const { return char16_t(m_table[c]); }
    void fold(QStringView text, std::u16string& out) const;
    std::u16string fold(QStringView text) const;

  private:
    const uint16_t* m_table;
};

} // namespace library
