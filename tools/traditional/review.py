#!/usr/bin/env python3
"""Every occurrence of every simplified character that OpenCC maps to more
than one Traditional character, in every text the reader shows, with OpenCC's
conversion and the reviewed one (OpenCC's with our phrase layer laid over it).

    review.py list    writes occurrences.tsv beside this file
    review.py check   converts again and fails where the result differs from
                      the committed list (a change of content or phrases to review)

Needs python3 and the opencc command (Debian package opencc)."""

import csv
import pathlib
import subprocess
import sys
import tempfile

import layer
import sources

HERE = pathlib.Path(__file__).resolve().parent
LIST = HERE / "occurrences.tsv"
CONTEXT = 8
KEPT = "OpenCC's form fits the sense here"
COLUMNS = ["place", "offset", "character", "context", "opencc", "reviewed", "decision", "reason"]


def one_to_many():
    """Simplified characters with more than one Traditional candidate."""
    with tempfile.TemporaryDirectory() as folder:
        text = pathlib.Path(folder) / "STCharacters.txt"
        subprocess.run(["opencc_dict", "-i", "/usr/share/opencc/STCharacters.ocd2", "-o",
                        str(text), "-f", "ocd2", "-t", "text"], check=True)
        rows = (line.rstrip("\n").split("\t") for line in text.open(encoding="utf-8"))
        return {key for key, values in rows if len(values.split(" ")) > 1}


def reasons_by_position(text, entries):
    """For each position of the text an entry of ours covers, its reason."""
    covered = {}
    for phrase, _, reason, _ in sorted(entries, key=lambda entry: len(entry[0])):
        start = text.find(phrase)
        while start >= 0:
            for at in range(start, start + len(phrase)):
                covered[at] = reason
            start = text.find(phrase, start + 1)
    return covered


def occurrences():
    units = list(sources.units())
    texts = [text.replace("\n", " ") for _, _, text in units]
    plain = layer.convert_lines(texts, layered=False)
    ours = layer.convert_lines(texts)
    wanted = one_to_many()
    entries = layer.read_phrases()
    for (place, _, text), opencc, reviewed in zip(units, plain, ours):
        if len(opencc) != len(text) or len(reviewed) != len(text):
            raise SystemExit(f"{place}: the conversion changed the length of the text")
        reasons = None
        for offset, character in enumerate(text):
            if character not in wanted:
                continue
            context = text[max(0, offset - CONTEXT): offset + CONTEXT + 1].replace("\t", " ")
            changed = opencc[offset] != reviewed[offset]
            if changed and reasons is None:
                reasons = reasons_by_position(text, entries)
            yield {"place": place, "offset": str(offset), "character": character,
                   "context": context, "opencc": opencc[offset], "reviewed": reviewed[offset],
                   "decision": "changed" if changed else "kept",
                   "reason": (reasons.get(offset, "") if changed else KEPT)}


def write_list():
    rows = list(occurrences())
    with LIST.open("w", encoding="utf-8", newline="") as handle:
        writer = csv.DictWriter(handle, COLUMNS, delimiter="\t", lineterminator="\n")
        writer.writeheader()
        writer.writerows(rows)
    changed = sum(row["decision"] == "changed" for row in rows)
    print(f"{len(rows)} occurrences, {changed} changed from OpenCC -> {LIST.name}")


def check():
    with LIST.open(encoding="utf-8", newline="") as handle:
        committed = {(row["place"], row["offset"]): row
                     for row in csv.DictReader(handle, delimiter="\t")}
    faults = 0
    seen = set()
    for row in occurrences():
        key = (row["place"], row["offset"])
        seen.add(key)
        was = committed.get(key)
        if was is None or was["character"] != row["character"]:
            print(f"{key[0]}@{key[1]}: {row['context']}: not in the reviewed list")
            faults += 1
        elif was["reviewed"] != row["reviewed"]:
            print(f"{key[0]}@{key[1]}: {row['context']}: {row['character']} becomes "
                  f"{row['reviewed']}, reviewed {was['reviewed']}")
            faults += 1
    for key in committed.keys() - seen:
        print(f"{key[0]}@{key[1]}: reviewed, no longer in the content")
        faults += 1
    print(f"{faults} occurrence(s) differ from the reviewed list" if faults else
          "every occurrence converts as reviewed")
    return 1 if faults else 0


if __name__ == "__main__":
    if sys.argv[1:] == ["list"]:
        write_list()
    elif sys.argv[1:] == ["check"]:
        sys.exit(check())
    else:
        sys.exit(__doc__)
