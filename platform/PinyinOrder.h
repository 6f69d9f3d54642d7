#pragma once

#include <QString>

#include <memory>
#include <string>

namespace platform {

// Chinese names in the order of their pinyin readings, by the same rules as
// the content database's PINYIN collation, so that the library's authors
// stand in the order of the anthology's poets.
class PinyinOrder final {
  public:
    // Throws platform::Error when the collation rules are not installed.
    PinyinOrder();
    ~PinyinOrder();
    Q_DISABLE_COPY_MOVE(PinyinOrder)

    // A key that compares as the text sorts (byte by byte); identical texts
    // alone give equal keys, as in the database.
    std::string key(QStringView text) const;

  private:
    struct Collator;
    std::unique_ptr<Collator> m_collator;
};

} // namespace platform
