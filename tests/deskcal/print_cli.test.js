// tallis --print: the month as UTF-8 lines without a window or a display.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { spawnSync } = require('node:child_process');

const tallis = process.env.TALLIS;
const env = { ...process.env };
delete env.DISPLAY;
delete env.WAYLAND_DISPLAY;

const run = (...args) => spawnSync(tallis, args, { encoding: 'utf8', env });

test('April 2023 prints thirty tab-separated lines in UTF-8', () => {
  const r = run('--print', '2023-04');
  assert.strictEqual(r.status, 0, r.stderr);
  const lines = r.stdout.split('\n');
  assert.strictEqual(lines.pop(), '');
  assert.strictEqual(lines.length, 30);
  assert.strictEqual(lines[19], '2023-04-20\t2023-3-01\t三月\t谷雨');
  assert.strictEqual(lines[0], '2023-04-01\t2023-2L-11\t十一\t');
  for (const line of lines) assert.strictEqual(line.split('\t').length, 4, line);
});

test('a range prints every month from the first to the last', () => {
  const r = run('--print', '2023-12', '2024-02');
  assert.strictEqual(r.status, 0, r.stderr);
  assert.strictEqual(r.stdout.trimEnd().split('\n').length, 31 + 31 + 29);
});

test('bad or out-of-range months are refused with exit 2 and a message', () => {
  for (const args of [['--print'], ['--print', '1900-12'], ['--print', '2051-01'], ['--print', '2023-4'],
    ['--print', '2024-02', '2023-12'], ['--print', '2023-04', '2023-05', '2023-06']]) {
    const r = run(...args);
    assert.strictEqual(r.status, 2, args.join(' '));
    assert.strictEqual(r.stdout, '');
    assert.match(r.stderr, /1901-01 至 2050-12/);
  }
});
