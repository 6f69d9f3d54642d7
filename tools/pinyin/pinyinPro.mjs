// Loads the npm package pinyin-pro, installing the pinned major version into
// a cache of its own under the system's temporary folder on first use, so
// the content tools never touch the project's tree or the reader's build.
import { createRequire } from "node:module";
import { execSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";

export function loadPinyinPro() {
  const prefix = path.join(os.tmpdir(), "quillora-pinyin");
  const require = createRequire(path.join(prefix, "index.js"));
  try {
    return require("pinyin-pro");
  } catch {
    fs.mkdirSync(prefix, { recursive: true });
    execSync(`npm install --prefix ${prefix} --no-audit --no-fund pinyin-pro@3`, { stdio: "inherit" });
    return require("pinyin-pro");
  }
}
