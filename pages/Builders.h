#pragma once

#include "Fragments.h"
#include "MetreView.h"
#include "RubyText.h"
#include "VerticalVerse.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace platform {
class Recordset;
}

// The page builders. Each writes one complete page file; the *Page functions
// give the same page as a PageFile without touching the disk.
namespace pages {

// Html: a poem or, titled 简介, an author. Bt the title, Zw the text, Zs the
// notes, Jx the analysis. With pinyin, the heading and the text lines carry
// their syllables as ruby and the head a style for them; notes and analysis
// stay as they are. With metre, a mark under each character of the text and
// the verdict under it. Vertical, the heading, the poet and the text stand
// in columns from right to left. Without any, the page is the plain one.
PageFile htmlPage(const QString& bullet, QString Bt, QString Zw, QString Zs, QString Jx,
                  const Readings* pinyin = nullptr, const MetreView* metre = nullptr,
                  const VerticalVerse* vertical = nullptr);
void Html(const Target& target, const QString& Bt, const QString& Zw, const QString& Zs,
          const QString& Jx, const Readings* pinyin = nullptr, const MetreView* metre = nullptr,
          const VerticalVerse* vertical = nullptr);

// Cy (chengyu, idiom): ChengYu the idiom, GuShi its story.
PageFile cyPage(const QString& bullet, const QString& ChengYu, const QString& GuShi);
void Cy(const Target& target, const QString& ChengYu, const QString& GuShi);

// Jyb (jiyuan biao, era table): a dynasty's description JianJie and, unless
// it has sub-dynasties (Zjd), its era table. Bnr, the era rows (columns 0 to
// 3: ruler, era names, cyclical year, year), is walked to its end.
PageFile jybPage(const QString& bullet, platform::Recordset& Bnr, const QString& JianJie, bool Zjd);
void Jyb(const Target& target, platform::Recordset& Bnr, const QString& JianJie, bool Zjd);

// ReadMe: the introductory page BtID (0 preface, 1 shi, 2 ci, 3 sanqu, 4 era
// table, 5 idiom stories); any other number gives the bare frame.
PageFile readMePage(int BtID);
void ReadMe(const Target& target, int BtID);

// The keys of the reader: one row per action, what it does and its keys.
struct KeyRow {
    QString what;
    QStringList keys;
};
PageFile keysPage(const QString& bullet, const QList<KeyRow>& rows);
void Keys(const Target& target, const QList<KeyRow>& rows);

// The user's favourites in the order added: title, poet, kind, and whether
// the tree has a node for the piece now.
struct FavouriteRow {
    QString title;
    QString poet;
    QString kind;
    bool shown = true;
};
PageFile favouritesPage(const QString& bullet, const QList<FavouriteRow>& rows);
void Favourites(const Target& target, const QList<FavouriteRow>& rows);

// Guanyu (about): the About page, with the version in its banner.
PageFile guanyuPage(int major, int minor, int revision);
// The About page of this build's version.
PageFile guanyuPage();
void Guanyu(const QString& aboutPath);

} // namespace pages
