#pragma once

#include "Fragments.h"
#include "RubyText.h"

#include <QString>

namespace platform {
class Recordset;
}

// The page builders. Each writes one complete page file; the *Page functions
// give the same page as a PageFile without touching the disk.
namespace pages {

// A poem (title, text, notes, analysis) or, titled 简介, an author. With
// pinyin, the heading and the text lines carry their syllables as ruby and the
// head a style for them; notes and analysis stay as they are. Without, the
// page is the plain one.
PageFile htmlPage(const QString& bullet, QString Bt, QString Zw, QString Zs, QString Jx,
                  const Readings* pinyin = nullptr);
void Html(const Target& target, const QString& Bt, const QString& Zw, const QString& Zs,
          const QString& Jx, const Readings* pinyin = nullptr);

// An idiom and its story.
PageFile cyPage(const QString& bullet, const QString& ChengYu, const QString& GuShi);
void Cy(const Target& target, const QString& ChengYu, const QString& GuShi);

// A dynasty's description and, unless it is divided further (Zjd), its era
// table. Walks Bnr (columns 0 to 3: ruler, era names, cyclical year, year) to
// its end.
PageFile jybPage(const QString& bullet, platform::Recordset& Bnr, const QString& JianJie, bool Zjd);
void Jyb(const Target& target, platform::Recordset& Bnr, const QString& JianJie, bool Zjd);

// The introductory pages: 0 preface, 1 shi, 2 ci, 3 sanqu, 4 era table,
// 5 idiom stories; any other number gives the bare frame.
PageFile readMePage(int BtID);
void ReadMe(const Target& target, int BtID);

// The About page, with the version in its banner.
PageFile guanyuPage(int major, int minor, int revision);
void Guanyu(const QString& aboutPath);

} // namespace pages
