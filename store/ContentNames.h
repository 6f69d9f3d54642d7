#pragma once

#include <QString>

// The names of the content database's tables and columns, spelled as the
// content builder creates them. The reader and the builder both take them
// from here; the engine matches names without regard to letter case.
namespace store {

namespace tables {
inline const QString TangShi = QStringLiteral("TangShi");           // shi poems
inline const QString SongCi = QStringLiteral("SongCi");             // ci lyrics
inline const QString YuanQu = QStringLiteral("YuanQu");             // sanqu songs
inline const QString ZuoZhe = QStringLiteral("ZuoZhe");             // authors
inline const QString chengyugushi = QStringLiteral("chengyugushi"); // idiom stories
inline const QString ChaoDai = QStringLiteral("ChaoDai");           // dynasties
inline const QString ChaoDai1 = QStringLiteral("ChaoDai1");         // their subdivisions
inline const QString ChaoDai2 = QStringLiteral("ChaoDai2");         // subdivisions of those
inline const QString JiyuanBiao = QStringLiteral("JiyuanBiao");     // era table rows
} // namespace tables

namespace columns {
inline const QString ID = QStringLiteral("ID");
inline const QString Id = QStringLiteral("Id"); // the idiom table's own spelling of ID
inline const QString ID1 = QStringLiteral("ID1");
// Verse tables
inline const QString ZuoZhe = QStringLiteral("ZuoZhe");   // author's name
inline const QString TiMu = QStringLiteral("TiMu");       // title
inline const QString NeiRong = QStringLiteral("NeiRong"); // the text
inline const QString ZhuShi = QStringLiteral("ZhuShi");   // notes, may be null
inline const QString JianXi = QStringLiteral("JianXi");   // analysis, may be null
// Authors
inline const QString Name = QStringLiteral("Name");
inline const QString JianJie = QStringLiteral("JianJie"); // introduction
// Idiom stories
inline const QString chengyu = QStringLiteral("chengyu"); // the idiom
inline const QString gushi = QStringLiteral("gushi");     // its story
inline const QString yinxu = QStringLiteral("yinxu");     // its initial, A to Z
// Dynasty tables and era rows
inline const QString MingCheng = QStringLiteral("名称");
inline const QString ShuoMing = QStringLiteral("说明");
inline const QString ChaoDai = QStringLiteral("朝代");
inline const QString DiWang = QStringLiteral("帝王");
inline const QString NianHao = QStringLiteral("年号");
inline const QString GanZhi = QStringLiteral("干支");
inline const QString NianFen = QStringLiteral("年份");
} // namespace columns

} // namespace store
