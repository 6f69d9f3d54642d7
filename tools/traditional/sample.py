#!/usr/bin/env python3
"""A reproducible sample of the verse for measuring the Traditional forms by
hand: pieces drawn at random (fixed seed) from the shi, ci and sanqu until
the sample holds at least 5,000 Han characters of verse. Prints each piece's
lines converted with OpenCC alone and with our phrase layer, and every
character with several Traditional forms in them, for a reviewer to judge.

    sample.py [seed [earlier seed...]]

With earlier seeds, the pieces those samples drew are left out, so that a
sample taken after mending what an earlier one found measures afresh."""

import json
import random
import sys

import layer
import review
import sources

TARGET = 5000


def han(text):
    return sum("\u3400" <= c <= "\u9fff" for c in text)


def pieces():
    for name in sources.VERSE_FILES:
        with open(sources.CONTENT / name, encoding="utf-8") as handle:
            for record in json.load(handle):
                yield f"{name.removesuffix('.json')}#{record['ID']}", record


def draw(seed, left_out=()):
    chosen = [piece for piece in pieces() if piece[0] not in left_out]
    random.Random(seed).shuffle(chosen)
    sample, count = [], 0
    for place, record in chosen:
        if count >= TARGET:
            break
        sample.append((place, record))
        count += sum(han(line) for line in record["NeiRong"])
    return sample, count


def main():
    seeds = [int(each) for each in sys.argv[1:]] or [20]
    left_out = set()
    for earlier in seeds[1:]:
        left_out |= {place for place, _ in draw(earlier)[0]}
    seed = seeds[0]
    sample, count = draw(seed, left_out)
    lines = [line for _, record in sample for line in record["NeiRong"]]
    plain = layer.convert_lines(lines, layered=False)
    ours = layer.convert_lines(lines)
    wanted = review.one_to_many()
    candidates = 0
    at = 0
    print(f"seed {seed}: {len(sample)} pieces, {count} Han characters of verse")
    for place, record in sample:
        print(f"\n{place} {record['ZuoZhe']}《{record['TiMu']}》")
        for line in record["NeiRong"]:
            marks = []
            for offset, character in enumerate(line):
                if character in wanted:
                    candidates += 1
                    a, b = plain[at][offset], ours[at][offset]
                    marks.append(f"{character}→{b}" + (f"(OpenCC {a})" if a != b else ""))
            print(f"  {ours[at]}\n    {' '.join(marks)}")
            at += 1
    print(f"\n{candidates} characters with several Traditional forms")


if __name__ == "__main__":
    main()
