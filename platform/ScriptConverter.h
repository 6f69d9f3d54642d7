#pragma once

#include <QString>
#include <QtGlobal>

namespace platform {

// Conversion between Traditional and Simplified Chinese script, phrase-aware,
// so that names such as 乾隆 keep the character a plain table would change.
class ScriptConverter final {
    Q_DISABLE_COPY_MOVE(ScriptConverter)

  public:
    enum class Direction { ToSimplified, ToTraditional };

    // Loads the conversion tables; throws when they are not installed.
    explicit ScriptConverter(Direction direction);
    ~ScriptConverter();

    QString convert(const QString& text) const;

  private:
    void* m_handle = nullptr;
};

} // namespace platform
