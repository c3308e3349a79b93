// orvane-cli in batch and under bad input: every line answered, nothing lost,
// every message heard on stderr, help that exits 0.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { chmodSync, cpSync, mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const cli = process.env.ORVANE_CLI;
const programDir = process.env.ORVANE_PROGRAM_DIR;

function run(args, input) {
  const r = spawnSync(cli, [...args, '--today', '2026-12-07'], { input, maxBuffer: 1 << 28 });
  return { status: r.status, out: r.stdout.toString('utf8'), err: r.stderr.toString('utf8'), raw: r.stdout };
}

function withProgramDir(body) {
  const dir = mkdtempSync(join(tmpdir(), 'orvane-batch-'));
  try {
    cpSync(programDir, dir, { recursive: true, filter: (p) => !/log\.dat$|right\.htm$/.test(p) });
    return body(dir);
  } finally {
    chmodSync(dir, 0o755);
    rmSync(dir, { recursive: true, force: true });
  }
}

const good = '--solar 1985-03-04 --time 12:30 --sex male --options 1100';

test('a batch line of bad bytes is one error line, the bad bytes escaped, and the batch goes on', () => {
  for (const command of ['chart', 'lunar']) {
    const bad = Buffer.concat([Buffer.from('--solar 1985-03-04 --time 12:30 --sex '), Buffer.from([0xff, 0xfe]), Buffer.from('\n')]);
    const next = Buffer.from(command === 'chart' ? `${good}\n` : '1985-03-04\n');
    const r = run([command, '--batch'], Buffer.concat([bad, next]));
    assert.equal(r.status, 2, r.err);
    const lines = r.out.trim().split('\n').map((l) => JSON.parse(l));
    assert.equal(lines.length, 2);
    assert.match(lines[0].error, /\\xFF\\xFE/);
    assert.equal(lines[1].lunarYear, 1985);
  }
});

test('a batch line over 64 KB is refused and costs no more than its ceiling', () => {
  const long = '--name ' + 'a'.repeat(5 * 1024 * 1024);
  const r = run(['chart', '--batch'], `${long}\n${good}\n`);
  assert.equal(r.status, 2);
  const lines = r.out.trim().split('\n').map((l) => JSON.parse(l));
  assert.equal(lines.length, 2);
  assert.match(lines[0].error, /64KB/);
  assert.equal(lines[1].yearPillar, 2);  // 乙丑
  assert.match(r.err, /^1: .*64KB/m);
});

test('a switch of one batch line does not carry into the next', () => {
  const r = run(['chart', '--batch'], '--lunar 1987-06-10 --leap --time 10:00 --sex male --options 0000\n' +
    '--lunar 1987-06-10 --time 10:00 --sex male --options 0000\n');
  const [leap, plain] = r.out.trim().split('\n').map((l) => JSON.parse(l));
  assert.equal(leap.lunarMonthCode, 26);
  assert.equal(plain.lunarMonthCode, 6);  // --no is the default answer to the leap question
});

test('--help of the program and of every command prints its usage and exits 0', () => {
  const top = run(['--help']);
  assert.equal(top.status, 0);
  assert.match(top.out, /usage: orvane-cli/);
  for (const command of ['lunar', 'solar', 'terms', 'chart', 'report', 'reverse']) {
    const r = run([command, '--help']);
    assert.equal(r.status, 0, `${command}: ${r.err}`);
    assert.match(r.out, /Usage:/);
    assert.doesNotMatch(r.out + r.err, /caught in your main/);
  }
});

test('a refusal reports its first cause, and every message reaches stderr', () => {
  const missingDir = run(['chart', ...good.split(' '), '--program-dir', '/nonexistent/orvane']);
  assert.equal(missingDir.status, 2);
  assert.match(missingDir.err, /程序目录不存在/);
  withProgramDir((dir) => {
    rmSync(join(dir, 'option.dat'));
    const r = run(['chart', '--solar', '1985-03-04', '--time', '12:30', '--sex', 'male', '--program-dir', dir]);
    assert.equal(r.status, 2);
    assert.match(r.err.split('\n')[0], /option\.dat文件不能打开/);
  });
});

test('an over-long template gives the empty page with its message on stderr', () => {
  withProgramDir((dir) => {
    writeFileSync(join(dir, 'style', '02', 'normal.htm'), 'a'.repeat(640000));
    const r = run(['report', ...good.split(' '), '--program-dir', dir]);
    assert.equal(r.status, 0, r.err);
    assert.match(r.err, /命状格式模板文件超长/);
    assert.equal(readFileSync(join(dir, 'style', '02', 'right.htm')).length, 0);
  });
});

test('report --batch writes each page byte for byte as right.htm would hold it', () => {
  withProgramDir((dir) => {
    const births = [good, '--lunar 1990-05-06 --time 07:08 --sex female --options 0110 --place 广东/广州 --name 李四',
      '--solar 1900-01-01 --time 00:00 --sex male --options 0000', '--solar 2020-12-31 --time 23:59 --sex female --options 1000'];
    const out = join(dir, 'pages');
    mkdirSync(out);
    const r = run(['report', '--batch', '--out-dir', out, '--style', '04', '--program-dir', dir], births.join('\n') + '\n');
    assert.equal(r.status, 2);  // the third line is before 立春 1900
    const lines = r.out.trim().split('\n').map((l) => JSON.parse(l));
    assert.deepEqual(lines.map((l) => l.line), [1, 2, 3, 4]);
    assert.ok(lines[2].error);
    assert.deepEqual(readdirSync(out).sort(), ['000001.htm', '000002.htm', '000004.htm']);
    for (const n of [1, 2, 4]) {
      const single = run(['report', ...births[n - 1].split(' '), '--style', '04', '--program-dir', dir]);
      assert.equal(single.status, 0, single.err);
      assert.ok(readFileSync(join(out, `00000${n}.htm`)).equals(readFileSync(join(dir, 'style', '04', 'right.htm'))), `line ${n}`);
    }
  });
});

test('an unwritable out-dir gives an error line per birth and no file', () => {
  withProgramDir((dir) => {
    const out = join(dir, 'locked');
    mkdirSync(out);
    chmodSync(out, 0o500);
    const r = run(['report', '--batch', '--out-dir', join(out, 'missing'), '--program-dir', dir], `${good}\n${good}\n`);
    assert.equal(r.status, 2);
    const lines = r.out.trim().split('\n').map((l) => JSON.parse(l));
    assert.equal(lines.length, 2);
    for (const l of lines) assert.match(l.error, /不能写入命状文件/);
  });
});
