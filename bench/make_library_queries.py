#!/usr/bin/env python3
"""Writes the committed query set of the library bench from extract.py's
records: substrings of 1 to 12 characters of random lines (Traditional and
Simplified sources alike), pairs of terms, one-character-off forms, famous
lines, queries that match nothing, and pinyin. Seeded, so it is reproducible.

    make_library_queries.py RECORDS.jsonl > bench/library_queries.txt
"""
import json
import random
import sys

FAMOUS = ["春风又绿江南岸", "关关雎鸠", "路漫漫其修远兮", "学而时习之", "人生若只如初见",
          "问渠那得清如许", "粒粒皆辛苦", "横看成岭侧成峰", "床前明月光", "静夜思", "李白",
          "明月几时有", "大江东去", "寻寻觅觅", "春眠不觉晓", "白日依山尽", "国破山河在"]
NOTHING = ["没有这样的诗句哦", "量子计算机", "互联网", "zzzz", "人工智能芯片", "星际穿越",
           "飞机场", "电脑", "手机号码", "程序员"]
# Titles and authors typed in pinyin: whole readings, initials, a name
# half typed, a tone mark, and letters that spell nothing.
PINYIN = ["jingyesi", "jys", "libai", "lb", "dufu", "sushi", "shuidiaotou", "chunxiao",
          "dengguanquelou", "chunwang", "li", "zh", "wangwei", "xiaoyaoyou", "qiangjinjiu",
          "guanju", "nalanxingde", "caocao", "rumengling", "xunxunmimi", "lǐ bái", "Li Qingzhao",
          "xyz", "qqqqqqqq"]


def main():
    rng = random.Random(20261207)
    lines = []
    for raw in open(sys.argv[1], encoding="utf-8"):
        record = json.loads(raw)
        if "l" in record:
            lines.extend((record["c"], line) for line in record["l"][:4] if len(line) >= 12)
    hans = [c for _, line in rng.sample(lines, 2000) for c in line if "\u4e00" <= c <= "\u9fff"]
    queries = list(FAMOUS) + list(NOTHING)
    while len(queries) < 260:
        _, line = rng.choice(lines)
        length = rng.choice([1, 2, 2, 3, 4, 4, 5, 5, 6, 7, 7, 8, 10, 12])
        start = rng.randrange(0, len(line) - length + 1)
        queries.append(line[start:start + length].strip("，。？！；：、 "))
    for _ in range(25):  # two terms from the same line
        _, line = rng.choice(lines)
        queries.append(line[0:2] + " " + line[5:7])
    for _ in range(30):  # one character off
        _, line = rng.choice(lines)
        part = list(line[0:7].strip("，。？！；："))
        if len(part) >= 5:
            part[rng.randrange(len(part))] = rng.choice(hans)
            queries.append("".join(part))
    queries.extend(PINYIN)
    for query in queries:
        if query.strip():
            print(query)


if __name__ == "__main__":
    main()
