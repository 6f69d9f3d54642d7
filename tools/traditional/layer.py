"""The reviewed phrase layer laid over OpenCC, and conversion through it with
the opencc command (Debian package opencc), as the reader does with libopencc."""

import json
import pathlib
import subprocess
import tempfile

from sources import ROOT

PHRASES = ROOT / "resources" / "traditional" / "phrases.txt"

# The last step of each variant, after the phrases: OpenCC's own variant tables.
VARIANT_STEP = {"standard": None, "taiwan": "TWVariants.ocd2", "hongkong": "HKVariants.ocd2"}


def read_phrases(path=PHRASES):
    """The entries as (phrase, traditional, reason, line number); the reason is
    the comment heading the group the entry stands in."""
    entries = []
    reason = ""
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if line.startswith("#"):
            reason = line.lstrip("# ").strip()
            continue
        if not line.strip():
            continue
        phrase, traditional = line.split("\t")[:2]
        if len(phrase) != len(traditional):
            raise SystemExit(f"{path}:{number}: {phrase} and {traditional} differ in length")
        if any(phrase == entry[0] for entry in entries):
            raise SystemExit(f"{path}:{number}: {phrase} is named twice")
        entries.append((phrase, traditional, reason, number))
    return entries


def config(variant, phrase_file):
    ours = {"type": "text", "file": phrase_file}
    phrases = {"type": "group", "dicts": [ours, {"type": "ocd2", "file": "STPhrases.ocd2"}]}
    chain = [{"dict": {"type": "group", "dicts": [ours,
                                                   {"type": "ocd2", "file": "STPhrases.ocd2"},
                                                   {"type": "ocd2", "file": "STCharacters.ocd2"}]}}]
    if VARIANT_STEP[variant]:
        chain.append({"dict": {"type": "ocd2", "file": VARIANT_STEP[variant]}})
    return {"name": f"Quillora {variant}", "segmentation": {"type": "mmseg", "dict": phrases},
            "conversion_chain": chain}


def opencc_dictionary(entries):
    """The entries as OpenCC's text dictionary wants them: sorted, one a line."""
    pairs = sorted({(p, t) for p, t, _, _ in entries}, key=lambda pair: pair[0].encode())
    return "".join(f"{p}\t{t}\n" for p, t in pairs)


def convert_lines(lines, variant="standard", layered=True):
    """Each line converted; without the layer, by OpenCC's own configuration."""
    text = "\n".join(line.replace("\n", " ") for line in lines) + "\n"
    with tempfile.TemporaryDirectory() as folder:
        if layered:
            folder = pathlib.Path(folder)
            (folder / "phrases.txt").write_text(opencc_dictionary(read_phrases()), encoding="utf-8")
            (folder / "config.json").write_text(json.dumps(config(variant, "phrases.txt")))
            name = str(folder / "config.json")
        else:
            name = {"standard": "s2t.json", "taiwan": "s2tw.json", "hongkong": "s2hk.json"}[variant]
        out = subprocess.run(["opencc", "-c", name], input=text, capture_output=True,
                             text=True, check=True).stdout
    return out.split("\n")[: len(lines)]
