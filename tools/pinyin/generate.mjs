// Generates the pinyin readings of the verse and of the names the search
// looks up, as reviewable JSON beside the content sources:
//   resources/content/pinyin/verse.json  one entry per piece: its title's
//       syllables and, per line of its text, one syllable per Han character
//       (punctuation and note markers get none), space-separated
//   resources/content/pinyin/names.json  name -> list of readings, the
//       preferred one first
//   node tools/pinyin/generate.mjs            write both files
//   node tools/pinyin/generate.mjs --check    exit 1 when they are out of date
// tools/pinyin/polyphones.mjs lists every polyphonic occurrence for the
// review.
// Readings come from the npm package pinyin-pro, which segments each line into
// words and reads a character as its word reads it. The reviewed corrections
// live in overrides.json, each with its reason; a longer phrase wins over a
// shorter one, a phrase scoped to one piece over one that applies everywhere;
// "_" in a reading keeps the generated syllable of that character.
// Only the particles take the neutral tone (守着 zhe, 白了 le, 天哪 na),
// written without a tone mark; any other toneless syllable pinyin-pro gives
// becomes the character's first toned reading before the overrides apply,
// since verse reads 琵琶, 衣裳 and 丈夫 with full tones.
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { loadPinyinPro } from "./pinyinPro.mjs";

const here = path.dirname(fileURLToPath(import.meta.url));
const content = path.join(here, "../../resources/content");
const outDir = path.join(content, "pinyin");

const { pinyin } = loadPinyinPro();

// Han characters as the reader counts them; the build validation uses the
// same ranges.
const han = /[\u3400-\u4dbf\u4e00-\u9fff\uf900-\ufaff\u{20000}-\u{2ffff}]/u;
const isHan = (ch) => han.test(ch);
// Note markers: parenthesized or circled numbers, or "<sup>(21)</sup>".
const markers = /<sup>\(\d+\)<\/sup>|[\u2460-\u249b\u2474-\u2487]/g;
const toned = /[āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ]|[ḿńňǹ]/;
// The characters that can be particles; mkdic accepts a toneless syllable
// on these alone.
const particles = new Set([..."着了的得么哪呢吗啊吧"]);

const load = (name) => JSON.parse(fs.readFileSync(path.join(content, name), "utf8"));
const overrides = JSON.parse(fs.readFileSync(path.join(here, "overrides.json"), "utf8"));

// The first toned reading a dictionary gives the character.
const firstToned = (ch) => pinyin(ch, { multiple: true, type: "array" }).find((r) => toned.test(r));

// One syllable per Han character of text, read in context.
function generated(text) {
  const bare = text.replace(markers, "");
  const syllables = pinyin(bare, { type: "array" });
  const chars = [...bare];
  const out = [];
  chars.forEach((ch, i) => {
    if (!isHan(ch)) return;
    let s = syllables[i];
    if (!toned.test(s) && !particles.has(ch)) s = firstToned(ch) ?? s;
    out.push(s);
  });
  return { hanText: [...bare].filter(isHan).join(""), bareText: bare, syllables: out };
}

const sortedOverrides = overrides.verse
  .map((o, order) => ({ ...o, order }))
  .sort((a, b) => (a.table ? 1 : 0) - (b.table ? 1 : 0) || [...a.phrase].length - [...b.phrase].length || a.order - b.order);
const used = new Set();

// Applies the overrides to one text; where names the piece for scoping.
function apply(text, where) {
  const g = generated(text);
  const chars = [...g.bareText];
  // Han index of each character position, so phrases match across markers
  // but not across punctuation.
  const hanIndex = [];
  let n = 0;
  for (const ch of chars) hanIndex.push(isHan(ch) ? n++ : -1);
  for (const o of sortedOverrides) {
    if (o.table && (o.table !== where.table || o.ID !== where.ID)) continue;
    const phrase = [...o.phrase];
    const reading = o.reading.split(" ");
    if (reading.length !== phrase.length) throw new Error(`override ${o.phrase}: ${reading.length} syllables`);
    for (let i = 0; i + phrase.length <= chars.length; i++) {
      if (!phrase.every((ch, k) => chars[i + k] === ch)) continue;
      phrase.forEach((_, k) => {
        if (reading[k] !== "_") g.syllables[hanIndex[i + k]] = reading[k];
      });
      used.add(o.order);
    }
  }
  sandhi(g);
  return g;
}

