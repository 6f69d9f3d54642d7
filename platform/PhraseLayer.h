#pragma once

#include <QByteArray>
#include <QString>

namespace platform::phraseLayer {

// The reviewed phrases that go over OpenCC's own, as OpenCC's text
// dictionary wants them: one "phrase<TAB>Traditional" a line, sorted by
// their bytes, each phrase once. The source keeps reasons as comments.
QByteArray dictionary(const QByteArray& source);

// The configuration that converts Simplified into Traditional with the
// phrases of dictionaryFile first, then OpenCC's phrases and characters, and
// last the variant table named (empty for OpenCC's standard forms).
QByteArray configuration(const QString& dictionaryFile, const QString& variantTable);

// The shipped source of the phrases.
QByteArray shippedSource();

} // namespace platform::phraseLayer
