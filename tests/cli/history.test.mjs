// orvane-cli history list / history delete N: the history dialog from a script,
// its messages on stderr, refusals with status 2, and two processes at once.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawn, spawnSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const cli = process.env.ORVANE_CLI;

function run(args, input) {
  const r = spawnSync(cli, [...args, '--today', '2026-12-07'], { input, encoding: 'utf8' });
  return { status: r.status, out: r.stdout, err: r.stderr };
}

function withHistory(body) {
  const dir = mkdtempSync(join(tmpdir(), 'orvane-history-'));
  try {
    writeFileSync(join(dir, 'option.dat'), '11\r\n0\r\n1\r\n');  // history on, no true solar time
    return body(dir);
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

async function withHistoryAsync(body) {
  const dir = mkdtempSync(join(tmpdir(), 'orvane-history-'));
  try {
    writeFileSync(join(dir, 'option.dat'), '11\r\n0\r\n1\r\n');
    return await body(dir);
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

function list(dir) {
  const r = run(['history', 'list', '--program-dir', dir]);
  assert.equal(r.status, 0, r.err);
  return r.out.split('\n').filter((l) => l !== '').map((l) => JSON.parse(l));
}

function cast(dir, args) {
  const r = run(['chart', ...args, '--program-dir', dir]);
  assert.equal(r.status, 0, r.err);
}

// One batch line per name, each cast and stored.
const batchOf = (names) => names.map((n) => `--solar 1985-03-04 --time 12:30 --sex male --options 1001 --name ${n}`)
  .join('\n') + '\n';

test('history list gives every record in the order of the dialog, by the names of the birth data', () => {
  withHistory((dir) => {
    assert.deepEqual(list(dir), []);  // created empty
    cast(dir, ['--solar', '1985-03-04', '--time', '12:30', '--sex', 'male', '--name', '张三', '--place', '广东/广州',
      '--options', '1111']);
    cast(dir, ['--lunar', '1987-06-03', '--leap', '--yes', '--time', '00:05', '--sex', 'female']);
    cast(dir, ['--solar', '1990-07-01', '--time', '13:30', '--sex', 'male', '--coords', '-74,40.7',
      '--tz', 'America/New_York', '--options', '1111']);
    const [first, leap, abroad] = list(dir);
    assert.deepEqual(first, { n: 1, personName: '张三', solarInput: 1, solarYear: 1985, solarMonth: 3, solarDay: 4,
      birthHour: 12, birthMinute: 30, sexFlag: 1, birthProvince: '广东', birthCity: '广州',
      line: '张三,公历1985-03-04 12:30,男,广东,广州' });
    assert.deepEqual([leap.n, leap.solarInput, leap.lunarYear, leap.lunarMonthCode, leap.lunarDay, leap.leapMonth,
      leap.sexFlag], [2, 0, 1987, 26, 3, 1, 0]);
    assert.equal(abroad.birthZone, 'America/New_York');
    assert.deepEqual([abroad.enteredLongitude, abroad.enteredLatitude.toFixed(4)], [-74, '40.7000']);
  });
});

test('a damaged or unreadable history is listed as the dialog lists it, or refused with its message', () => {
  withHistory((dir) => {
    // A header cut short, then a record appended after it.
    writeFileSync(join(dir, 'log.dat'), '[001]');
    cast(dir, ['--solar', '1986-03-04', '--time', '12:30', '--sex', 'male', '--name', 'after', '--options', '1001']);
    assert.deepEqual(list(dir).map((r) => r.personName), ['after']);
    writeFileSync(join(dir, 'log.dat'), '[001]\r\nnot a record\r\n');
    assert.deepEqual(list(dir), [{ n: 1, line: 'not a record' }]);
    writeFileSync(join(dir, 'log.dat'), Buffer.alloc(100001, 'x'));
    const long = run(['history', 'list', '--program-dir', dir]);
    assert.equal(long.status, 0);
    assert.match(long.err, /log\.dat > 100K/);
    rmSync(join(dir, 'log.dat'));
    mkdirSync(join(dir, 'log.dat'));
    const folder = run(['history', 'list', '--program-dir', dir]);
    assert.equal(folder.status, 2);
    assert.match(folder.err, /log\.dat can't open/);
  });
});

test('history delete asks, deletes only with --yes, and refuses what it cannot delete', () => {
  withHistory((dir) => {
    run(['chart', '--batch', '--program-dir', dir], batchOf(['a', 'b', 'c']));
    const before = readFileSync(join(dir, 'log.dat'));
    const asked = run(['history', 'delete', '2', '--program-dir', dir]);
    assert.equal(asked.status, 2);
    assert.match(asked.err, /确认删除该记录？/);
    assert.match(asked.err, /--yes/);
    assert.deepEqual(readFileSync(join(dir, 'log.dat')), before);

    const done = run(['history', 'delete', '2', '--yes', '--program-dir', dir]);
    assert.equal(done.status, 0, done.err);
    const deleted = JSON.parse(done.out);
    assert.deepEqual([deleted.n, deleted.personName, deleted.deleted], [2, 'b', true]);
    assert.deepEqual(list(dir).map((r) => r.personName), ['a', 'c']);

    for (const [args, pattern] of [[['4'], /只有2条/], [['0'], /序号/], [[], /序号/], [['x'], /convert/]]) {
      const r = run(['history', 'delete', ...args, '--yes', '--program-dir', dir]);
      assert.equal(r.status, 2, args.join(' '));
      assert.match(r.err, pattern);
    }
    const tooLong = Buffer.concat([readFileSync(join(dir, 'log.dat')), Buffer.alloc(1024001, ' ')]);
    writeFileSync(join(dir, 'log.dat'), tooLong);
    const refused = run(['history', 'delete', '1', '--yes', '--program-dir', dir]);
    assert.equal(refused.status, 2);
    assert.match(refused.err, /log\.dat > 1024K/);
    assert.equal(readFileSync(join(dir, 'log.dat')).length, tooLong.length);
  });
});

test('deletes from one process racing appends of another lose nothing', async () => {
  await withHistoryAsync(async (dir) => {
    const first = Array.from({ length: 40 }, (_, i) => `R${100 + i}`);
    const appended = Array.from({ length: 60 }, (_, i) => `A${100 + i}`);
    run(['chart', '--batch', '--program-dir', dir], batchOf(first));
    const appending = spawn(cli, ['chart', '--batch', '--program-dir', dir], { stdio: ['pipe', 'ignore', 'ignore'] });
    const finished = new Promise((resolve) => appending.on('close', resolve));
    appending.stdin.end(batchOf(appended));
    for (let i = 0; i < 20; ++i) {
      const r = run(['history', 'delete', '1', '--yes', '--program-dir', dir]);
      assert.equal(r.status, 0, r.err);
      assert.equal(JSON.parse(r.out).personName, first[i]);
    }
    assert.equal(await finished, 0);
    const names = list(dir).map((r) => r.personName);
    assert.deepEqual(names.filter((n) => n.startsWith('R')), first.slice(20));
    assert.deepEqual(names.filter((n) => n.startsWith('A')), appended);
  });
});
