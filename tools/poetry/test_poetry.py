#!/usr/bin/env python3
"""Tests of the verse text tools: python3 -m unittest test_poetry (needs opencc)."""

import json
import os
import shutil
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import build_base  # noqa: E402
import compare  # noqa: E402
import normalise as N  # noqa: E402


class TextRules(unittest.TestCase):
    def test_notes_removed_also_across_paragraphs(self):
        paras = ["回乐烽前沙似雪，受降城外月如霜。(回乐", "一作：回乐", "）",
                 "孤帆远影碧空尽，唯见长江天际流。 (唯 通：惟)",
                 "欲行不行各尽觞。（名成 一作：名高）"]
        self.assertEqual(N.normalise_paragraphs(paras),
                         ["回乐烽前沙似雪，受降城外月如霜。",
                          "孤帆远影碧空尽，唯见长江天际流。",
                          "欲行不行各尽觞。"])

    def test_variants_punctuation_and_counters(self):
        self.assertEqual(N.clean_line("飞沈理自隔,何所慰吾诚?"), "飞沈理自隔，何所慰吾诚？")
        self.assertEqual(N.clean_line("猨声鴈影（之一）人去也！。"), "猿声雁影人去也！")
        self.assertEqual(N.normalise_title("诈妮子调风月・仙吕/点绛唇"), "诈妮子调风月·仙吕/点绛唇")
        self.assertEqual(N.normalise_title("绝句四首 三"), "绝句四首·三")

    def test_couplet_split(self):
        self.assertEqual(N.split_couplets("晚年唯好静，万事不关心。自顾无长策，空知返旧林。"),
                         ["晚年唯好静，万事不关心。", "自顾无长策，空知返旧林。"])
        # a sentence without comma, or a semicolon, never splits a line
        for p in ("问君西游何时还？畏途巉岩不可攀。", "朝避猛虎，夕避长蛇；磨牙吮血，杀人如麻。"):
            self.assertEqual(N.split_couplets(p), [p])

    def test_markers(self):
        self.assertEqual(N.flat(["西陆⑴蝉声唱①，南冠<sup>(21)</sup>客思深⒇。"]),
                         "西陆蝉声唱，南冠客思深。")


class AgainstPackage(unittest.TestCase):
    """build_base and compare on a small package laid out like chinese-poetry."""

    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        root = os.path.join(self.tmp, "dist")
        os.makedirs(os.path.join(root, "quantangshi"))
        os.makedirs(os.path.join(root, "yuanqu"))
        with open(os.path.join(root, "quantangshi", "poet.tang.0.json"), "w") as fh:
            json.dump([{"author": "張九齡", "title": "感遇十二首 一", "id": "x1",
                        "paragraphs": ["飛沈理自隔，何所慰吾誠。(誠 一作：情)"]}],
                      fh, ensure_ascii=False)
        with open(os.path.join(root, "yuanqu", "yuanqu.json"), "w") as fh:
            json.dump([{"author": "张养浩", "title": "中吕・山坡羊",
                        "paragraphs": ["天，成就你。", "潼关怀古峰峦如聚，波涛如怒。",
                                       "兴，百姓苦！未央怀古三杰当日。"]}],
                      fh, ensure_ascii=False)
        self.root = root
        self.sources = {
            "TangShi": [{"ID": 14, "source": [{"file": "quantangshi/poet.tang.0.json",
                                              "index": 0, "id": "x1"}]}],
            "YuanQu": [{"ID": 2, "source": [{"file": "yuanqu/yuanqu.json", "index": 0,
                                            "begin": "峰峦如聚", "end": "兴，百姓苦！"}]}]}
        self.corr = [
            {"table": "TangShi", "ID": 14, "from": "飞沈", "to": "飞沉", "reason": "依义"},
            {"table": "TangShi", "ID": 14, "field": "TiMu", "from": "感遇十二首·一",
             "to": "感遇·其一", "reason": "题目"},
            {"table": "YuanQu", "ID": 2, "field": "TiMu", "from": "中吕·山坡羊",
             "to": "中吕·山坡羊·潼关怀古", "reason": "分出单篇"}]

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def build(self, table):
        rows, problems = build_base.build_table(self.root, table, self.sources[table], self.corr)
        self.assertEqual(problems, [])
        return rows

    def test_build_applies_normalisation_span_and_corrections(self):
        tang = self.build("TangShi")[0]
        self.assertEqual((tang["ZuoZhe"], tang["TiMu"], tang["NeiRong"]),
                         ("张九龄", "感遇·其一", ["飞沉理自隔，何所慰吾诚。"]))
        yuan = self.build("YuanQu")[0]
        self.assertEqual(yuan["TiMu"], "中吕·山坡羊·潼关怀古")
        self.assertEqual(yuan["NeiRong"], ["峰峦如聚，波涛如怒。", "兴，百姓苦！"])

    def test_build_flags_a_poem_stored_twice(self):
        src = self.sources["TangShi"][0]["source"]
        refs = self.sources["TangShi"] + [{"ID": 15, "source": src}, {"ID": 14, "source": src}]
        rows, problems = build_base.build_table(self.root, "TangShi", refs, self.corr)
        self.assertEqual(problems, ["TangShi 14: ID used twice"])
        # row 15 lacks the 沈/沉 correction; once equal, punctuation does not hide it
        rows[1]["NeiRong"] = ["飞沉理自隔；何所慰吾诚？"]
        self.assertEqual(build_base.check_duplicates("TangShi", rows[:2]),
                         ["TangShi 15: same text as TangShi 14 (感遇十二首·一)"])

    def test_compare_accepts_markers_and_reports_real_changes(self):
        rows = self.build("TangShi")
        rows[0]["NeiRong"] = ["飞沉⑴理自隔，何所慰吾诚<sup>(21)</sup>。"]
        n, msgs = compare.compare_table(self.root, "TangShi", rows,
                                        self.sources["TangShi"], self.corr)
        self.assertEqual((n, msgs), (1, []))
        rows[0]["NeiRong"] = ["飞沈理自隔，何所慰吾情。"]
        rows[0]["ZuoZhe"] = "张九"
        _, msgs = compare.compare_table(self.root, "TangShi", rows,
                                        self.sources["TangShi"], self.corr)
        text = "\n".join(msgs)
        self.assertIn("ZuoZhe", text)
        self.assertIn("“沉” -> ours “沈”", text)
        self.assertIn("“诚” -> ours “情”", text)

    def test_compare_flags_missing_rows_and_stale_corrections(self):
        rows = self.build("YuanQu")
        rows[0]["TiMu"] = "中吕·山坡羊"
        corr = self.corr + [{"table": "YuanQu", "ID": 2, "from": "不在", "to": "x",
                             "reason": "t"}]
        _, msgs = compare.compare_table(self.root, "YuanQu", rows,
                                        self.sources["YuanQu"] + [{"ID": 3, "source": []}], corr)
        text = "\n".join(msgs)
        self.assertIn("1 row(s) listed in sources.json are missing: 3", text)
        self.assertIn("“不在” -> “x” does not apply", text)
        self.assertIn("TiMu", text)
        self.assertEqual(compare.id_ranges([2, 3, 4, 7, 9, 10]), "2-4, 7, 9-10")


if __name__ == "__main__":
    unittest.main()
