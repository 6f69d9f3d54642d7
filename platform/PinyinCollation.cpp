#include "PinyinCollation.h"

#include "Error.h"
#include "Statement.h"

#include <sqlite3.h>
#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

namespace platform {
namespace {

// The collator and the sort keys it has made: a sort sees the same few
// hundred names again and again, and comparing keys is a plain memcmp.
struct Pinyin {
    UCollator* collator;
    std::unordered_map<std::string, std::string> keys;

    const std::string& keyOf(const char* text, int length) {
        auto [it, added] = keys.try_emplace(std::string(text, size_t(length)));
        if (added) {
            UErrorCode status = U_ZERO_ERROR;
            std::u16string wide(size_t(length), u'\0');
            int32_t wideLength = 0;
            u_strFromUTF8(wide.data(), int32_t(wide.size()), &wideLength, text, length, &status);
            wide.resize(size_t(wideLength));
            std::string& key = it->second;
            key.resize(size_t(wideLength) * 4 + 16);
            int32_t needed =
                ucol_getSortKey(collator, wide.data(), wideLength,
                                reinterpret_cast<uint8_t*>(key.data()), int32_t(key.size()));
            if (needed > int32_t(key.size())) {
                key.resize(size_t(needed));
                needed = ucol_getSortKey(collator, wide.data(), wideLength,
                                         reinterpret_cast<uint8_t*>(key.data()), needed);
            }
            key.resize(size_t(needed));
        }
        return it->second;
    }
};

int compare(void* context, int leftLength, const void* left, int rightLength, const void* right) {
    auto* pinyin = static_cast<Pinyin*>(context);
    const auto* l = static_cast<const char*>(left);
    const auto* r = static_cast<const char*>(right);
    const int order = pinyin->keyOf(l, leftLength).compare(pinyin->keyOf(r, rightLength));
    if (order != 0)
        return order < 0 ? -1 : 1;
    const int common = std::memcmp(left, right, size_t(std::min(leftLength, rightLength)));
    if (common != 0)
        return common;
    return leftLength - rightLength;
}

void destroy(void* context) {
    auto* pinyin = static_cast<Pinyin*>(context);
    ucol_close(pinyin->collator);
    delete pinyin;
}

} // namespace

void registerPinyinCollation(sqlite3* db) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open("zh", &status);
    if (U_FAILURE(status))
        throw Error(ErrorCode::CollationMissing, {}, QString::fromLatin1(u_errorName(status)));
    auto* pinyin = new Pinyin{collator, {}};
    if (sqlite3_create_collation_v2(db, "PINYIN", SQLITE_UTF8, pinyin, compare, destroy) !=
        SQLITE_OK) {
        destroy(pinyin);
        throwSqliteError(db, ErrorCode::CollationNotRegistered);
    }
}

} // namespace platform
