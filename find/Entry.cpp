#include "Entry.h"

namespace find {

QString kindLabel(Kind kind) {
    switch (kind) {
    case Kind::Shi:
        return QStringLiteral("诗");
    case Kind::Ci:
        return QStringLiteral("词");
    case Kind::Qu:
        return QStringLiteral("曲");
    case Kind::Poet:
        return QStringLiteral("诗人");
    case Kind::Idiom:
        return QStringLiteral("成语");
    case Kind::Dynasty:
        return QStringLiteral("朝代");
    case Kind::Era:
        return QStringLiteral("纪元");
    }
    return {};
}

} // namespace find
