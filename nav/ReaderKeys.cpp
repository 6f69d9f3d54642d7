#include "ReaderKeys.h"

namespace nav {

using namespace Qt::Literals::StringLiterals;

// In the order of the menu and of the keys page.
const QList<ReaderKey>& readerKeys() {
    static const QList<ReaderKey> keys{
        {.id = u"zoomIn"_s,
         .what = u"放大"_s,
         .keys = {u"Ctrl+="_s, u"Ctrl++"_s},
         .mouse = {u"Ctrl+滚轮向上"_s},
         .menu = true},
        {.id = u"zoomOut"_s,
         .what = u"缩小"_s,
         .keys = {u"Ctrl+-"_s},
         .mouse = {u"Ctrl+滚轮向下"_s},
         .menu = true},
        {.id = u"zoomReset"_s, .what = u"原始大小"_s, .keys = {u"Ctrl+0"_s}, .menu = true},
        {.id = u"back"_s,
         .what = u"后退"_s,
         .keys = {u"Alt+Left"_s},
         .mouse = {u"鼠标后退键"_s},
         .menu = true},
        {.id = u"forward"_s,
         .what = u"前进"_s,
         .keys = {u"Alt+Right"_s},
         .mouse = {u"鼠标前进键"_s},
         .menu = true},
        {.id = u"random"_s, .what = u"随机一首"_s, .keys = {u"Ctrl+R"_s}, .menu = true},
        {.id = u"theme"_s, .what = u"主题"_s, .keys = {u"Ctrl+Shift+D"_s}, .menu = true},
        {.id = u"script"_s,
         .what = u"繁体"_s,
         .keys = {u"Ctrl+Shift+T"_s},
         .menu = true,
         .checkable = true},
        // Which Traditional the switch above shows: menu entries without keys.
        {.id = u"scriptStandard"_s, .what = u"繁體"_s, .menu = true, .checkable = true},
        {.id = u"scriptTaiwan"_s, .what = u"臺灣正體"_s, .menu = true, .checkable = true},
        {.id = u"scriptHongKong"_s, .what = u"香港繁體"_s, .menu = true, .checkable = true},
        {.id = u"pinyin"_s,
         .what = u"拼音"_s,
         .keys = {u"Ctrl+Shift+P"_s},
         .menu = true,
         .checkable = true},
        {.id = u"metre"_s,
         .what = u"格律"_s,
         .keys = {u"Ctrl+Shift+M"_s},
         .menu = true,
         .checkable = true},
        {.id = u"vertical"_s,
         .what = u"竖排"_s,
         .keys = {u"Ctrl+Shift+V"_s},
         .menu = true,
         .checkable = true},
        {.id = u"print"_s, .what = u"打印…"_s, .keys = {u"Ctrl+P"_s}, .menu = true},
        {.id = u"savePdf"_s, .what = u"存为 PDF…"_s, .keys = {u"Ctrl+Shift+S"_s}, .menu = true},
        {.id = u"saveCard"_s, .what = u"存为图片…"_s, .menu = true},
        {.id = u"copyCard"_s, .what = u"复制为图片"_s, .keys = {u"Ctrl+Shift+C"_s}, .menu = true},
        // The anthology's poem against the library's editions of it.
        {.id = u"editions"_s,
         .what = u"其他版本"_s,
         .keys = {u"Ctrl+Shift+E"_s},
         .menu = true,
         .library = true},
        // The piece chosen kept or dropped; the entry says which it will do.
        {.id = u"favourite"_s, .what = u"收藏"_s, .keys = {u"Ctrl+D"_s}, .menu = true},
        {.id = u"exportFavourites"_s, .what = u"导出收藏…"_s, .menu = true},
        {.id = u"importFavourites"_s, .what = u"导入收藏…"_s, .menu = true},
        {.id = u"printFavourites"_s, .what = u"打印收藏…"_s, .menu = true},
        {.id = u"find"_s,
         .what = u"查找…"_s,
         .keys = {u"Ctrl+F"_s, u"Ctrl+K"_s},
         .treeKeys = {u"/"_s},
         .menu = true},
        {.id = u"findNext"_s, .what = u"下一处"_s, .keys = {u"F3"_s}},
        {.id = u"findPrevious"_s, .what = u"上一处"_s, .keys = {u"Shift+F3"_s}},
        {.id = u"closeFind"_s, .what = u"关闭查找"_s, .keys = {u"Esc"_s}},
        {.id = u"keys"_s, .what = u"按键一览"_s, .keys = {u"F1"_s}, .menu = true},
    };
    return keys;
}

const ReaderKey& readerKey(const QString& id) {
    for (const ReaderKey& key : readerKeys())
        if (key.id == id)
            return key;
    static const ReaderKey none;
    return none;
}

QList<pages::KeyRow> keyRows(bool withLibrary) {
    QList<pages::KeyRow> rows;
    for (const ReaderKey& key : readerKeys()) {
        if (key.library && !withLibrary)
            continue;
        const QStringList all = key.keys + key.treeKeys + key.mouse;
        if (!all.isEmpty())
            rows << pages::KeyRow{key.what, all};
    }
    return rows;
}

} // namespace nav
