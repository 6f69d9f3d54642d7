#pragma once

#include <QString>

// A piece as a picture to send: title, poet and text on the reader's paper,
// with its cinnabar seal. The HTML is laid out at a fixed width, so the
// picture looks the same whatever the window's size; it is drawn at any
// resolution by scaling.
namespace pages {

struct Card {
    QString title;
    QString poet;
    QString text; // lines separated by CR LF, as the content keeps them
    bool vertical = false;
};

// The width the card is laid out at, in CSS pixels.
constexpr int kCardWidth = 540;

// The card as a complete UTF-8 HTML document. Note markers are left out:
// the card carries no notes for them to point at.
QString cardHtml(const Card& card);

// The size of the verse in CSS pixels: vertical cards shrink it so that
// every column fits the card's width.
int cardFontSize(const Card& card);

} // namespace pages
