"""Shared text normalisation for the verse tables.

Both the builder of the base files and compare.py use these functions, so a
source text and our stored text are brought to the same form before they are
compared:

  * Traditional -> Simplified with OpenCC (``opencc -c t2s.json``);
  * variant characters that OpenCC leaves (mostly outside GB2312) mapped to
    their standard forms (VARIANTS);
  * inline editorial notes of the data set removed, e.g. "(明年 一作：年年)";
  * ASCII punctuation inside Chinese text turned into full-width punctuation;
  * our own note markers (⑴…⒇, ①…⑩, "<sup>(21)</sup>") stripped.
"""

import json
import os
import re
import subprocess
import tempfile

# Variant characters left by t2s, mapped to the standard simplified form.
# Only characters whose reading and sense do not depend on context belong
# here; context-dependent cases (沈/沉, 著/着, 後/后, 於/于, 乾/干 …) are
# decided row by row and listed in corrections.json.
VARIANTS = {
    "劒": "剑", "劎": "剑", "劔": "剑", "猨": "猿", "鴈": "雁", "疎": "疏",
    "遶": "绕", "廻": "回", "壻": "婿", "谿": "溪", "隣": "邻", "棃": "梨",
    "簷": "檐", "珮": "佩", "邨": "村", "篴": "笛", "脁": "朓", "帬": "裙", "馀": "余",
    # not encodable in GBK: the traditional form (in GBK) is used instead
    "\u39d1": "撝", "\u4759": "貙", "\u4bc4": "騧", "\U00021484": "壈",
    "\U0002AB62": "摐", "\U0002B6F8": "鶗", "\U0002AA58": "巘",
}

# ASCII punctuation that slipped into Chinese text.
ASCII_PUNCT = {",": "，", "?": "？", "!": "！", ";": "；", ":": "："}

# Our note markers: ⑴..⒇ (U+2474..U+2487), ①..⑩ (U+2460..U+2469),
# and "<sup>(21)</sup>" for numbers above twenty.
MARKER_RE = re.compile(r"[\u2474-\u2487\u2460-\u2469]|<sup>\(\d+\)</sup>")

# Inline notes of the data set: "(明年 一作：年年)", "（名成 一作：名高）",
# "(唯 通：惟)", "(\n 色 一作：曙)" — they may run over a line break.
NOTE_RE = re.compile(r"[ \u3000]*[(（][^()（）]*?(?:一作|通)[^()（）]*[)）]", re.S)


def opencc_t2s(texts):
    """Convert a list of strings with one opencc call; returns a list."""
    if not texts:
        return []
    sep = "\u2063"  # invisible separator, never in the data
    blob = "\n".join(t.replace("\n", sep) for t in texts)
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "in.txt")
        dst = os.path.join(tmp, "out.txt")
        with open(src, "w", encoding="utf-8") as fh:
            fh.write(blob)
        subprocess.run(["opencc", "-c", "t2s.json", "-i", src, "-o", dst],
                       check=True)
        with open(dst, encoding="utf-8") as fh:
            out = fh.read()
    lines = out.split("\n")
    if len(lines) != len(texts):
        lines = out.rstrip("\n").split("\n")
    if len(lines) != len(texts):
        raise RuntimeError("opencc changed the number of lines")
    return [l.replace(sep, "\n") for l in lines]


def map_variants(text):
    for a, b in VARIANTS.items():
        if a in text:
            text = text.replace(a, b)
    return text


def fix_punct(text):
    for a, b in ASCII_PUNCT.items():
        text = text.replace(a, b)
    return text


def strip_notes(paragraphs):
    """Remove inline variant notes; a note may span paragraphs.

    Returns the list of remaining non-empty paragraphs."""
    joined = "\n".join(paragraphs)
    joined = NOTE_RE.sub("", joined)
    return [p.strip() for p in joined.split("\n") if p.strip()]


def strip_markers(text):
    return MARKER_RE.sub("", text)


# "（之一）"-style piece counters of the yuanqu data, and doubled end marks
COUNTER_RE = re.compile(r"（之[一二三四五六七八九十]+）")
DOUBLE_END_RE = re.compile(r"([！？])。")


def clean_line(text):
    text = fix_punct(map_variants(text))
    text = COUNTER_RE.sub("", text)
    text = DOUBLE_END_RE.sub(r"\1", text)
    return text.strip()


def normalise_paragraphs(paragraphs):
    """Variant map, note removal and punctuation on already simplified text."""
    paras = strip_notes(paragraphs)
    out = [clean_line(p) for p in paras]
    return [p for p in out if p]


