#include "ReadingTheme.h"

#include <QApplication>
#include <QStyle>

namespace shell {

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

QPalette darkPalette() {
    QPalette p;
    const QColor window(0x2b, 0x2d, 0x30);
    const QColor base(0x1e, 0x1f, 0x22);
    const QColor text(0xe0, 0xe0, 0xe0);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x90, 0x90, 0x90));
    p.setColor(QPalette::Highlight, QColor(0x2f, 0x65, 0xca));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    p.setColor(QPalette::Light, QColor(0x45, 0x48, 0x4d));
    p.setColor(QPalette::Midlight, QColor(0x3a, 0x3d, 0x41));
    p.setColor(QPalette::Mid, QColor(0x25, 0x27, 0x2a));
    p.setColor(QPalette::Dark, QColor(0x18, 0x19, 0x1b));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return p;
}

QPalette lightPalette(const QPalette& desktop) {
    return isDark(desktop) ? QApplication::style()->standardPalette() : desktop;
}

QString darkPageStyle() {
    return QStringLiteral(
        "html, body { background-color: #1e1f22 !important; color: #dcdcdc !important; }\n"
        "font[color] { color: #ff8a80 !important; }\n"
        "td[bgcolor], th[bgcolor], tr[bgcolor], table[bgcolor] "
        "{ background-color: #3a3d42 !important; }\n"
        "marquee { background-color: #243447 !important; }\n"
        "a { color: #8ab4f8 !important; }\n"
        "rt { color: #a0a0a0 !important; }\n"
        "span { color: inherit !important; background: transparent !important; }\n");
}

QString themeLabel(nav::Theme theme) {
    switch (theme) {
    case nav::Theme::Light:
        return QStringLiteral("主题：浅色");
    case nav::Theme::Dark:
        return QStringLiteral("主题：深色");
    case nav::Theme::Desktop:
        break;
    }
    return QStringLiteral("主题：跟随桌面");
}

} // namespace shell
