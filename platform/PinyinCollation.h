#pragma once

struct sqlite3;

namespace platform {

// Registers the collation PINYIN on a connection: Chinese text in the order of
// its pinyin readings (ICU's "zh" rules), byte order breaking ties so that
// only identical texts compare equal.
void registerPinyinCollation(sqlite3* db);

} // namespace platform
