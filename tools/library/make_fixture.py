#!/usr/bin/env python3
"""Cuts the test fixture from the unpacked package: the same layout with a
few hundred pieces per collection, chosen as the first of each collection
plus the pieces the tests look for by name, and the licence. A piece keeps
its notes whole; the slice must hold pieces of 花间集 with notes and without,
and of 南唐二主词 with notes, for the tests of the notes.

    make_fixture.py PACKAGE_DIR FIXTURE_DIR
"""
import glob
import json
import os
import re
import shutil
import sys

FIRST = 150
# Pieces the tests find by a line, with the author they must carry.
WANTED = {("李白", "靜夜思"), ("王安石", "泊船瓜洲"), ("蘇軾", "題西林壁"), ("朱熹", "觀書有感二首  其一"),
          ("王之渙", "登鸛雀樓"), ("孟浩然", "春曉"), ("杜甫", "春望"), ("蘇軾", "飲湖上初晴後雨二首  其二"),
          ("李清照", "如梦令"), ("苏轼", "水调歌头")}


def load(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def save(data, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        json.dump(data, f, ensure_ascii=False, indent=0)


def number_key(path):
    found = re.findall(r"\d+", os.path.basename(path))
    return int(found[-1]) if found else -1


def slice_big(src, dst, folder, stem, rank_kind, rank_stem, title_field="title"):
    """The first pieces of the first file and every wanted piece, in one
    file numbered 0, with a rank file that runs parallel to it."""
    chosen, ranks = [], []
    for path in sorted(glob.glob(os.path.join(src, folder, stem + ".*.json")), key=number_key):
        rank_path = os.path.join(src, "rank", rank_kind, f"{rank_stem}.rank.{number_key(path)}.json")
        rank = load(rank_path) if os.path.exists(rank_path) else []
        for index, piece in enumerate(load(path)):
            wanted = (piece.get("author"), piece.get(title_field)) in WANTED
            if len(chosen) < FIRST or wanted:
                chosen.append(piece)
                ranks.append(rank[index] if index < len(rank) else {})
    save(chosen, os.path.join(dst, folder, stem + ".0.json"))
    save(ranks, os.path.join(dst, "rank", rank_kind, rank_stem + ".rank.0.json"))
    return {piece.get("author") for piece in chosen}


def slice_authors(src, dst, path, names, field="name"):
    entries = [a for a in load(os.path.join(src, path)) if a.get(field) in names]
    save(entries, os.path.join(dst, path))


def trimmed(data, count):
    """Lists cut to their first entries, books to their first volumes and
    chapters: the shapes stay, the bulk goes."""
    if isinstance(data, list):
        return [trimmed(item, 20) for item in data[:count]]
    if isinstance(data, dict):
        return {key: trimmed(value, 3 if key == "content" else 40) if key in ("content", "paragraphs") else value
                for key, value in data.items()}
    return data


def slice_list(src, dst, path, count=FIRST):
    data = load(os.path.join(src, path))
    save(trimmed(data, count), os.path.join(dst, path))


def check_notes(dst):
    """Stops when the slice lacks what the tests of the notes read."""
    flower = load(os.path.join(dst, "wudaishici", "huajianji", "huajianji-1-juan.json"))
    kings = load(os.path.join(dst, "wudaishici", "nantang", "poetrys.json"))
    annotated = [bool(poem.get("notes")) for poem in flower]
    if not (any(annotated) and not all(annotated) and any(poem.get("notes") for poem in kings)):
        sys.exit("make_fixture.py: the slice lacks annotated pieces of 花间集 or 南唐二主词")


def main():
    src, dst = sys.argv[1], sys.argv[2]
    if os.path.isdir(os.path.join(src, "dist")):
        shutil.copy(os.path.join(src, "LICENSE"), os.path.join(dst, "LICENSE"))
        src = os.path.join(src, "dist")
    dst = os.path.join(dst, "dist")
    tang = slice_big(src, dst, "quantangshi", "poet.tang", "poet", "poet.tang")
    song = slice_big(src, dst, "quantangshi", "poet.song", "poet", "poet.song")
    ci = slice_big(src, dst, "songci", "ci.song", "ci", "ci.song", "rhythmic")
    slice_authors(src, dst, "quantangshi/authors.tang.json", tang)
    slice_authors(src, dst, "quantangshi/authors.song.json", song)
    slice_authors(src, dst, "songci/author.song.json", ci)
    for path in ("yuanqu/yuanqu.json", "shijing/shijing.json", "chuci/chuci.json",
                 "lunyu/lunyu.json", "nalanxingde/纳兰性德诗集.json", "caocaoshiji/caocao.json",
                 "youmengying/youmengying.json", "wudaishici/nantang/poetrys.json",
                 "wudaishici/nantang/authors.json", "wudaishici/huajianji/huajianji-1-juan.json"):
        slice_list(src, dst, path)
    for path in glob.glob(os.path.join(src, "sishuwujing", "*.json")) + glob.glob(
            os.path.join(src, "mengxue", "*.json")):
        slice_list(src, dst, os.path.relpath(path, src))
    check_notes(dst)


if __name__ == "__main__":
    main()
