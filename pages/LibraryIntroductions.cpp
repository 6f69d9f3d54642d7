#include "LibraryIntroductions.h"

#include <QHash>

namespace pages {

QString libraryIntroduction(const QString& label) {
    static const QHash<QString, QString> texts = {
        {QStringLiteral("书库"),
         QStringLiteral("书库收的是公开的古典诗文全集，与本书精选的篇目互为补充：从先秦的《诗经》"
                        "《楚辞》，到唐宋的诗词总集、元人散曲，再到清代的性灵小品和历代的童蒙读物。"
                        "原文按来源照录，繁简各依其旧；同一篇作品见于几种集子时，页面会注明，文字有"
                        "出入的还可以逐句对照。")},
        {QStringLiteral("诗经"),
         QStringLiteral(
             "我国最早的诗歌总集，收西周初年到春秋中叶的诗歌三百余篇，分风、雅、颂三部分。"
             "风是各地的民间歌谣，雅多为朝会宴飨的乐歌，颂是宗庙祭祀的颂词。四言为主，"
             "重章叠句，赋、比、兴的手法由此奠定。")},
        {QStringLiteral("楚辞"),
         QStringLiteral(
             "战国时楚地兴起的新诗体，以屈原的作品为代表，宋玉等人继之，西汉刘向辑为一集。"
             "句式长短参差，多用“兮”字，想象奇丽，情感激越，与《诗经》并称为我国诗歌的两大源头。")},
        {QStringLiteral("论语"),
         QStringLiteral(
             "孔子弟子及再传弟子记录孔子言行的书，共二十篇。语句简短，意思深长，是了解儒家"
             "思想最直接的材料，宋代以后列为“四书”之首。")},
        {QStringLiteral("四书"),
         QStringLiteral(
             "南宋朱熹把《大学》《中庸》《论语》《孟子》合在一起作注，后世称为“四书”，成为"
             "元明清三代读书人的必读书。这里收《大学》《中庸》《孟子》三种，《论语》另列一类。")},
        {QStringLiteral("大学"),
         QStringLiteral(
             "原是《礼记》中的一篇，讲修身、齐家、治国、平天下的次第，开篇提出“明明德、亲民、"
             "止于至善”三纲领。")},
        {QStringLiteral("中庸"),
         QStringLiteral("原是《礼记》中的一篇，相传出自子思之手，阐发不偏不倚、恰如其分的处世之道，"
                        "以及“诚”的修养功夫。")},
        {QStringLiteral("孟子"),
         QStringLiteral("记录孟子言论和事迹的书，共七篇。主张性善与仁政，文章气势充沛，善用譬喻，"
                        "是先秦说理散文的高峰。")},
        {QStringLiteral("曹操"),
         QStringLiteral("曹操的诗作。他借乐府旧题写时事、抒怀抱，风格苍凉慷慨，开建安文学的风气，"
                        "《短歌行》《观沧海》《龟虽寿》都是传诵不衰的名篇。")},
        {QStringLiteral("全唐诗"),
         QStringLiteral(
             "清康熙年间奉敕编成的唐诗总集，汇集唐五代两千多位诗人的近五万首诗。这里依据的"
             "公开整理本以繁体录文，按作者排列，作者多附小传。")},
        {QStringLiteral("花间集"),
         QStringLiteral(
             "五代后蜀赵崇祚编的词集，收温庭筠、韦庄等十八家词五百首，是现存最早的文人词总集。"
             "词风绮丽婉约，后人称这一派为“花间词”。")},
        {QStringLiteral("南唐二主词"),
         QStringLiteral("南唐中主李璟和后主李煜的词合集。李煜亡国之后的作品，以白描写深哀，把词从"
                        "歌筵酒席引向人生感慨，影响极为深远。")},
        {QStringLiteral("全宋词"),
         QStringLiteral("宋代词作的总汇，收一千多位词人的两万余首词。从柳永、苏轼、周邦彦到李清照、"
                        "辛弃疾、姜夔，宋词的各种风格都在其中。")},
        {QStringLiteral("全宋诗"),
         QStringLiteral(
             "宋代诗歌的总集，规模超过全唐诗数倍，作者近万人。宋诗长于议论和说理，题材日常，"
             "陆游一人就留下近万首。这里依据的公开整理本以繁体录文。")},
        {QStringLiteral("元曲"),
         QStringLiteral(
             "元代的散曲和剧曲。散曲有小令和套数，语言通俗活泼，多用衬字；这里有些曲子出自"
             "杂剧或南戏，出处注在篇名之下。")},
        {QStringLiteral("纳兰性德"),
         QStringLiteral("清初词人纳兰性德的作品。他出身贵胄而性情真挚，词风清新哀婉，悼亡与边塞之作"
                        "尤其动人，被誉为“国初第一词手”。")},
        {QStringLiteral("幽梦影"),
         QStringLiteral("清代张潮的清言小品集，一则一则，短的只有一句，谈读书、交友、山水、花月，"
                        "每则之后还附有友人的评语，读来如同雅集清谈。")},
        {QStringLiteral("蒙学"),
         QStringLiteral(
             "旧时儿童启蒙读的书，以及流传最广的几种诗文选本。识字、知礼、学对仗、读诗文，"
             "大都句短押韵，便于背诵。")},
        {QStringLiteral("三字经"),
         QStringLiteral(
             "三字一句、隔句押韵的启蒙读物，相传为宋代王应麟所作，讲为学、伦常、历史和常识。")},
        {QStringLiteral("千字文"),
         QStringLiteral("南朝梁周兴嗣编次，一千个字不重复，四字一句，从天地开辟讲到修身处世，兼作"
                        "识字和习字的范本。")},
        {QStringLiteral("百家姓"),
         QStringLiteral("北宋初年编成的姓氏歌诀，四字一句，便于儿童记诵，“赵钱孙李”居首。")},
        {QStringLiteral("弟子规"),
         QStringLiteral(
             "清代李毓秀根据《论语》“弟子入则孝”一章编成的三字韵文，讲日常起居和待人接物的规矩。")},
        {QStringLiteral("声律启蒙"),
         QStringLiteral(
             "清代车万育编的对仗读本，按韵部排列，从单字对到多字对，是学写诗词的入门书。")},
        {QStringLiteral("幼学琼林"),
         QStringLiteral("明清流行的骈体启蒙读物，分天文、地舆、人事等门类，介绍典故和常识。")},
        {QStringLiteral("增广贤文"),
         QStringLiteral("明代以来流传的格言集，汇集民间谚语和前人名句，讲为人处世的经验。")},
        {QStringLiteral("朱子家训"),
         QStringLiteral(
             "清初朱用纯所作的治家格言，从“黎明即起，洒扫庭除”说起，讲勤俭持家、安分守己。")},
        {QStringLiteral("文字蒙求"),
         QStringLiteral(
             "清代王筠为儿童识字编的书，按象形、指事、会意、形声四类讲解常用字的构造。")},
        {QStringLiteral("千家诗"),
         QStringLiteral("旧时流传最广的诗歌启蒙选本，所选多为唐宋名家的绝句和律诗，浅显易诵。")},
        {QStringLiteral("唐诗三百首"), QStringLiteral("清代蘅塘退士孙洙编选的唐诗选本，兼顾各体，篇"
                                                      "篇可诵，两百多年来一直是读唐诗的入门书。")},
        {QStringLiteral("古文观止"),
         QStringLiteral(
             "清代吴楚材、吴调侯编选的古文读本，从先秦到明代，收文两百余篇，以散文为主。")},
    };
    return texts.value(label);
}

} // namespace pages
