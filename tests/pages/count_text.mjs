// Chinese characters of the visible text of the shipped pages, per page and in
// all: node tests/pages/count_text.mjs resources/program
// (the text a reader sees: no markup, scripts, styles or comments).
import { readFileSync } from 'node:fs';
import { relative } from 'node:path';
import { pagesUnder } from './links.mjs';

const root = process.argv[2] || 'resources/program';
const gbk = new TextDecoder('gbk');
let total = 0;
for (const page of pagesUnder(root)) {
  const rel = relative(root, page);
  if (/^style[\\/]/.test(rel)) continue;  // report templates: their text is the program's, not the pages'
  const text = gbk
    .decode(readFileSync(page))
    .replace(/<!--[\s\S]*?-->/g, '')
    .replace(/<(script|style)\b[\s\S]*?<\/\1>/gi, '')
    .replace(/<[^>]+>/g, '');
  const count = (text.match(/[\u4e00-\u9fff]/g) || []).length;
  total += count;
  console.log(`${String(count).padStart(7)}  ${rel}`);
}
console.log(`${String(total).padStart(7)}  in all`);
