#include "LibraryShelf.h"

#include "library/LibraryFile.h"

#include <QHash>

#include <algorithm>

namespace nav::libraryShelf {
namespace {

struct Shelf {
    const char16_t* label;
    std::vector<const char16_t*> members; // empty: the collection of the label's name
};

const std::vector<Shelf>& order() {
    static const std::vector<Shelf> shelves = {
        {u"诗经", {}},
        {u"楚辞", {}},
        {u"论语", {}},
        {u"四书", {u"大学", u"中庸", u"孟子"}},
        {u"曹操", {}},
        {u"全唐诗", {}},
        {u"花间集", {}},
        {u"南唐二主词", {}},
        {u"全宋词", {u"宋词"}},
        {u"全宋诗", {}},
        {u"元曲", {}},
        {u"纳兰性德", {}},
        {u"幽梦影", {}},
        {u"蒙学",
         {u"三字经", u"百家姓", u"千字文", u"弟子规", u"声律启蒙", u"幼学琼林", u"增广贤文",
          u"朱子家训", u"文字蒙求", u"千家诗", u"唐诗三百首", u"古文观止"}},
    };
    return shelves;
}

QString nameOf(const library::LibraryFile& file, int collection) {
    const auto& record = file.collections()[size_t(collection)];
    return file.string(record.nameOffset, record.nameLength).toString();
}

} // namespace

QString labelOf(const QString& fileName) {
    return fileName == u"宋词" ? QStringLiteral("全宋词") : fileName;
}

QString dynastyOf(const QString& fileName) {
    static const QHash<QString, QString> dynasties = {
        {QStringLiteral("全唐诗"), QStringLiteral("唐")},
        {QStringLiteral("唐诗三百首"), QStringLiteral("唐")},
        {QStringLiteral("全宋诗"), QStringLiteral("宋")},
        {QStringLiteral("宋词"), QStringLiteral("宋")},
        {QStringLiteral("元曲"), QStringLiteral("元")},
        {QStringLiteral("花间集"), QStringLiteral("五代")},
        {QStringLiteral("南唐二主词"), QStringLiteral("南唐")},
        {QStringLiteral("纳兰性德"), QStringLiteral("清")},
        {QStringLiteral("幽梦影"), QStringLiteral("清")},
        {QStringLiteral("曹操"), QStringLiteral("东汉")},
        {QStringLiteral("楚辞"), QStringLiteral("先秦")},
        {QStringLiteral("诗经"), QStringLiteral("先秦")},
        {QStringLiteral("论语"), QStringLiteral("先秦")},
        {QStringLiteral("大学"), QStringLiteral("先秦")},
        {QStringLiteral("中庸"), QStringLiteral("先秦")},
        {QStringLiteral("孟子"), QStringLiteral("先秦")},
    };
    return dynasties.value(fileName);
}

std::vector<Entry> shelve(const library::LibraryFile& file) {
    QHash<QString, int> present;
    for (int c = 0; c < int(file.collections().size()); ++c)
        present.insert(nameOf(file, c), c);
    std::vector<Entry> entries;
    QHash<QString, int> shelved = present;
    for (const Shelf& shelf : order()) {
        Entry entry{QString::fromUtf16(shelf.label), {}, !shelf.members.empty()};
        const std::vector<const char16_t*> names =
            shelf.members.empty() ? std::vector{shelf.label} : shelf.members;
        for (const char16_t* name : names) {
            const QString member = QString::fromUtf16(name);
            if (present.contains(member)) {
                entry.members.push_back(present.value(member));
                shelved.remove(member);
            }
        }
        // A group of one book is still the group: the primers stay 蒙学.
        entry.group = entry.group && shelf.members.size() > 1;
        if (!entry.members.empty())
            entries.push_back(std::move(entry));
    }
    std::vector<int> rest(shelved.cbegin(), shelved.cend());
    std::sort(rest.begin(), rest.end());
    for (int c : rest)
        entries.push_back({labelOf(nameOf(file, c)), {c}, false});
    return entries;
}

} // namespace nav::libraryShelf
