#!/usr/bin/env python3
"""Builds the rhyme table of regulated verse into resources/content/metre.

The table is the 106 groups of the 平水韵, from a machine-readable
compilation in Traditional characters (MIT; its notice ships beside the
table), keyed by the Traditional characters and by their simplified forms,
so that a simplified character standing for several Traditional ones carries
all their groups and the Traditional text of the line picks among them.

It is checked against Unihan's kTang (Tang-era tones) and against the tones
(strains) that the chinese-poetry package gives for every position of the
Tang poems it holds; every character on which they disagree must be decided
in decisions.json, and the positions left in disagreement may not exceed
the ceiling written there. Every rhyme character of the anthology's regulated
poems must be in the table.

    tools/metre/build_table.py --pingshui DIR --strains PACKAGE_DIST [--unihan FILE]

Run by hand when the sources or the decisions change; the reader never runs it.
"""
import argparse
import bz2
import json
import os
import re
import subprocess
import sys
import unicodedata
from collections import Counter, defaultdict

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
OUT_DIR = os.path.join(ROOT, 'resources', 'content', 'metre')
DECISIONS = os.path.join(HERE, 'decisions.json')
LEVEL, OBLIQUE = 'P', 'Z'


def simplified(characters):
    """Character-by-character simplified forms through OpenCC (t2s)."""
    text = '\n'.join(characters)
    out = subprocess.run(['opencc', '-c', 't2s'], input=text, capture_output=True,
                         text=True, check=True).stdout.split('\n')
    return dict(zip(characters, out))


def group_name(section, name):
    # 上平聲一東 → 上平一东; 上聲四紙 → 上声四纸.
    level = section.startswith(('上平', '下平'))
    return name.replace('聲', '') if level else name


def read_pingshui(folder):
    with open(os.path.join(folder, 'pingshui.json'), encoding='utf-8') as f:
        data = json.load(f)
    groups, members = [], []
    for tone in ('ping', 'ze'):
        for section, entries in data[tone].items():
            for name, chars in entries.items():
                groups.append((group_name(section, name), tone == 'ping', '入' in section))
                members.append(cleaned(name, ''.join(chars)))
    return groups, members


def cleaned(name, chars):
    """The members of a group without the flaws of the compilation."""
    # The last group ends in the licence note of the page it was copied from
    # ("本作品在全世界都属于公有领域…"), whose characters are no members.
    note = chars.find('本作品在')
    if note >= 0:
        chars = chars[:note]
    # A group's heading character is its first member; 一先 lost it.
    if name[-1] not in chars:
        chars = name[-1] + chars
    seen = set()
    return ''.join(c for c in chars if not (c in seen or seen.add(c)))


def ktang(path):
    tones = {}
    with bz2.open(path, 'rt', encoding='utf-8') as f:
        for line in f:
            if '\tkTang\t' not in line:
                continue
            code, _, readings = line.rstrip('\n').split('\t')
            found = set()
            for reading in readings.split():
                reading = unicodedata.normalize('NFD', reading.lstrip('*'))
                if reading[-1] in 'ptk':
                    found.add('入')
                elif '\u030c' in reading or '\u0300' in reading:
                    found.add(OBLIQUE)
                else:
                    found.add(LEVEL)
            tones[chr(int(code[2:], 16))] = found
    return tones


def strains_positions(dist):
    """(character, 平 or 仄) for every decided position of the Tang poems."""
    poems = os.path.join(dist, 'quantangshi')
    strains = os.path.join(dist, 'strains', 'json')
    for name in sorted(os.listdir(strains)):
        if not name.startswith('poet.tang.'):
            continue
        with open(os.path.join(strains, name), encoding='utf-8') as f:
            marks = {p['id']: p['strains'] for p in json.load(f)}
        with open(os.path.join(poems, name), encoding='utf-8') as f:
            for poem in json.load(f):
                lines = marks.get(poem['id'])
                if not lines or len(lines) != len(poem['paragraphs']):
                    continue
                for text, mark in zip(poem['paragraphs'], lines):
                    if len(text) != len(mark):
                        continue
                    for c, m in zip(text, mark):
                        if m in '平仄':
                            yield c, LEVEL if m == '平' else OBLIQUE


