#include "Ranking.h"

namespace find {

MatchClass classOf(Role role, Coverage coverage, bool onFirstLine) {
    switch (role) {
    case Role::Title:
        return coverage == Coverage::Whole       ? MatchClass::ExactTitle
               : coverage == Coverage::Beginning ? MatchClass::TitlePrefix
                                                 : MatchClass::TitleInfix;
    case Role::Poet:
        return coverage == Coverage::Whole ? MatchClass::Name : MatchClass::Poet;
    case Role::Alias:
        return MatchClass::Name;
    case Role::Lines:
        return onFirstLine ? MatchClass::FirstLine : MatchClass::AnyLine;
    case Role::Idiom:
        return MatchClass::Idiom;
    case Role::Dynasty:
        return MatchClass::Dynasty;
    case Role::RulerOrEra:
        return MatchClass::RulerOrEra;
    case Role::Commentary:
        return MatchClass::Commentary;
    }
    return MatchClass::Commentary;
}

} // namespace find
