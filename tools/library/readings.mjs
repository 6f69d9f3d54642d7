// Generates the pinyin of the library, one JSON line for each line of the
// records extract.py wrote, in the same order:
//   {"t": "jìng yè sī", "a": "lǐ bái"}          a piece's title and author
//   {"t": "lǐ bái"}                              an author's name
//   {"t": …, "s": "…", "l": ["…", …]}           a piece of a study collection also
//                                               has its section and every line
// Each value has one syllable per Han character of its text, separated by
// spaces; "-" where pinyin-pro knows no reading. mklibrary checks that the
// counts agree and stores them.
//   node readings.mjs RECORDS.jsonl PINYIN_PRO_DIR FOLD.tsv OVERRIDES.json OUTPUT.jsonl
// Readings come from pinyin-pro, which segments a line into words and reads
// a character as its word reads it. The anthology's reviewed overrides apply
// wherever the same words occur, compared after folding (FOLD.tsv, written by
// `mklibrary --fold`), so that a Traditional source takes them as well;
// the overrides scoped to one anthology piece are left out.
import fs from "node:fs";
import path from "node:path";
import readline from "node:readline";
import { createRequire } from "node:module";

const [recordsPath, pinyinProDir, foldPath, overridesPath, outputPath] = process.argv.slice(2);
if (!outputPath) {
  console.error("usage: node readings.mjs RECORDS.jsonl PINYIN_PRO_DIR FOLD.tsv OVERRIDES.json OUTPUT.jsonl");
  process.exit(2);
}
const { pinyin } = createRequire(path.resolve(pinyinProDir, "package.json"))(path.resolve(pinyinProDir));

// The collections a reader studies character by character.
const STUDY = new Set(["诗经", "楚辞", "论语", "大学", "中庸", "孟子", "唐诗三百首", "千家诗", "古文观止",
  "三字经", "千字文", "百家姓", "弟子规", "声律启蒙", "幼学琼林", "增广贤文", "朱子家训", "文字蒙求",
  "宋词三百首", "纳兰性德", "曹操"]);

// Han characters as the library counts them (library/Format.h).
const han = /[\u3400-\u4dbf\u4e00-\u9fff\uf900-\ufaff\u{20000}-\u{2ffff}]/u;
const isHan = (ch) => han.test(ch);
const toned = /[āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜḿńňǹ]/;
const particles = new Set([..."着了的得么哪呢吗啊吧"]);

const fold = new Map();
for (const line of fs.readFileSync(foldPath, "utf8").split("\n")) {
  const [from, to] = line.split("\t");
  if (from && to) fold.set(from, to);
}
const folded = (ch) => fold.get(ch) ?? ch;

const overrides = JSON.parse(fs.readFileSync(overridesPath, "utf8"));
// The names' overrides (岑参 cén shēn) apply as phrases in their preferred
// reading, wherever the name occurs.
const phrases = overrides.verse
  .filter((o) => !o.table)
  .map((o) => ({ chars: [...o.phrase].map(folded), reading: o.reading.split(" ") }))
  .concat(overrides.names.map((o) => ({ chars: [...o.name].map(folded), reading: o.readings[0].split(" ") })))
  .sort((a, b) => a.chars.length - b.chars.length); // longer phrases win: applied last
for (const p of phrases)
  if (p.chars.length !== p.reading.length) throw new Error(`override ${p.chars.join("")}: syllable count`);

const firstTonedCache = new Map();
function firstToned(ch) {
  if (!firstTonedCache.has(ch))
    firstTonedCache.set(ch, pinyin(ch, { multiple: true, type: "array" }).find((r) => toned.test(r)));
  return firstTonedCache.get(ch);
}

function toneOf(syllable) {
  const marks = ["āēīōūǖ", "áéíóúǘ", "ǎěǐǒǔǚ", "àèìòùǜ"];
  for (const ch of syllable) for (let t = 0; t < 4; t++) if (marks[t].includes(ch)) return t + 1;
  return 0;
}

// 一 and 不 as they are read before another syllable, from the end back.
function sandhi(chars, syllables) {
  for (let i = chars.length - 2; i >= 0; i--) {
    const s = syllables[i];
    const next = syllables[i + 1];
    if (s === undefined || next === undefined) continue;
    if (chars[i] === "不" && (s === "bù" || s === "bú")) syllables[i] = toneOf(next) === 4 ? "bú" : "bù";
    if (chars[i] === "一" && (s === "yì" || s === "yí")) syllables[i] = toneOf(next) === 4 ? "yí" : "yì";
  }
}

// One syllable per Han character of text, read in context.
function readings(text) {
  const chars = [...text];
  let generated = pinyin(text, { type: "array" });
  // Read alone when the words do not come back one per character.
  if (generated.length !== chars.length) generated = chars.map((ch) => pinyin(ch));
  // Syllables by character; undefined for all but Han characters.
  const syllables = chars.map((ch, i) => {
    if (!isHan(ch)) return undefined;
    let s = generated[i];
    if (!toned.test(s ?? "") && !particles.has(ch)) s = firstToned(ch) ?? s;
    return s && /^[a-zü\u0300-\u036fāáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜḿńňǹ]+$/.test(s) ? s : "-";
  });
  const foldedChars = chars.map(folded);
  for (const p of phrases) {
    for (let i = 0; i + p.chars.length <= chars.length; i++) {
      if (!p.chars.every((ch, k) => foldedChars[i + k] === ch)) continue;
      p.reading.forEach((r, k) => {
        if (r !== "_") syllables[i + k] = r;
      });
    }
  }
  sandhi(chars, syllables);
  return syllables.filter((s) => s !== undefined).join(" ");
}

const out = fs.createWriteStream(outputPath);
const input = readline.createInterface({ input: fs.createReadStream(recordsPath), crlfDelay: Infinity });
const names = new Map();
let count = 0;
for await (const line of input) {
  if (!line.trim()) continue;
  const record = JSON.parse(line);
  const entry = {};
  if ("l" in record) {
    entry.t = readings(record.t ?? "");
    if (!names.has(record.a)) names.set(record.a, readings(record.a ?? ""));
    entry.a = names.get(record.a);
    if (STUDY.has(record.c)) {
      entry.s = readings(record.s ?? "");
      entry.l = record.l.map((l) => readings(l));
    }
  } else {
    entry.t = readings(record.a ?? "");
  }
  if (!out.write(JSON.stringify(entry) + "\n")) await new Promise((resolve) => out.once("drain", resolve));
  ++count;
}
out.end();
await new Promise((resolve) => out.on("finish", resolve));
console.log(`readings.mjs: ${count} records`);
