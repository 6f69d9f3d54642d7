#include "Readings.h"

#include "library/Format.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <stdexcept>

namespace mklibrary {
namespace {

qsizetype syllableCount(const QString& reading) {
    return reading.isEmpty() ? 0 : reading.count(u' ') + 1;
}

} // namespace

qsizetype hanCount(const QString& text) {
    qsizetype count = 0;
    for (const char32_t c : text.toUcs4())
        count += library::format::hasReading(c);
    return count;
}

ReadingsReader::ReadingsReader(const QString& path) {
    if (path.isEmpty())
        return;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
}

QJsonObject ReadingsReader::next() {
    ++m_line;
    const QByteArray line = m_file.readLine();
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(line, &error).object();
    if (line.isEmpty() || error.error != QJsonParseError::NoError)
        throw std::runtime_error(m_file.fileName().toStdString() + ":" + std::to_string(m_line) +
                                 ": no readings for this record");
    return object;
}

void ReadingsReader::attach(PieceIn& piece) {
    if (!enabled())
        return;
    const QJsonObject object = next();
    piece.titleReading = object.value(u"t").toString();
    piece.authorReading = object.value(u"a").toString();
    bool aligned = syllableCount(piece.titleReading) == hanCount(piece.title) &&
                   syllableCount(piece.authorReading) == hanCount(piece.author);
    if (object.contains(u"l")) {
        piece.textReadings << object.value(u"s").toString();
        for (const QJsonValue& value : object.value(u"l").toArray())
            piece.textReadings << value.toString();
        aligned = aligned && piece.textReadings.size() == piece.lines.size() + 1 &&
                  syllableCount(piece.textReadings[0]) == hanCount(piece.section);
        for (qsizetype i = 0; aligned && i < piece.lines.size(); ++i)
            aligned = syllableCount(piece.textReadings[i + 1]) == hanCount(piece.lines[i]);
    }
    if (!aligned)
        throw std::runtime_error(m_file.fileName().toStdString() + ":" + std::to_string(m_line) +
                                 ": the readings do not match " + piece.title.toStdString() +
                                 " (regenerate them from these records)");
}

void ReadingsReader::attach(AuthorIn& author) {
    if (!enabled())
        return;
    author.nameReading = next().value(u"t").toString();
    if (syllableCount(author.nameReading) != hanCount(author.name))
        throw std::runtime_error(m_file.fileName().toStdString() + ":" + std::to_string(m_line) +
                                 ": the readings do not match " + author.name.toStdString() +
                                 " (regenerate them from these records)");
}

} // namespace mklibrary
