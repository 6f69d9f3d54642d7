#!/usr/bin/env python3
"""Reads the unpacked chinese-poetry package and writes one JSON object per
line: first the collections' authors, then their pieces, in the order the
library keeps them. The builder (mklibrary) folds, groups and indexes them.

    extract.py PACKAGE_DIR OUTPUT.jsonl

Each piece: {"c": collection, "t": title, "a": author, "s": section,
"l": [lines], "f": fame}, and "n": [notes] where the source annotates it,
all pieces first. Each author: {"c": collection, "a": name,
"b": biography}. A collection the package lacks (a fixture slice) is left
out; anything else malformed stops the build with the file's name.
"""
import glob
import json
import math
import os
import re
import sys

# The order of the collections: the small classics and the school
# anthologies before the four large collections, so that where fame is
# equal the better-known edition leads.
COLLECTIONS = [
    "诗经", "楚辞", "论语", "大学", "中庸", "孟子", "唐诗三百首", "千家诗", "古文观止",
    "全唐诗", "全宋诗", "宋词", "元曲", "花间集", "南唐二主词", "纳兰性德", "曹操",
    "幽梦影", "三字经", "千字文", "百家姓", "弟子规", "声律启蒙", "幼学琼林", "增广贤文",
    "朱子家训", "文字蒙求",
]


def load(path):
    try:
        with open(path, encoding="utf-8") as f:
            return json.load(f)
    except (OSError, ValueError) as error:
        sys.exit(f"extract.py: cannot read {path}: {error}")


def number_key(path):
    found = re.findall(r"\d+", os.path.basename(path))
    return int(found[-1]) if found else -1


def fame(entry):
    """The search engines' hit counts as one figure: the mean of their
    logarithms, so that no single engine's outliers decide."""
    engines = ("baidu", "so360", "bing", "bing_en", "google")
    counts = [entry.get(name) or 0 for name in engines]
    return round(1000 * sum(math.log1p(max(0, c)) for c in counts) / len(engines))


def kept_lines(lines):
    """The lines that hold text, trimmed."""
    return [line.strip() for line in lines if isinstance(line, str) and line.strip()]


class Output:
    def __init__(self):
        self.pieces = {name: [] for name in COLLECTIONS}
        self.authors = {name: [] for name in COLLECTIONS}

    def piece(self, collection, title, author, lines, section="", fame_value=0, notes=None):
        lines = kept_lines(lines)
        if not lines and not title:
            return
        record = {"c": collection, "t": (title or "").strip(), "a": (author or "").strip(),
                  "s": section or "", "l": lines, "f": fame_value}
        notes = kept_lines(notes if isinstance(notes, list) else [notes])
        if notes:
            record["n"] = notes
        self.pieces[collection].append(record)

    def author(self, collection, name, bio):
        if name:
            self.authors[collection].append({"c": collection, "a": name.strip(),
                                             "b": (bio or "").strip()})

    def write(self, path):
        with open(path, "w", encoding="utf-8") as f:
            # Pieces first: the builder numbers the collections in the
            # order their first record comes.
            for name in COLLECTIONS:
                for record in self.pieces[name]:
                    f.write(json.dumps(record, ensure_ascii=False) + "\n")
            for name in COLLECTIONS:
                for record in self.authors[name]:
                    f.write(json.dumps(record, ensure_ascii=False) + "\n")


def ranks(root, kind, stem):
    """The rank files, by the number in their name: their entries run
    parallel to the pieces of the same numbered file."""
    found = {}
    for path in glob.glob(os.path.join(root, "rank", kind, stem + ".rank.*.json")):
        if re.search(r"\.rank\.\d+\.json$", path):
            found[number_key(path)] = load(path)
    return found


def fame_of(rank_list, index, author, title):
    if rank_list and index < len(rank_list):
        entry = rank_list[index]
        if entry.get("author") == author and (entry.get("title", entry.get("rhythmic")) == title):
            return fame(entry)
    return 0


def big_poems(out, root, stem, collection):
    rank = ranks(root, "poet", stem)
    for path in sorted(glob.glob(os.path.join(root, "quantangshi", stem + ".*.json")), key=number_key):
        rank_list = rank.get(number_key(path))
        for index, poem in enumerate(load(path)):
            out.piece(collection, poem.get("title"), poem.get("author"), poem.get("paragraphs", []),
                      fame_value=fame_of(rank_list, index, poem.get("author"), poem.get("title")))


def ci(out, root):
    rank = ranks(root, "ci", "ci.song")
    for path in sorted(glob.glob(os.path.join(root, "songci", "ci.song.*.json")), key=number_key):
        rank_list = rank.get(number_key(path))
        for index, poem in enumerate(load(path)):
            out.piece("宋词", poem.get("rhythmic"), poem.get("author"), poem.get("paragraphs", []),
                      fame_value=fame_of(rank_list, index, poem.get("author"), poem.get("rhythmic")))
    for author in load_if(os.path.join(root, "songci", "author.song.json")) or []:
        out.author("宋词", author.get("name"), author.get("description"))


def load_if(path):
    return load(path) if os.path.exists(path) else None


def yuanqu(out, root):
    # The author field sometimes carries the play the song comes from:
    # 高明《蔡伯喈琵琶记》 is 高明, in the section 《蔡伯喈琵琶记》.
    for song in load_if(os.path.join(root, "yuanqu", "yuanqu.json")) or []:
        author = song.get("author") or ""
        section = ""
        match = re.match(r"^(.*?)(《[^》]+》)\s*$", author)
        if match:
            author, section = match.group(1), match.group(2)
        out.piece("元曲", song.get("title"), author, song.get("paragraphs", []), section)


