#include "NoteSections.h"

namespace mklibrary {

NoteSections buildNotes(const Layout& layout) {
    NoteSections out;
    for (uint32_t i = 0; i < layout.pieces.size(); ++i) {
        const QString& notes = layout.pieces[i].notes;
        if (notes.isEmpty())
            continue;
        out.directory.push_back({i, uint32_t(out.text.size())});
        out.text += notes;
    }
    out.directory.push_back({library::format::kNoPiece, uint32_t(out.text.size())});
    return out;
}

} // namespace mklibrary
