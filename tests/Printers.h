// Readable failure messages for Qt strings in every test.
#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << "{";
    for (const QString& item : list)
        *out << "\n  \"" << item.toStdString() << '"';
    *out << "\n}";
}
