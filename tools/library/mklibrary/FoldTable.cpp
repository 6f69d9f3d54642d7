#include "FoldTable.h"

#include <QFile>
#include <QStringList>

#include <opencc/opencc.h>

#include <stdexcept>
#include <vector>

namespace mklibrary {
namespace {

class Converter {
  public:
    explicit Converter(const char* config) : m_handle(opencc_open(config)) {
        if (m_handle == reinterpret_cast<opencc_t>(-1))
            throw std::runtime_error(std::string("OpenCC cannot open ") + config);
    }
    ~Converter() { opencc_close(m_handle); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    QString convert(const QString& text) const {
        const QByteArray utf8 = text.toUtf8();
        char* out = opencc_convert_utf8(m_handle, utf8.constData(), size_t(utf8.size()));
        if (!out)
            return text;
        QString result = QString::fromUtf8(out);
        opencc_convert_utf8_free(out);
        return result;
    }

  private:
    opencc_t m_handle;
};

bool isHan(char16_t c) {
    return (c >= 0x3400 && c <= 0x9fff) || (c >= 0xf900 && c <= 0xfaff);
}

bool dropped(QChar c) {
    switch (c.category()) {
    case QChar::Punctuation_Connector: case QChar::Punctuation_Dash: case QChar::Punctuation_Open:
    case QChar::Punctuation_Close: case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote: case QChar::Punctuation_Other: case QChar::Separator_Space:
    case QChar::Separator_Line: case QChar::Separator_Paragraph: case QChar::Other_Control:
    case QChar::Other_Format: case QChar::Symbol_Math: case QChar::Symbol_Modifier:
        return true;
    default:
        return false;
    }
}

// One reviewed pair a line: "裏 里  # reason". Lines starting with # are comments.
void addReviewed(FoldTable& table, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    for (const QString& raw : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString line = raw.section(u'#', 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList pair = line.split(u' ', Qt::SkipEmptyParts);
        if (pair.size() != 2 || pair[0].size() != 1 || pair[1].size() != 1)
            throw std::runtime_error("bad fold line: " + raw.toStdString());
        table[pair[0][0].unicode()] = pair[1][0].unicode();
    }
}

} // namespace

FoldTable buildFoldTable(const QString& additionsPath) {
    FoldTable table;
    for (uint32_t c = 0; c < 65536; ++c)
        table[c] = uint16_t(c);
    const Converter toSimplified("t2s.json"), taiwan("tw2s.json"), hongKong("hk2s.json"),
        japanese("jp2t.json");
    for (uint32_t c = 0; c < 65536; ++c) {
        const QChar unit{char16_t(c)};
        if (dropped(unit)) {
            table[c] = 0;
        } else if (unit.isUpper() && c < 0x250) {
            table[c] = unit.toLower().unicode();
        } else if (c >= 0xff01 && c <= 0xff5e) { // full-width letters and digits
            table[c] = uint16_t(QChar(char16_t(c - 0xfee0)).toLower().unicode());
            if (dropped(QChar(char16_t(c - 0xfee0))))
                table[c] = 0;
        } else if (isHan(char16_t(c))) {
            const QString one(unit);
            for (const QString& converted :
                 {toSimplified.convert(one), taiwan.convert(one), hongKong.convert(one),
                  toSimplified.convert(japanese.convert(one))})
                if (converted.size() == 1 && converted[0] != unit) {
                    table[c] = converted[0].unicode();
                    break;
                }
        }
    }
    addReviewed(table, additionsPath);
    for (uint32_t c = 0; c < 65536; ++c) {
        uint16_t folded = table[c];
        for (int steps = 0; folded != 0 && table[folded] != folded && steps < 8; ++steps)
            folded = table[folded];
        table[c] = folded;
    }
    return table;
}

} // namespace mklibrary
