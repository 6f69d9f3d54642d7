#include "PinyinCollation.h"

#include "Error.h"
#include "Statement.h"

#include <sqlite3.h>
#include <unicode/ucol.h>

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

int compare(void* collator, int leftLength, const void* left, int rightLength,
            const void* right) {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult order =
        ucol_strcollUTF8(static_cast<UCollator*>(collator), static_cast<const char*>(left),
                         leftLength, static_cast<const char*>(right), rightLength, &status);
    if (U_SUCCESS(status) && order != UCOL_EQUAL)
        return order == UCOL_LESS ? -1 : 1;
    const int common = std::memcmp(left, right, size_t(std::min(leftLength, rightLength)));
    if (common != 0)
        return common;
    return leftLength - rightLength;
}

void destroy(void* collator) { ucol_close(static_cast<UCollator*>(collator)); }

} // namespace

void registerPinyinCollation(sqlite3* db) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open("zh", &status);
    if (U_FAILURE(status))
        throw Error(status, QStringLiteral("无法打开中文排序规则：%1").arg(u_errorName(status)));
    if (sqlite3_create_collation_v2(db, "PINYIN", SQLITE_UTF8, collator, compare, destroy) !=
        SQLITE_OK) {
        ucol_close(collator);
        throwSqliteError(db, QStringLiteral("无法注册拼音排序"));
    }
}

} // namespace platform
