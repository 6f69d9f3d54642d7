#include "Records.h"

#include "Readings.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

namespace mklibrary {

Records readRecords(const QString& path, const QString& readingsPath) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    ReadingsReader readings(readingsPath);
    Records records;
    int number = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        ++number;
        if (line.trimmed().isEmpty())
            continue;
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(line, &error).object();
        if (error.error != QJsonParseError::NoError)
            throw std::runtime_error(path.toStdString() + ":" + std::to_string(number) + ": " +
                                     error.errorString().toStdString());
        const QString collection = object.value(u"c").toString();
        if (!records.collections.contains(collection))
            records.collections << collection;
        if (object.contains(u"l")) {
            PieceIn piece{collection,
                          object.value(u"t").toString(),
                          object.value(u"a").toString(),
                          object.value(u"s").toString(),
                          {},
                          uint32_t(object.value(u"f").toInt()),
                          {},
                          {},
                          {},
                          {}};
            for (const QJsonValue& value : object.value(u"l").toArray())
                piece.lines << value.toString();
            for (const QJsonValue& value : object.value(u"n").toArray())
                piece.notes << value.toString();
            readings.attach(piece);
            records.pieces.push_back(std::move(piece));
        } else {
            AuthorIn author{collection, object.value(u"a").toString(),
                            object.value(u"b").toString(), {}};
            readings.attach(author);
            records.authors.push_back(std::move(author));
        }
    }
    return records;
}

} // namespace mklibrary
