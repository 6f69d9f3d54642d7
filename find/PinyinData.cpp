#include "PinyinData.h"

#include "platform/HanCharacter.h"
#include "store/Pinyin.h"

namespace find {
namespace {

// Lays syllables, one per Han character, onto the characters of text.
void layOnto(const QString& text, const QStringList& syllables,
             std::vector<QStringList>& perCharacter) {
    size_t character = 0;
    qsizetype next = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++character) {
        char32_t code = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (character >= perCharacter.size())
            perCharacter.resize(character + 1);
        if (platform::isHanCharacter(code) && next < syllables.size()) {
            QStringList& here = perCharacter[character];
            if (!here.contains(syllables[next]))
                here.append(syllables[next]);
            ++next;
        }
    }
}

} // namespace

PinyinData::PinyinData(const store::Pinyin& pinyin) : m_pinyin(pinyin) {
    for (const store::TitleReadings& title : pinyin.titles())
        m_titles.insert(title.title, title.syllables);
}

std::vector<QStringList> PinyinData::readings(const QString& text, Role role) const {
    std::vector<QStringList> perCharacter;
    if (role == Role::Title) {
        layOnto(text, m_titles.value(text), perCharacter);
        return perCharacter;
    }
    // Where a name has more than one reading, either finds it.
    for (const QString& reading : m_pinyin.name(text))
        layOnto(text, reading.split(u' ', Qt::SkipEmptyParts), perCharacter);
    return perCharacter;
}

} // namespace find
