#include "NoteMarks.h"

#include "platform/Cp936.h"

namespace pages {

QString withoutNoteMarks(const QString& text) {
    constexpr int kFirstMark = 0xA2A7;
    constexpr int kLastMark = 0xA2E2;
    QString out;
    out.reserve(text.size());
    for (const auto& c : platform::cp936::codes(text))
        if (c.code < kFirstMark || c.code > kLastMark)
            out += QStringView(text).mid(c.position, c.length);
    return out;
}

} // namespace pages
