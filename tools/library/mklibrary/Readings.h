#pragma once

#include "Records.h"

#include <QFile>
#include <QJsonObject>
#include <QString>

namespace mklibrary {

// The readings file, read along with the records: one line for each.
class ReadingsReader final {
  public:
    explicit ReadingsReader(const QString& path);
    bool enabled() const { return m_file.isOpen(); }

    // Attaches the next line's readings; throws std::runtime_error when the
    // file ends early or a count of syllables differs from the text's.
    void attach(PieceIn& piece);
    void attach(AuthorIn& author);

  private:
    QJsonObject next();

    QFile m_file;
    int m_line = 0;
};

// The number of syllables a text's readings must have.
qsizetype hanCount(const QString& text);

} // namespace mklibrary
