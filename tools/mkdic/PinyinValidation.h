#pragma once

#include "ContentSource.h"

#include <QByteArray>
#include <QStringList>

namespace dic {

// The reviewed readings against the content they belong to: every verse
// piece has an entry, its title and each line of its text have one toned
// Hanyu Pinyin syllable per Han character, and every name's reading is as
// long as the name. One message per fault, naming the file, the piece and
// the line; empty when all is well. file names the readings in messages.
QStringList validateVerseReadings(const Content& content, const QByteArray& verseJson,
                                  const QString& file);
QStringList validateNameReadings(const QByteArray& namesJson, const QString& file);

// Both reading files, pinyin/verse.json and pinyin/names.json under the
// content directory. Throws SourceError when one cannot be read.
QStringList validateReadings(const Content& content, const QString& directory);

} // namespace dic