def normalise_title(title):
    """Source titles: "・", "/" and spaces between parts become "·"."""
    title = map_variants(title).strip()
    title = re.sub(r"\s*[・･]\s*", "·", title)
    title = re.sub(r"\s+", "·", title)
    return title


def flat(lines):
    """The text of a poem without line division and without our markers."""
    return "".join(strip_markers(l) for l in lines)


def split_couplets(paragraph):
    """Split a paragraph holding several couplets at sentence ends.

    "A，B。C，D。" -> ["A，B。", "C，D。"]; a paragraph that is one couplet
    is returned unchanged."""
    parts = re.findall(r"[^。？！]*[。？！]", paragraph)
    rest = paragraph[sum(len(p) for p in parts):]
    if rest:
        parts.append(rest)
    if len(parts) <= 1:
        return [paragraph]
    # only split when every piece is itself a line pair (contains a comma)
    if all("，" in p for p in parts):
        return parts
    return [paragraph]


def package_root(explicit=None):
    """Find chinese-poetry/dist: explicit path, env var or known places."""
    cands = []
    if explicit:
        cands.append(explicit)
    if os.environ.get("CHINESE_POETRY_DIST"):
        cands.append(os.environ["CHINESE_POETRY_DIST"])
    here = os.path.dirname(os.path.abspath(__file__))
    cands += [
        os.path.join(here, "node_modules", "chinese-poetry", "dist"),
        os.path.join(tempfile.gettempdir(), "quillora-poetry",
                     "node_modules", "chinese-poetry", "dist"),
    ]
    for c in cands:
        if c and os.path.isdir(os.path.join(c, "quantangshi")):
            return c
    return None


_cache = {}


def load_json(root, rel):
    key = (root, rel)
    if key not in _cache:
        with open(os.path.join(root, rel), encoding="utf-8") as fh:
            _cache[key] = json.load(fh)
    return _cache[key]


def _raw_segment(root, src):
    """Author, title and raw paragraphs of one source reference.

    A reference names a file of the package and one of
      "path": [type, item]            (mengxue/tangshisanbaishou.json)
      "index": n  (+ optional "id")   (a list of poems)
    and optionally
      "paras": [a, b]                 keep paragraphs a..b-1
      "begin"/"end": text             keep the text from "begin" through
                                      "end" (pieces merged into one row)."""
    data = load_json(root, src["file"])
    if "path" in src:
        t, i = src["path"]
        item = data["content"][t]["content"][i]
        title = item["chapter"]
    else:
        item = data[src["index"]]
        if "id" in src and item.get("id") != src["id"]:
            raise ValueError("id mismatch in %s[%d]" % (src["file"], src["index"]))
        title = item.get("title") or item.get("rhythmic") or ""
    paras = list(item["paragraphs"])
    if "paras" in src:
        a, b = src["paras"]
        paras = paras[a:b]
    if "begin" in src:
        joined = "\n".join(paras)
        if joined.count(src["begin"]) != 1:
            raise ValueError("begin text not unique in %s[%s]: %s"
                             % (src["file"], src.get("index"), src["begin"]))
        b = joined.index(src["begin"])
        e = joined.index(src["end"], b) + len(src["end"])
        paras = joined[b:e].split("\n")
    return item.get("author", ""), title, paras


def load_sources(root, rows):
    """Normalised source of every row: {ID: (author, title, paragraphs)}.

    All strings go through a single opencc call."""
    pending = []
    for row in rows:
        segs = [_raw_segment(root, s) for s in row["source"]]
        pending.append((row["ID"], segs))
    texts = []
    for _, segs in pending:
        for author, title, paras in segs:
            texts.append(author)
            texts.append(title)
            texts.extend(paras)
    conv = iter(opencc_t2s(texts))
    out = {}
    for rid, segs in pending:
        author = title = None
        paras = []
        for a, t, p in segs:
            a2, t2 = next(conv), next(conv)
            p2 = [next(conv) for _ in p]
            if author is None:
                author, title = a2, t2
            paras.extend(p2)
        out[rid] = (map_variants(author).strip(), normalise_title(title),
                    normalise_paragraphs(paras))
    return out


def apply_corrections(text, corrections):
    """Apply reviewed corrections (from -> to) to a string.

    Returns the new text and the list of corrections that did not apply."""
    unused = []
    for c in corrections:
        if c["from"] and c["from"] in text:
            text = text.replace(c["from"], c["to"])
        elif c["from"] == "" and c["to"] and not text:
            text = c["to"]
        else:
            unused.append(c)
    return text, unused
