"""The texts of the reader that are shown in Traditional characters: every
field of the content and the prose compiled into the pages, each as one unit
with a place that names it."""

import json
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parents[2]
CONTENT = ROOT / "resources" / "content"

# Field names of each content file that hold text shown to the reader, and
# the key that names a record.
VERSE_FILES = ("TangShi.json", "SongCi.json", "YuanQu.json")
VERSE_FIELDS = ("TiMu", "ZuoZhe", "NeiRong", "ZhuShi", "JianXi")


def _units_of(record, fields, prefix):
    for field in fields:
        value = record.get(field)
        if value is None:
            continue
        if isinstance(value, list):
            for index, text in enumerate(value):
                if text:
                    yield f"{prefix}.{field}[{index}]", field, text
        elif isinstance(value, str) and value:
            yield f"{prefix}.{field}", field, value


def _load(name):
    with open(CONTENT / name, encoding="utf-8") as handle:
        return json.load(handle)


def _content_units():
    for name in VERSE_FILES:
        stem = name.removesuffix(".json")
        for record in _load(name):
            yield from _units_of(record, VERSE_FIELDS, f"{stem}#{record['ID']}")
    for record in _load("ZuoZhe.json"):
        yield from _units_of(record, ("Name", "JianJie"), f"ZuoZhe#{record['ID']}")
    for record in _load("chengyugushi.json"):
        yield from _units_of(record, ("chengyu", "gushi"), f"chengyugushi#{record['Id']}")
    for name in ("ChaoDai.json", "ChaoDai1.json", "ChaoDai2.json"):
        stem = name.removesuffix(".json")
        # Records of these files share their ID with their subdivisions.
        for index, record in enumerate(_load(name)):
            yield from _units_of(record, ("名称", "说明"), f"{stem}[{index}]")
    for index, record in enumerate(_load("JiyuanBiao.json")):
        yield from _units_of(record, ("朝代", "帝王", "年号"), f"JiyuanBiao#{index}")


_LITERAL = re.compile(r'QStringLiteral\(((?:\s*"(?:[^"\\]|\\.)*")+)\s*\)')
_PIECE = re.compile(r'"((?:[^"\\]|\\.)*)"')


def _source_units(relative):
    text = (ROOT / relative).read_text(encoding="utf-8")
    for number, match in enumerate(_LITERAL.finditer(text)):
        joined = "".join(_PIECE.findall(match.group(1)))
        if re.search(r"[\u3400-\u9fff]", joined):
            yield f"{relative}:{number}", "prose", joined


def units():
    """Every text unit as (place, field, text)."""
    yield from _content_units()
    for relative in ("pages/AboutText.cpp", "pages/PrefaceText.cpp"):
        yield from _source_units(relative)
