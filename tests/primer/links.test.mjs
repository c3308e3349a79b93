// The pages tools/primer generates, as they are committed: each is GBK and says so, keeps no
// marker of its template, and every local link and anchor in it leads somewhere.
//   node links.test.mjs SOURCE_ROOT
import { existsSync, readdirSync, readFileSync, statSync } from 'node:fs';
import { dirname, join, relative, resolve } from 'node:path';
import test from 'node:test';
import assert from 'node:assert/strict';

const root = process.argv[2];
const program = join(root, 'resources', 'program');
const templates = join(root, 'tools', 'primer', 'pages');

function walk(dir) {
  return readdirSync(dir).flatMap((name) => {
    const path = join(dir, name);
    return statSync(path).isDirectory() ? walk(path) : [path];
  });
}

const decoder = new TextDecoder('gbk', { fatal: true });
const pageCache = new Map();
function page(path) {
  if (!pageCache.has(path)) pageCache.set(path, decoder.decode(readFileSync(path)));
  return pageCache.get(path);
}
const ids = (text) => new Set([...text.matchAll(/\sid="([^"]+)"/g)].map((m) => m[1]));

// The generated pages, and the example reports they link to.
const pages = walk(templates).filter((p) => p.endsWith('.htm')).map((p) => join(program, relative(templates, p)));

test('every generated page is GBK with its charset, and no marker is left', () => {
  assert.ok(pages.length > 20, `only ${pages.length} pages`);
  for (const path of pages) {
    const text = page(path);
    assert.match(text, /<meta charset="gbk">/, path);
    assert.ok(!text.includes('<!--@'), `${path} keeps a template marker`);
    assert.match(text, /<\/html>\s*$/, `${path} is not a whole page`);
  }
});

test('every local link and anchor resolves', () => {
  const broken = [];
  for (const path of pages) {
    for (const [, attr, target] of page(path).matchAll(/\s(href|src)="([^"]*)"/g)) {
      if (/^[a-z]+:/i.test(target)) {
        broken.push(`${relative(program, path)}: ${target} leaves the program folder`);
        continue;
      }
      const [file, anchor] = target.split('#');
      const destination = file ? resolve(dirname(path), file) : path;
      if (!existsSync(destination)) {
        broken.push(`${relative(program, path)}: ${attr} ${target}: no such file`);
        continue;
      }
      if (anchor && destination.endsWith('.htm') && !ids(page(destination)).has(anchor))
        broken.push(`${relative(program, path)}: ${target}: no such anchor`);
    }
  }
  assert.deepEqual(broken, []);
});
