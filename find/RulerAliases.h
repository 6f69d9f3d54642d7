#pragma once

#include "Corpus.h"

#include "store/Aliases.h"

#include <vector>

namespace find {

// The names a reader gives a ruler of the era table: his dynasty with his
// temple or posthumous title (唐太宗, 宋徽宗, 汉武帝, with the names the
// dynasties are commonly known by), and for 明 and 清, whose rulers kept one
// era each, the era with 帝 (康熙帝, 崇祯帝). Each leads to his row.
std::vector<store::Alias> rulerAliases(const std::vector<EraRow>& rows);

} // namespace find
