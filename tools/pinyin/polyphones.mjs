// Lists every occurrence of every polyphonic character in the committed
// pinyin, so a review of the readings in context misses none:
//   node tools/pinyin/polyphones.mjs [--names] [FILE]
// One tab-separated row per occurrence: table, ID, where (title or line N),
// the character, its syllable there, every reading a dictionary gives it,
// and the line's Han characters with the character in brackets. --names
// lists the names (poets, idioms, dynasties, rulers, eras) instead, with
// "names" for table and the name's first reading. A character counts as
// polyphonic when pinyin-pro or the Unihan readings of Debian's
// unicode-data package (the 1983 and 2013 standard dictionaries) give it
// more than one syllable, tones counted; the particles are always listed.
import { execSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { loadPinyinPro } from "./pinyinPro.mjs";

const here = path.dirname(fileURLToPath(import.meta.url));
const content = path.join(here, "../../resources/content");
const load = (name) => JSON.parse(fs.readFileSync(path.join(content, name), "utf8"));
const { pinyin } = loadPinyinPro();
const han = /[\u3400-\u4dbf\u4e00-\u9fff\uf900-\ufaff\u{20000}-\u{2ffff}]/u;
const hanOnly = (text) => [...text.replace(/<sup>\(\d+\)<\/sup>/g, "")].filter((c) => han.test(c)).join("");
const particles = new Set([..."着了的得么哪"]);

// Unihan's dictionary readings, when Debian's unicode-data is installed.
function unihanReadings() {
  const file = "/usr/share/unicode/Unihan_Readings.txt.bz2";
  const readings = new Map();
  if (!fs.existsSync(file)) {
    console.error(`${file} not found (apt-get install unicode-data): pinyin-pro readings only`);
    return readings;
  }
  const text = execSync(`bzcat ${file}`, { maxBuffer: 64 << 20 }).toString("utf8");
  for (const line of text.split("\n")) {
    const m = /^U\+([0-9A-F]+)\tk(XHC1983|TGHZ2013|Mandarin)\t(.*)$/.exec(line);
    if (!m) continue;
    const ch = String.fromCodePoint(parseInt(m[1], 16));
    const set = readings.get(ch) ?? new Set();
    for (const entry of m[3].split(" ")) for (const s of entry.replace(/^[\d.,*]+:/, "").split(",")) set.add(s);
    readings.set(ch, set);
  }
  return readings;
}
const unihan = unihanReadings();
function readingsOf(ch) {
  const all = new Set([...pinyin(ch, { multiple: true, type: "array" }), ...(unihan.get(ch) ?? [])]);
  return [...all];
}
const polyphonic = (ch) => particles.has(ch) || readingsOf(ch).length > 1;

const rows = [];
function list(table, id, where, text, syllables) {
  const chars = [...hanOnly(text)];
  chars.forEach((ch, k) => {
    if (!polyphonic(ch)) return;
    const context = chars.map((c, j) => (j === k ? `[${c}]` : c)).join("");
    rows.push([table, id, where, ch, syllables[k], readingsOf(ch).join("/"), context].join("\t"));
  });
}

if (process.argv.includes("--names")) {
  for (const [name, readings] of Object.entries(load("pinyin/names.json")))
    list("names", "-", readings.length > 1 ? `${readings.length} readings` : "name", name, readings[0].split(" "));
} else {
  const verse = new Map(load("pinyin/verse.json").map((v) => [`${v.table}/${v.ID}`, v]));
  for (const table of ["TangShi", "SongCi", "YuanQu"]) {
    for (const row of load(`${table}.json`)) {
      const v = verse.get(`${table}/${row.ID}`);
      list(table, row.ID, "title", row.TiMu, v.title.split(" "));
      row.NeiRong.forEach((line, i) => list(table, row.ID, `line ${i + 1}`, line, v.lines[i].split(" ")));
    }
  }
}
const out = process.argv.slice(2).find((a) => !a.startsWith("--"));
if (out) fs.writeFileSync(out, rows.join("\n") + "\n");
else console.log(rows.join("\n"));
console.error(`${rows.length} polyphonic occurrences`);
