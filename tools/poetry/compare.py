#!/usr/bin/env python3
"""Compare the verse tables with their source texts in chinese-poetry.

For every row of TangShi, SongCi and YuanQu the source named in sources.json
is read from the package and normalised (OpenCC t2s, variant map, removal of
the data set's inline notes; see normalise.py). Our text is flattened and
stripped of note markers (⑴…⒇, ①…⑩, "<sup>(n)</sup>"). The reviewed
corrections of corrections.json are applied to the source, and every
remaining difference in NeiRong, ZuoZhe or TiMu is printed.

Usage:
    python3 compare.py                       # resources/content/*.json
    python3 compare.py --dir DIR             # DIR/TangShi.json or DIR/TangShi.base.json …
    python3 compare.py --tang F --song F --yuan F
    options: --package DIST  --sources FILE  --corrections FILE  --table NAME
             --no-install (do not fetch the package with npm when missing)

Exit status 0 when there is no unintended difference, 1 otherwise.
"""

import argparse
import difflib
import json
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import normalise as N  # noqa: E402

TABLES = ("TangShi", "SongCi", "YuanQu")
DEFAULT_DIR = os.path.normpath(os.path.join(HERE, "..", "..", "resources", "content"))
PACKAGE_VERSION = "2.0.1"


def find_package(explicit, allow_install):
    root = N.package_root(explicit)
    if root or not allow_install:
        return root
    target = os.path.join(tempfile.gettempdir(), "quillora-poetry")
    os.makedirs(target, exist_ok=True)
    print("chinese-poetry not found; installing it into %s with npm" % target,
          file=sys.stderr)
    subprocess.run(["npm", "install", "--prefix", target, "--no-save",
                    "--no-audit", "--no-fund",
                    "chinese-poetry@" + PACKAGE_VERSION], check=True)
    return N.package_root(os.path.join(target, "node_modules", "chinese-poetry", "dist"))


def table_path(args, table):
    explicit = {"TangShi": args.tang, "SongCi": args.song, "YuanQu": args.yuan}[table]
    if explicit:
        return explicit
    d = args.dir or DEFAULT_DIR
    for name in (table + ".json", table + ".base.json"):
        p = os.path.join(d, name)
        if os.path.exists(p):
            return p
    return None


def describe(a, b):
    """Character differences between source text a and our text b."""
    out = []
    sm = difflib.SequenceMatcher(None, a, b, autojunk=False)
    for op, i1, i2, j1, j2 in sm.get_opcodes():
        if op == "equal":
            continue
        ctx = a[max(0, i1 - 6):i1]
        out.append("%s: source “%s” -> ours “%s” (after “%s”)"
                   % (op, a[i1:i2], b[j1:j2], ctx))
    return out


def id_ranges(ids):
    """[2, 3, 4, 7] -> "2-4, 7"."""
    out, start, prev = [], None, None
    for i in ids + [None]:
        if start is not None and (i is None or i != prev + 1):
            out.append(str(start) if start == prev else "%d-%d" % (start, prev))
            start = None
        if i is not None and start is None:
            start = i
        prev = i
    return ", ".join(out)


def compare_table(root, table, rows, refs, corrections):
    """Returns (number of rows compared, list of messages)."""
    byid = {r["ID"]: r for r in refs}
    msgs = []
    ours_ids = [r["ID"] for r in rows]
    missing = sorted(set(byid) - set(ours_ids))
    if missing:
        msgs.append("%s: %d row(s) listed in sources.json are missing: %s"
                    % (table, len(missing), id_ranges(missing)))
    known = [r for r in rows if r["ID"] in byid]
    for r in rows:
        if r["ID"] not in byid:
            msgs.append("%s %s: no source recorded for this row" % (table, r["ID"]))
    srcs = N.load_sources(root, [byid[r["ID"]] for r in known])
    for r in known:
        rid = r["ID"]
        author, title, paras = srcs[rid]
        for field, src_val, our_val in (
                ("ZuoZhe", author, r.get("ZuoZhe") or ""),
                ("TiMu", title, r.get("TiMu") or ""),
                ("NeiRong", "".join(paras), N.flat(r.get("NeiRong") or []))):
            cs = [c for c in corrections
                  if c["table"] == table and c["ID"] == rid
                  and c.get("field", "NeiRong") == field]
            fixed, unused = N.apply_corrections(src_val, cs)
            for c in unused:
                msgs.append("%s %d %s: listed correction “%s” -> “%s” does not apply"
                            % (table, rid, field, c["from"], c["to"]))
            if fixed != our_val:
                for d in describe(fixed, our_val):
                    msgs.append("%s %d %s: %s" % (table, rid, field, d))
    return len(known), msgs


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--dir")
    ap.add_argument("--tang")
    ap.add_argument("--song")
    ap.add_argument("--yuan")
    ap.add_argument("--package", help="path of chinese-poetry/dist")
    ap.add_argument("--sources", default=os.path.join(HERE, "sources.json"))
    ap.add_argument("--corrections", default=os.path.join(HERE, "corrections.json"))
    ap.add_argument("--table", choices=TABLES, action="append")
    ap.add_argument("--no-install", action="store_true")
    args = ap.parse_args()

    root = find_package(args.package, not args.no_install)
    if not root:
        print("chinese-poetry package not found", file=sys.stderr)
        return 2
    with open(args.sources, encoding="utf-8") as fh:
        sources = json.load(fh)
    with open(args.corrections, encoding="utf-8") as fh:
        corrections = json.load(fh)

    total = 0
    found = 0
    for table in args.table or TABLES:
        path = table_path(args, table)
        if not path:
            print("%s: table file not found, skipped" % table)
            continue
        found += 1
        with open(path, encoding="utf-8") as fh:
            rows = json.load(fh)
        n, msgs = compare_table(root, table, rows, sources.get(table, []), corrections)
        for m in msgs:
            print(m)
        print("%s: %d rows compared with %s, %d unintended difference(s)"
              % (table, n, os.path.basename(path), len(msgs)))
        total += len(msgs)
    if not found:
        print("no table file found", file=sys.stderr)
        return 2
    print("total: %d unintended difference(s)" % total)
    return 0 if total == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