def regulated_rhymes(content):
    """The line-final characters of the even lines of the anthology's poems
    of four or eight lines of five or seven characters, with their place."""
    with open(os.path.join(content, 'TangShi.json'), encoding='utf-8') as f:
        poems = json.load(f)
    for poem in poems:
        text = re.sub(r'<sup>.*?</sup>|[\u2474-\u2487]|\(\d+\)', '', ''.join(poem['NeiRong']))
        lines = [v for v in re.split(r'[，。？！；、：]', text) if v]
        if len(lines) in (4, 8) and len({len(v) for v in lines}) == 1 and len(lines[0]) in (5, 7):
            for i in range(1, len(lines), 2):
                yield poem['ID'], poem['TiMu'], lines[i][-1]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--pingshui', default='/work/shared/reference/pingshui')
    parser.add_argument('--unihan', default='/usr/share/unicode/Unihan_Readings.txt.bz2')
    parser.add_argument('--strains', required=True, help='dist folder of chinese-poetry 2.0.1')
    parser.add_argument('--review', help='write every disagreement with its evidence here')
    args = parser.parse_args()

    groups, members = read_pingshui(args.pingshui)
    with open(DECISIONS, encoding='utf-8') as f:
        decisions = json.load(f)
    table = defaultdict(set)
    for index, chars in enumerate(members):
        for c in chars:
            table[c].add(index)
    names = {name: i for i, (name, _, _) in enumerate(groups)}
    for entry in decisions['characters']:
        for name in entry.get('add', []):
            table[entry['character']].add(names[name])
        for name in entry.get('remove', []):
            table[entry['character']].discard(names[name])

    def tones(c):
        found = set()
        for g in table.get(c, ()):
            found.add(LEVEL if groups[g][1] else OBLIQUE)
            if groups[g][2]:
                found.add('入')
        return found

    decided = {e['character'] for e in decisions['characters']}
    problems = []

    # Unihan: a Tang tone the table lacks.
    tang = ktang(args.unihan)
    tang_disagree = sorted(c for c, t in tang.items()
                           if c in table and not (t - {'入'} <= tones(c) and
                                                  ('入' not in t or '入' in tones(c))))
    for c in tang_disagree:
        if c not in decided:
            problems.append(f'kTang {c} {sorted(tang[c])} against the table {sorted(tones(c))}: undecided')

    # chinese-poetry: positions whose tone the table does not allow.
    positions, against = 0, Counter()
    for c, tone in strains_positions(args.strains):
        if c not in table:
            continue
        positions += 1
        if tone not in tones(c):
            against[c] += 1
    for c, n in against.most_common():
        if c not in decided:
            problems.append(f'strains {c} at {n} positions against the table {sorted(tones(c))}: undecided')
    disagreeing = sum(against.values())
    ceiling = decisions['strains_ceiling']
    if disagreeing > ceiling:
        problems.append(f'{disagreeing} positions disagree with strains, more than {ceiling}')

    # Simplified keys: a simplified character carries the groups of every
    # Traditional character it stands for.
    simple = simplified(sorted(table))
    # 箇 names its group in simplified texts too (去声二十一箇).
    names_shown = {k: v.replace('个', '箇') for k, v in simplified([name for name, _, _ in groups]).items()}
    # Characters the compilation lacks (variant forms, later coinages), as
    # decided one by one.
    for entry in decisions['characters']:
        if 'groups' in entry:
            table[entry['character']] = {names[name] for name in entry['groups']}
    # A simplified character that stands for several Traditional ones
    # carries all their groups, for text whose conversion is not at hand.
    merged = defaultdict(set)
    for c, gs in table.items():
        s = simple.get(c, c)
        if s and s != c:
            merged[s] |= gs | table.get(s, set())
    keyed = set(table) | set(merged)

    missing = [(pid, title, c) for pid, title, c in regulated_rhymes(os.path.join(ROOT, 'resources', 'content'))
               if c not in keyed]
    for pid, title, c in missing:
        problems.append(f'rhyme {c} of {title} ({pid}) is not in the table')

    print(f'{len(groups)} groups, {sum(len(m) for m in members)} entries, '
          f'{len(table)} characters, {len(merged)} simplified forms')
    print(f'kTang: {len(tang_disagree)} characters disagree')
    print(f'strains: {sum(against.values())} of {positions} positions disagree, '
          f'over {len(against)} characters')
    if args.review:
        with open(args.review, 'w', encoding='utf-8') as f:
            for c in sorted(set(tang_disagree) | set(against), key=lambda c: -against[c]):
                gs = ' '.join(groups[g][0] for g in sorted(table.get(c, ())))
                f.write(f'{c}\ttable {gs}\tkTang {sorted(tang.get(c, ()))}\tstrains against {against[c]}'
                        f'\t{"decided" if c in decided else ""}\n')
    if problems:
        print('\n'.join(problems[:200]), file=sys.stderr)
        print(f'{len(problems)} problems', file=sys.stderr)
        return 1

    os.makedirs(OUT_DIR, exist_ok=True)
    out = {
        # Named as the page shows them, in simplified characters.
        'groups': [names_shown[name] for name, _, _ in groups],
        # Each character's own groups, as written.
        'characters': {c: sorted(table[c]) for c in sorted(table)},
        # Simplified forms: the groups of every character they stand for.
        'simplified': {c: sorted(merged[c]) for c in sorted(merged) if merged[c] != table.get(c)},
        # Two tones of one meaning: the place in the line decides, not today's reading.
        'position': decisions['position_decides'],
        # Words in which a character keeps an old oblique reading that today's
        # syllable has lost.
        'oblique': {e['character']: e['words'] for e in decisions.get('oblique_words', [])},
    }
    with open(os.path.join(OUT_DIR, 'pingshui.json'), 'w', encoding='utf-8') as f:
        json.dump(out, f, ensure_ascii=False, separators=(',', ':'), sort_keys=False)
        f.write('\n')
    return 0


if __name__ == '__main__':
    sys.exit(main())
