// The link check: first on a folder made here with known faults, then on the
// shipped pages (PAGES_ROOT) and the pages the menus open (MENU_SOURCES).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, mkdirSync, writeFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { delimiter, join } from 'node:path';
import { checkFolder, menuPages } from './links.mjs';

// GBK bytes of a text that is ASCII except for a few characters.
const GBK = { 节气: [0xbd, 0xda, 0xc6, 0xf8] };
function gbkPage(text) {
  const parts = [];
  for (const piece of text.split(/(节气)/)) parts.push(piece in GBK ? Buffer.from(GBK[piece]) : Buffer.from(piece, 'latin1'));
  return Buffer.concat(parts);
}

test('the check finds every kind of broken local link and passes the sound ones', () => {
  const root = mkdtempSync(join(tmpdir(), 'pages-'));
  try {
    mkdirSync(join(root, 'help/img'), { recursive: true });
    mkdirSync(join(root, 'style/02'), { recursive: true });
    writeFileSync(join(root, 'help/img/ok.png'), '');
    writeFileSync(join(root, 'help/b.htm'), gbkPage('<h2 id="there">x</h2><a name="old"></a><p id="节气">y</p>'));
    writeFileSync(join(root, 'style/02/index.htm'), '<iframe src="right.htm" name="right"></iframe>');
    writeFileSync(
      join(root, 'help/a.htm'),
      gbkPage(
        [
          '<a href="b.htm#there">sound</a>',
          '<a href="b.htm#old">sound, by name</a>',
          '<a href="b.htm#%E8%8A%82%E6%B0%94">sound, a Chinese id written as UTF-8 escapes</a>',
          '<a href="#top">sound, this page</a><a id="top"></a>',
          '<a href="../style/02/index.htm">sound</a>',
          "<img src='img/ok.png'>",
          '<a href="https://example.org/x.htm">outside, not checked</a>',
          '<a href="mailto:someone@example.org">not checked</a>',
          '<script>document.write(\'<a href="made-by-script.htm">\')</script>',
          '<!-- <a href="commented.htm"> -->',
          '<a href="b.htm#gone">broken anchor</a>',
          '<a href="c.htm">missing page</a>',
          '<img src="img/missing.png">',
          '<a href="../../outside.htm">leaves the folder</a>',
          '<a href="img/ok.png#x">anchor in a picture</a>',
          '<a href="#nowhere">broken anchor on this page</a>',
        ].join('\n'),
      ),
    );
    const found = checkFolder(root, ['help/b.htm#there', 'help/b.htm#version', 'help/none.htm']).map(
      (p) => `${p.page.split('\\').join('/')} ${p.problem}`,
    );
    assert.deepEqual(found.sort(), [
      '(menu) help/b.htm#version: no id "version" in help/b.htm',
      '(menu) help/none.htm: no file help/none.htm',
      'help/a.htm #nowhere: no id "nowhere" in help/a.htm',
      'help/a.htm ../../outside.htm: leaves the program folder',
      'help/a.htm b.htm#gone: no id "gone" in help/b.htm',
      'help/a.htm c.htm: no file help/c.htm',
      'help/a.htm img/missing.png: no file help/img/missing.png',
      'help/a.htm img/ok.png#x: an anchor in a file that is not a page',
    ]);
  } finally {
    rmSync(root, { recursive: true, force: true });
  }
});

test('every local link and anchor of the shipped pages and of the menus resolves', { skip: !process.env.PAGES_ROOT }, () => {
  const sources = (process.env.MENU_SOURCES || '').split(delimiter).filter(Boolean);
  const entries = menuPages(sources);
  assert.ok(entries.includes('help/yhxx.htm#version'), `the menus' pages were not found in ${sources.join(', ')}`);
  const problems = checkFolder(process.env.PAGES_ROOT, entries);
  assert.deepEqual(problems.map((p) => `${p.page}: ${p.problem}`), []);
});
