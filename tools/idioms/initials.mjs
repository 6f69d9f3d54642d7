// Computes each idiom's initial (yinxu) from the pinyin of its first
// character as read in that idiom, and checks the stored letters.
//   node tools/idioms/initials.mjs           report differences (exit 1 if any)
//   node tools/idioms/initials.mjs --write   store the computed letters
// Readings come from the npm package pinyin-pro, which reads a character in
// the context of its phrase; where it still reads the idiom's first character
// otherwise than the idiom does, overrides.json (reviewed) decides.
import { createRequire } from "node:module";
import { execSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";

const here = path.dirname(fileURLToPath(import.meta.url));
const contentFile = path.join(here, "../../resources/content/chengyugushi.json");

function loadPinyin() {
  const prefix = path.join(os.tmpdir(), "quillora-pinyin");
  const require = createRequire(path.join(prefix, "index.js"));
  try {
    return require("pinyin-pro").pinyin;
  } catch {
    fs.mkdirSync(prefix, { recursive: true });
    execSync(`npm install --prefix ${prefix} --no-audit --no-fund pinyin-pro@3`, { stdio: "inherit" });
    return require("pinyin-pro").pinyin;
  }
}

const pinyin = loadPinyin();
const overrides = new Map(
  JSON.parse(fs.readFileSync(path.join(here, "overrides.json"), "utf8")).map((o) => [o.idiom, o.letter]));
const text = fs.readFileSync(contentFile, "utf8");
const rows = JSON.parse(text);
let differences = 0;
for (const row of rows) {
  const computed = overrides.get(row.chengyu) ??
    pinyin(row.chengyu, { pattern: "first", toneType: "none", type: "array" })[0].toUpperCase();
  if (computed !== row.yinxu) {
    differences++;
    console.log(`Id ${row.Id} ${row.chengyu}: stored ${row.yinxu}, computed ${computed}`);
    row.yinxu = computed;
  }
}
if (process.argv.includes("--write") && differences) {
  fs.writeFileSync(contentFile, "[\n" + rows.map((r) => JSON.stringify(r)).join(",\n") + "\n]\n");
  console.log(`stored ${differences} letter(s)`);
} else {
  console.log(`${rows.length} idioms, ${differences} difference(s)`);
  process.exit(differences ? 1 : 0);
}