// 一 and 不 change their tone before another syllable, as they are read:
// 不 is bú before a fourth tone, 一 yí before a fourth tone and yì before the
// others. Redone after the overrides, since a corrected syllable can change
// the tone that follows; where pinyin-pro keeps 一 as yī (一一, 第一, 其一)
// it stays so.
function toneOf(syllable) {
  const marks = ["āēīōūǖ", "áéíóúǘ", "ǎěǐǒǔǚ", "àèìòùǜ"];
  for (const ch of syllable) for (let t = 0; t < 4; t++) if (marks[t].includes(ch)) return t + 1;
  return 0;
}
// From the end of the line backwards, so that the syllable after 不 has its
// own final tone first (不一回: 一 keeps yī, 不 stays bù).
function sandhi(g) {
  const chars = [...g.bareText];
  let k = chars.filter(isHan).length;
  for (let i = chars.length - 1; i >= 0; i--) {
    const ch = chars[i];
    if (!isHan(ch)) continue;
    k--;
    const next = isHan(chars[i + 1] ?? "") ? g.syllables[k + 1] : undefined;
    const s = g.syllables[k];
    if (next && ch === "不" && (s === "bù" || s === "bú")) g.syllables[k] = toneOf(next) === 4 ? "bú" : "bù";
    if (next && ch === "一" && (s === "yì" || s === "yí")) g.syllables[k] = toneOf(next) === 4 ? "yí" : "yì";
  }
}

const tables = ["TangShi", "SongCi", "YuanQu"];
const verse = [];
for (const table of tables) {
  for (const row of load(`${table}.json`)) {
    const where = { table, ID: row.ID };
    const title = apply(row.TiMu, where);
    const lines = row.NeiRong.map((line) => apply(line, where));
    verse.push({ table, ID: row.ID, TiMu: row.TiMu, title: title.syllables.join(" "),
      lines: lines.map((l) => l.syllables.join(" ")) });
  }
}

// Names the search looks up: poets, idioms, dynasties, rulers and eras.
function nameList() {
  const names = new Set();
  load("ZuoZhe.json").forEach((r) => names.add(r.Name));
  load("chengyugushi.json").forEach((r) => names.add(r.chengyu));
  for (const t of ["ChaoDai", "ChaoDai1", "ChaoDai2"]) load(`${t}.json`).forEach((r) => names.add(r["名称"]));
  for (const r of load("JiyuanBiao.json")) {
    names.add(r["帝王"]);
    for (const era of r["年号"] ?? []) for (const e of era.split("<p>")) names.add(e.replace(/[(（][^)）]*[)）]/g, "").trim());
  }
  return [...names].filter((s) => [...s].some(isHan)).sort();
}
const nameOverrides = new Map(overrides.names.map((o) => [o.name, o.readings]));
const names = {};
for (const name of nameList()) {
  const g = generated(name);
  const word = g.hanText;
  names[word] = nameOverrides.get(word) ?? [pinyin(word, { type: "array", surname: "head" }).join(" ")];
}

const verseText = "[\n" + verse.map((v) => JSON.stringify(v)).join(",\n") + "\n]\n";
const namesText = "{\n" + Object.entries(names).map(([k, v]) => `${JSON.stringify(k)}: ${JSON.stringify(v)}`).join(",\n") + "\n}\n";
const unused = overrides.verse.filter((_, i) => !used.has(i)).map((o) => o.phrase);
if (unused.length) console.log(`overrides that match nothing: ${unused.join(" ")}`);
console.log(`${verse.length} pieces, ${Object.keys(names).length} names, ${overrides.verse.length + overrides.names.length} overrides`);
if (process.argv.includes("--check")) {
  const same = (f, text) => fs.existsSync(f) && fs.readFileSync(f, "utf8") === text;
  const fresh = same(path.join(outDir, "verse.json"), verseText) && same(path.join(outDir, "names.json"), namesText);
  if (!fresh) console.log("resources/content/pinyin is out of date: run node tools/pinyin/generate.mjs");
  process.exit(fresh ? 0 : 1);
}
fs.mkdirSync(outDir, { recursive: true });
fs.writeFileSync(path.join(outDir, "verse.json"), verseText);
fs.writeFileSync(path.join(outDir, "names.json"), namesText);
