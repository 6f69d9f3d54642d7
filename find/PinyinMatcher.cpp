#include "PinyinMatcher.h"

#include "OneEdit.h"
#include "PinyinQuery.h"

namespace find {
namespace {

// No reading is longer than six letters (zhuang, chuang, shuang).
constexpr size_t kLongestReading = 6;

// zh, ch and sh may be typed whole or by their first letter (zgc, zhgc).
bool hasDoubleInitial(std::string_view reading) {
    return reading.size() > 2 && reading[1] == 'h' &&
           (reading[0] == 'z' || reading[0] == 'c' || reading[0] == 's');
}

class Walk final {
  public:
    Walk(const PinyinKey& key, std::string_view letters, int first)
        : m_key(key), m_letters(letters), m_first(first),
          m_failed(size_t(key.size() + 1) * (letters.size() + 1), false) {}

    // The number of characters taken when the letters from `at` on can be
    // matched from character `p` on.
    std::optional<int> from(int p, size_t at) {
        if (at == m_letters.size())
            return p - m_first;
        if (p == m_key.size())
            return std::nullopt;
        const size_t cell = size_t(p) * (m_letters.size() + 1) + at;
        if (m_failed[cell])
            return std::nullopt;
        const std::string_view rest = m_letters.substr(at);
        for (const std::string& reading : m_key.readingsAt(p)) {
            if (reading.empty())
                continue;
            if (reading.starts_with(rest))
                return p + 1 - m_first;
            if (auto taken = take(p, at, reading))
                return taken;
            const std::string_view whole(reading);
            if (hasDoubleInitial(whole))
                if (auto taken = take(p, at, whole.substr(0, 2)))
                    return taken;
            if (whole.size() > 1)
                if (auto taken = take(p, at, whole.substr(0, 1)))
                    return taken;
        }
        m_failed[cell] = true;
        return std::nullopt;
    }

  private:
    std::optional<int> take(int p, size_t at, std::string_view part) {
        if (!m_letters.substr(at).starts_with(part))
            return std::nullopt;
        return from(p + 1, at + part.size());
    }

    const PinyinKey& m_key;
    std::string_view m_letters;
    int m_first;
    std::vector<bool> m_failed;
};

bool startsWithLetter(const std::vector<std::string>& readings, char letter) {
    for (const std::string& reading : readings)
        if (!reading.empty() && reading[0] == letter)
            return true;
    return false;
}

// Whether the whole readings of the characters from p on, after those
// spelled so far, come within one slip of the letters; `end` is then one
// past the last character taken.
bool spellsNear(const PinyinKey& key, int p, std::string& spelled, std::string_view letters,
                int& end) {
    if (!spelled.empty() && spelled.size() + 1 >= letters.size() &&
        withinOneEdit(std::string_view(spelled), letters, true)) {
        end = p;
        return true;
    }
    if (p == key.size() || spelled.size() > letters.size())
        return false;
    const size_t kept = spelled.size();
    for (const std::string& reading : key.readingsAt(p)) {
        spelled += reading;
        if (spellsNear(key, p + 1, spelled, letters, end))
            return true;
        spelled.resize(kept);
    }
    return false;
}

} // namespace

PinyinKey::PinyinKey(QStringView text, const std::vector<QStringList>& readings) {
    int at = 0;
    for (size_t i = 0; i < readings.size() && at < text.size(); ++i) {
        const int width = text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        std::vector<std::string> plain;
        for (const QString& reading : readings[i]) {
            std::string letters = plainReading(reading).toStdString();
            if (!letters.empty())
                plain.push_back(std::move(letters));
        }
        if (!plain.empty()) {
            m_readings.push_back(std::move(plain));
            m_begins.push_back(at);
            m_ends.push_back(at + width);
        }
        at += width;
    }
}

std::optional<PinyinHit> matchPinyin(const PinyinKey& key, std::string_view letters) {
    if (letters.empty() || letters.size() > size_t(key.size()) * kLongestReading)
        return std::nullopt;
    for (int first = 0; first < key.size(); ++first) {
        if (!startsWithLetter(key.readingsAt(first), letters[0]))
            continue;
        if (auto count = Walk(key, letters, first).from(first, 0))
            return PinyinHit{first, *count};
    }
    return std::nullopt;
}

std::optional<PinyinHit> matchPinyinNear(const PinyinKey& key, std::string_view letters) {
    if (letters.empty())
        return std::nullopt;
    std::string spelled;
    for (int first = 0; first < key.size(); ++first) {
        spelled.clear();
        int end = first;
        if (spellsNear(key, first, spelled, letters, end) && end > first)
            return PinyinHit{first, end - first};
    }
    return std::nullopt;
}

} // namespace find