def chapters(out, collection, items, author="", section=""):
    for item in items:
        out.piece(collection, item.get("chapter") or item.get("title"),
                  clean_author(item.get("author")) or author, item.get("paragraphs", []),
                  item.get("source") or section)


def clean_author(name):
    # 千家诗 writes （唐）孟浩然, 古文观止 先秦：左丘明.
    if not name:
        return ""
    name = re.sub(r"^[（(][^）)]*[）)]", "", name.strip())
    return re.sub(r"^[^：:]*[：:]", "", name).strip()


def mengxue(out, root):
    base = os.path.join(root, "mengxue")
    simple = {"sanzijing-traditional.json": "三字经", "sanzijing-new.json": "三字经",
              "qianziwen.json": "千字文", "baijiaxing.json": "百家姓", "zhuzijiaxun.json": "朱子家训"}
    for name, collection in simple.items():
        book = load_if(os.path.join(base, name))
        if book:
            title = book.get("title", "")
            if book.get("tags") and collection == "三字经":
                title += "（" + book["tags"] + "）"
            out.piece(collection, title, book.get("author"), book.get("paragraphs", []))
    for name, collection in {"guwenguanzhi.json": "古文观止", "qianjiashi.json": "千家诗",
                             "tangshisanbaishou.json": "唐诗三百首", "shenglvqimeng.json": "声律启蒙",
                             "youxueqionglin.json": "幼学琼林"}.items():
        book = load_if(os.path.join(base, name))
        for volume in (book or {}).get("content", []):
            chapters(out, collection, volume.get("content", []),
                     section=volume.get("title") or volume.get("type") or "")
    for name, collection in {"dizigui.json": "弟子规", "zengguangxianwen.json": "增广贤文"}.items():
        book = load_if(os.path.join(base, name))
        if book:
            chapters(out, collection, book.get("content", []), author=book.get("author", ""))
    book = load_if(os.path.join(base, "wenzimengqiu.json"))
    if book:
        for volume in book.get("content", []):
            out.piece("文字蒙求", volume.get("title"), "王筠", volume.get("paragraphs", []))


def classics(out, root):
    for poem in load_if(os.path.join(root, "shijing", "shijing.json")) or []:
        out.piece("诗经", poem.get("title"), "", poem.get("content", []),
                  "·".join(x for x in (poem.get("chapter"), poem.get("section")) if x))
    for poem in load_if(os.path.join(root, "chuci", "chuci.json")) or []:
        out.piece("楚辞", poem.get("title"), poem.get("author"), poem.get("content", []),
                  poem.get("section", ""))
    for chapter in load_if(os.path.join(root, "lunyu", "lunyu.json")) or []:
        out.piece("论语", chapter.get("chapter"), "", chapter.get("paragraphs", []))
    for name, collection in (("daxue", "大学"), ("zhongyong", "中庸"), ("mengzi", "孟子")):
        book = load_if(os.path.join(root, "sishuwujing", name + ".json"))
        for chapter in (book if isinstance(book, list) else [book] if book else []):
            out.piece(collection, chapter.get("chapter"), "", chapter.get("paragraphs", []))


def five_dynasties(out, root):
    for path in sorted(glob.glob(os.path.join(root, "wudaishici", "huajianji", "*-juan.json"))):
        for poem in load(path):
            out.piece("花间集", poem.get("title"), poem.get("author"), poem.get("paragraphs", []),
                      os.path.basename(path).split("-")[1] + "卷", notes=poem.get("notes"))
    nantang = os.path.join(root, "wudaishici", "nantang")
    for poem in load_if(os.path.join(nantang, "poetrys.json")) or []:
        out.piece("南唐二主词", poem.get("title") or poem.get("rhythmic"), poem.get("author"),
                  poem.get("paragraphs", []), notes=poem.get("notes"))
    for author in load_if(os.path.join(nantang, "authors.json")) or []:
        out.author("南唐二主词", author.get("name"), author.get("desc"))


def single_authors(out, root):
    for poem in load_if(os.path.join(root, "nalanxingde", "纳兰性德诗集.json")) or []:
        out.piece("纳兰性德", poem.get("title"), poem.get("author") or "纳兰性德", poem.get("para", []))
    for poem in load_if(os.path.join(root, "caocaoshiji", "caocao.json")) or []:
        out.piece("曹操", poem.get("title"), "曹操", poem.get("paragraphs", []))
    for number, entry in enumerate(load_if(os.path.join(root, "youmengying", "youmengying.json")) or [], 1):
        comments = entry.get("comment") or []
        if isinstance(comments, str):
            comments = [comments]
        out.piece("幽梦影", f"第{number}则", "张潮", [entry.get("content", "")] + comments)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: extract.py PACKAGE_DIR OUTPUT.jsonl")
    root = sys.argv[1]
    if os.path.isdir(os.path.join(root, "dist")):
        root = os.path.join(root, "dist")
    out = Output()
    classics(out, root)
    big_poems(out, root, "poet.tang", "全唐诗")
    big_poems(out, root, "poet.song", "全宋诗")
    for author in load_if(os.path.join(root, "quantangshi", "authors.tang.json")) or []:
        out.author("全唐诗", author.get("name"), author.get("desc"))
    for author in load_if(os.path.join(root, "quantangshi", "authors.song.json")) or []:
        out.author("全宋诗", author.get("name"), author.get("desc"))
    ci(out, root)
    yuanqu(out, root)
    mengxue(out, root)
    five_dynasties(out, root)
    single_authors(out, root)
    out.write(sys.argv[2])


if __name__ == "__main__":
    main()
