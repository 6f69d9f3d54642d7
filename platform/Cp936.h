#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// Code page 936 (GBK, as Windows defines it): the encoding of every page file.
namespace platform::cp936 {

// Characters code page 936 cannot hold become '?'.
QByteArray encode(QStringView text);
QString decode(const QByteArray& bytes);
// The text, or nothing when the bytes hold a sequence the code page does not
// define. The page engine reads code page 936 with this same table, so this
// text is what it shows for the bytes; an undefined sequence it replaces in
// its own way.
std::optional<QString> decodeDefined(const QByteArray& bytes);
bool canEncode(QStringView text);

// One entry per character of the text: where it starts, how many UTF-16 units
// it spans and its code (lead byte * 256 + trail byte for a double-byte
// character, the byte for a single one, -1 when the character has no code).
struct CharCode {
    qsizetype position;
    qsizetype length;
    int code;
};
std::vector<CharCode> codes(QStringView text);

} // namespace platform::cp936
