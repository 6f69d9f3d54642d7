#pragma once

#include <QString>
#include <QtGlobal>

namespace platform {

// Conversion between Traditional and Simplified Chinese script, phrase-aware,
// so that names such as 乾隆 keep the character a plain table would change.
// Into Traditional, our reviewed phrases go first (长干 stays 長干), in
// OpenCC's standard forms or in those of Taiwan (為, 裡) or Hong Kong.
class ScriptConverter final {
    Q_DISABLE_COPY_MOVE(ScriptConverter)

  public:
    enum class Direction {
        ToSimplified,
        TaiwanToSimplified,   // 著 in 守著 is the particle 着
        HongKongToSimplified, // 衞 and 敍 are 卫 and 叙
        ToTraditional,
        ToTaiwan,
        ToHongKong
    };

    // Loads the conversion tables; throws when they are not installed.
    explicit ScriptConverter(Direction direction);
    ~ScriptConverter();

    QString convert(const QString& text) const;

  private:
    void* m_handle = nullptr;
};

} // namespace platform
