#pragma once

#include <QByteArray>

namespace platform {

// A page file cut where the view can swap its content without a new
// document: the frame (everything but the title's text and the body's
// content) and those two pieces, still in the file's bytes. The cut is made
// on the bytes: in code page 936 a '<' is never part of a double-byte
// character, so tags are found exactly without decoding.
struct PageParts {
    // False for a page that needs a document of its own: one without a body
    // tag, or with anything that only a real load runs as it should (scripts,
    // meta directives, frames, plug-ins, a moving marquee).
    bool swappable = false;
    bool titled = false; // the head holds a <title>
    QByteArray frame;
    QByteArray title;
    QByteArray body;
};

PageParts splitPage(const QByteArray& bytes);

} // namespace platform
