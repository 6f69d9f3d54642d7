#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The prose of the introductory pages, one paragraph per entry.
namespace pages::preface {

extern const QStringList kPreface;  // 2 paragraphs
extern const QStringList kShiIntro; // 7: the two kinds of shi, ending on the example
extern const QStringList kShiRules; // 9: the marks, the six rules, the forms
extern const QStringList kCi;       // 6
extern const QStringList kSanqu;    // 21; entry kSanquQuote is a quoted line of verse
inline constexpr int kSanquQuote = 13;
extern const QStringList kEras;   // 6; the last ends without a line break
extern const QStringList kIdioms; // 12; the last ends without a line break

// The regulated poem that illustrates the tone patterns.
extern const QString kExampleTitle;
extern const QString kExamplePoet;
extern const std::array<QString, 4> kExampleCouplets;
extern const std::array<QString, 4> kExampleTones;

} // namespace pages::preface
