#include "PinyinOrder.h"

#include "Error.h"

#include <unicode/ucol.h>

namespace platform {

struct PinyinOrder::Collator {
    UCollator* handle = nullptr;
    ~Collator() {
        if (handle)
            ucol_close(handle);
    }
};

PinyinOrder::PinyinOrder() : m_collator(std::make_unique<Collator>()) {
    UErrorCode status = U_ZERO_ERROR;
    m_collator->handle = ucol_open("zh", &status);
    if (U_FAILURE(status))
        throw Error(ErrorCode::CollationMissing, {}, QString::fromLatin1(u_errorName(status)));
}

PinyinOrder::~PinyinOrder() = default;

std::string PinyinOrder::key(QStringView text) const {
    const auto* units = reinterpret_cast<const UChar*>(text.utf16());
    const auto length = int32_t(text.size());
    std::string key(size_t(length) * 4 + 16, '\0');
    int32_t needed = ucol_getSortKey(m_collator->handle, units, length,
                                     reinterpret_cast<uint8_t*>(key.data()), int32_t(key.size()));
    if (needed > int32_t(key.size())) {
        key.resize(size_t(needed));
        needed = ucol_getSortKey(m_collator->handle, units, length,
                                 reinterpret_cast<uint8_t*>(key.data()), needed);
    }
    // The sort key ends in a 0 byte; the text's own units follow it to
    // break ties between texts the rules hold equal.
    key.resize(size_t(needed));
    for (const QChar c : text) {
        key += char(c.unicode() >> 8);
        key += char(c.unicode() & 0xff);
    }
    return key;
}

} // namespace platform
