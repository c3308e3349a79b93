// The vote file during report --batch: read once and kept, yet a vote written,
// rewritten or removed between two lines shows in the very next page.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { cpSync, mkdirSync, mkdtempSync, readFileSync, renameSync, rmSync, utimesSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const cli = process.env.ORVANE_CLI;
const programDir = process.env.ORVANE_PROGRAM_DIR;
const birth = '--solar 1985-03-04 --time 12:30 --sex male --options 1100';

// A batch fed one line at a time: each call sends a line and waits for its answer.
function startBatch(args) {
  const child = spawn(cli, args);
  let pending = '';
  const waiting = [];
  child.stdout.on('data', (chunk) => {
    pending += chunk.toString('utf8');
    for (let at = pending.indexOf('\n'); at >= 0; at = pending.indexOf('\n')) {
      const line = pending.slice(0, at);
      pending = pending.slice(at + 1);
      waiting.shift()(JSON.parse(line));
    }
  });
  const stderr = [];
  child.stderr.on('data', (chunk) => stderr.push(chunk));
  return {
    send: (line) => new Promise((resolve) => {
      waiting.push(resolve);
      child.stdin.write(`${line}\n`);
    }),
    end: () => new Promise((resolve) => {
      child.on('close', (status) => resolve({ status, stderr: Buffer.concat(stderr).toString('utf8') }));
      child.stdin.end();
    }),
  };
}

// The vote shown before the button of judgement 210001 (temperament), as ASCII.
function shownVote(page) {
  const text = readFileSync(page).toString('latin1');
  const at = text.indexOf("<div id='d210001'>");
  assert.ok(at > 0, `no vote button in ${page}`);
  const before = text.slice(Math.max(0, at - 4), at);
  return /\d+%$/.test(before) ? before.match(/\d+%$/)[0] : 'none';
}

test('a vote file changed, replaced, removed and restored mid-batch shows in the next page', async () => {
  const dir = mkdtempSync(join(tmpdir(), 'orvane-votes-'));
  try {
    cpSync(programDir, join(dir, 'program'), { recursive: true, filter: (p) => !/log\.dat$|right\.htm$|dovar\.dll$/.test(p) });
    const out = join(dir, 'out');
    mkdirSync(out);
    const votes = join(dir, 'program', 'dovar.dll');
    const batch = startBatch(['report', '--batch', '--out-dir', out, '--program-dir', join(dir, 'program'),
      '--today', '2026-12-07']);
    const shown = [];
    const page = async () => shown.push(shownVote((await batch.send(birth)).path));

    await page();  // no file
    writeFileSync(votes, '[Vote]\r\n210001=45\r\n');
    utimesSync(votes, 1000000, 1000000);
    await page();
    // Rewritten in place: same size, another time.
    writeFileSync(votes, '[Vote]\r\n210001=46\r\n');
    utimesSync(votes, 1000000, 1000100);
    await page();
    // Replaced by another file of the same size and the same time.
    writeFileSync(`${votes}.new`, '[Vote]\r\n210001=47\r\n');
    utimesSync(`${votes}.new`, 1000000, 1000100);
    renameSync(`${votes}.new`, votes);
    await page();
    rmSync(votes);
    await page();
    mkdirSync(votes);  // not a file: no votes, no refusal
    await page();
    rmSync(votes, { recursive: true });
    writeFileSync(votes, '[Vote]\r\n210001=9\r\n');
    await page();

    const { status, stderr } = await batch.end();
    assert.equal(status, 0, stderr);
    assert.deepEqual(shown, ['none', '45%', '46%', '47%', 'none', 'none', '9%']);
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});
