#!/usr/bin/env python3
"""Build the base verse tables (texts only) from the chinese-poetry package.

Every row is the normalised package text (see normalise.py) of the source
named in sources.json, with the reviewed corrections of corrections.json
applied. Notes (ZhuShi) and analyses (JianXi) are left null.

    python3 build_base.py --out DIR [--package DIST] [--table TangShi]

writes DIR/TangShi.base.json, DIR/SongCi.base.json, DIR/YuanQu.base.json and
DIR/poets.json.
"""

import argparse
import collections
import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import normalise as N  # noqa: E402

TABLES = ("TangShi", "SongCi", "YuanQu")


def corrections_for(corrections, table, rid, field):
    return [c for c in corrections
            if c["table"] == table and c["ID"] == rid
            and c.get("field", "NeiRong") == field]


def make_lines(table, paragraphs):
    if table == "TangShi":
        lines = []
        for p in paragraphs:
            lines.extend(N.split_couplets(p))
        return lines
    return list(paragraphs)


def build_table(root, table, rows, corrections):
    srcs = N.load_sources(root, rows)
    out, problems = [], []
    for row in rows:
        rid = row["ID"]
        author, title, paras = srcs[rid]
        lines = make_lines(table, paras)
        for c in corrections_for(corrections, table, rid, "NeiRong"):
            hits = sum(l.count(c["from"]) for l in lines) if c["from"] else 0
            if not hits:
                problems.append("%s %d: correction not applicable: %s -> %s"
                                % (table, rid, c["from"], c["to"]))
                continue
            lines = [l.replace(c["from"], c["to"]) for l in lines]
        lines = [l.strip() for l in lines if l.strip()]
        zz, bad = N.apply_corrections(
            author, corrections_for(corrections, table, rid, "ZuoZhe"))
        tm, bad2 = N.apply_corrections(
            title, corrections_for(corrections, table, rid, "TiMu"))
        for c in bad + bad2:
            problems.append("%s %d: correction not applicable: %s -> %s"
                            % (table, rid, c["from"], c["to"]))
        rec = collections.OrderedDict()
        rec["ID"] = rid
        rec["ZuoZhe"] = zz
        rec["TiMu"] = tm
        rec["NeiRong"] = lines
        rec["ZhuShi"] = None
        rec["JianXi"] = None
        problems.extend(check_row(table, rec))
        out.append(rec)
    problems.extend(check_duplicates(table, out))
    return out, problems


def check_duplicates(table, rows):
    """A row ID used twice, or one text stored under two IDs (a poem
    added although the table already has it)."""
    msgs, ids, texts = [], {}, {}
    for rec in rows:
        rid = rec["ID"]
        if rid in ids:
            msgs.append("%s %d: ID used twice" % (table, rid))
            continue
        ids[rid] = True
        # punctuation differs between copies of a poem; compare the words
        key = "".join(ch for ch in N.flat(rec["NeiRong"]) if ch not in "，。；：？！、“”‘’")
        if key in texts:
            msgs.append("%s %d: same text as %s %d (%s)"
                        % (table, rid, table, texts[key], rec["TiMu"]))
        else:
            texts[key] = rid
    return msgs


def check_row(table, rec):
    msgs = []
    where = "%s %d" % (table, rec["ID"])
    if not rec["NeiRong"]:
        msgs.append(where + ": empty NeiRong")
    if len(rec["TiMu"]) > 39:
        msgs.append(where + ": TiMu longer than 39: " + rec["TiMu"])
    if not rec["ZuoZhe"] or len(rec["ZuoZhe"]) > 4:
        msgs.append(where + ": bad ZuoZhe: " + rec["ZuoZhe"])
    for s in [rec["ZuoZhe"], rec["TiMu"]] + rec["NeiRong"]:
        try:
            s.encode("gbk")
        except UnicodeEncodeError as e:
            msgs.append(where + ": not GBK: %r in %s" % (s[e.start], s))
        if "'" in s or "\n" in s or "\r" in s:
            msgs.append(where + ": forbidden character in " + s)
        for ch in s:
            o = ord(ch)
            if 0x3040 <= o <= 0x30FF or 0x3100 <= o <= 0x312F or ch in "□囗":
                msgs.append(where + ": garbled character %r in %s" % (ch, s))
    return msgs


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--out", required=True)
    ap.add_argument("--package", help="path of chinese-poetry/dist")
    ap.add_argument("--sources", default=os.path.join(HERE, "sources.json"))
    ap.add_argument("--corrections", default=os.path.join(HERE, "corrections.json"))
    ap.add_argument("--table", choices=TABLES, action="append")
    args = ap.parse_args()
    root = N.package_root(args.package)
    if not root:
        sys.exit("chinese-poetry package not found (see README.md)")
    with open(args.sources, encoding="utf-8") as fh:
        sources = json.load(fh)
    with open(args.corrections, encoding="utf-8") as fh:
        corrections = json.load(fh)
    os.makedirs(args.out, exist_ok=True)
    poets = collections.OrderedDict()
    ok = True
    for table in args.table or TABLES:
        if table not in sources:
            continue
        rows, problems = build_table(root, table, sources[table], corrections)
        for p in problems:
            print(p)
        ok = ok and not problems
        path = os.path.join(args.out, table + ".base.json")
        with open(path, "w", encoding="utf-8") as fh:
            json.dump(rows, fh, ensure_ascii=False, indent=1)
            fh.write("\n")
        count = collections.Counter(r["ZuoZhe"] for r in rows)
        poets[table] = collections.OrderedDict(
            sorted(count.items(), key=lambda kv: (-kv[1], kv[0])))
        print("%s: %d rows, %d poets -> %s" % (table, len(rows), len(count), path))
    ppath = os.path.join(args.out, "poets.json")
    if os.path.exists(ppath) and args.table:
        with open(ppath, encoding="utf-8") as fh:
            old = json.load(fh, object_pairs_hook=collections.OrderedDict)
        old.update(poets)
        poets = collections.OrderedDict((t, old[t]) for t in TABLES if t in old)
    with open(ppath, "w", encoding="utf-8") as fh:
        json.dump(poets, fh, ensure_ascii=False, indent=1)
        fh.write("\n")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
