#include "ReaderKeys.h"

namespace nav {

const QList<ReaderKey>& readerKeys() {
    static const QList<ReaderKey> keys{
        {QStringLiteral("zoomIn"),
         QStringLiteral("放大"),
         {QStringLiteral("Ctrl+="), QStringLiteral("Ctrl++")},
         {QStringLiteral("Ctrl+滚轮向上")}},
        {QStringLiteral("zoomOut"),
         QStringLiteral("缩小"),
         {QStringLiteral("Ctrl+-")},
         {QStringLiteral("Ctrl+滚轮向下")}},
        {QStringLiteral("zoomReset"), QStringLiteral("原始大小"), {QStringLiteral("Ctrl+0")}},
        {QStringLiteral("back"),
         QStringLiteral("后退"),
         {QStringLiteral("Alt+Left")},
         {QStringLiteral("鼠标后退键")}},
        {QStringLiteral("forward"),
         QStringLiteral("前进"),
         {QStringLiteral("Alt+Right")},
         {QStringLiteral("鼠标前进键")}},
        {QStringLiteral("random"), QStringLiteral("随机一首"), {QStringLiteral("Ctrl+R")}},
        {QStringLiteral("theme"), QStringLiteral("主题"), {QStringLiteral("Ctrl+Shift+D")}},
        {QStringLiteral("script"), QStringLiteral("繁体"), {QStringLiteral("Ctrl+Shift+T")}},
        // Which Traditional the switch above shows: menu entries without keys.
        {QStringLiteral("scriptStandard"), QStringLiteral("繁體"), {}},
        {QStringLiteral("scriptTaiwan"), QStringLiteral("臺灣正體"), {}},
        {QStringLiteral("scriptHongKong"), QStringLiteral("香港繁體"), {}},
        {QStringLiteral("pinyin"), QStringLiteral("拼音"), {QStringLiteral("Ctrl+Shift+P")}},
        {QStringLiteral("metre"), QStringLiteral("格律"), {QStringLiteral("Ctrl+Shift+M")}},
        {QStringLiteral("find"),
         QStringLiteral("查找…"),
         {QStringLiteral("Ctrl+F"), QStringLiteral("Ctrl+K"), QStringLiteral("/")}},
        {QStringLiteral("findNext"), QStringLiteral("下一处"), {QStringLiteral("F3")}},
        {QStringLiteral("findPrevious"), QStringLiteral("上一处"), {QStringLiteral("Shift+F3")}},
        {QStringLiteral("closeFind"), QStringLiteral("关闭查找"), {QStringLiteral("Esc")}},
        {QStringLiteral("keys"), QStringLiteral("按键一览"), {QStringLiteral("F1")}},
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

QList<pages::KeyRow> keyRows() {
    QList<pages::KeyRow> rows;
    for (const ReaderKey& key : readerKeys())
        if (!key.keys.isEmpty() || !key.mouse.isEmpty())
            rows << pages::KeyRow{key.what, key.keys + key.mouse};
    return rows;
}

} // namespace nav
