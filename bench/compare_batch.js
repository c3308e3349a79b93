#!/usr/bin/env node
// Process-level ratios, measured in one run: orvane-cli chart --batch and
// report --batch (pages written) against whole node processes of
// lunar-javascript, lunisolar with its 八字 plugin and tyme4ts casting the same
// births (batch_worker.js). Each side is one process fed every birth on stdin;
// its CPU time (user + system, process start included) is read from bash's
// `times`. Median of REPETITIONS runs, interleaved. Prints figures, asserts nothing.
//
// Usage: node compare_batch.js ORVANE_CLI PROGRAM_DIR [CHARTS] [REPORTS]
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync } = require('child_process');

const REPETITIONS = 3;
const [cli, programDir, chartArg, reportArg] = process.argv.slice(2);
if (!cli || !programDir) {
  console.error('usage: node compare_batch.js ORVANE_CLI PROGRAM_DIR [CHARTS] [REPORTS]');
  process.exit(2);
}
const chartCount = Number(chartArg || 3000);
const reportCount = Number(reportArg || 500);
const worker = path.join(__dirname, 'batch_worker.js');

// mulberry32, seeded: the same births on every run and machine.
function births(count, seed) {
  let a = seed >>> 0;
  const rand = () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const pad = (n) => String(n).padStart(2, '0');
  const lines = [];
  for (let i = 0; i < count; i++) {
    const year = 1901 + Math.floor(rand() * 119);
    const month = 1 + Math.floor(rand() * 12);
    const day = 1 + Math.floor(rand() * 28);
    const hour = Math.floor(rand() * 24);
    const minute = Math.floor(rand() * 60);
    const sex = rand() < 0.5 ? 'male' : 'female';
    lines.push(`--solar ${year}-${pad(month)}-${pad(day)} --time ${pad(hour)}:${pad(minute)} --sex ${sex} --options 0000`);
  }
  return lines.join('\n') + '\n';
}

const quote = (s) => `'${String(s).replace(/'/g, "'\\''")}'`;

// CPU seconds (children's user + system) and wall seconds of one shell command.
function timeCommand(command) {
  const t0 = process.hrtime.bigint();
  const r = spawnSync('bash', ['-c', `${command}; status=$?; times; exit $status`], { encoding: 'utf8' });
  const wall = Number(process.hrtime.bigint() - t0) / 1e9;
  if (r.status !== 0) throw new Error(`${command} exited ${r.status}: ${r.stderr.slice(0, 400)}`);
  const lines = r.stdout.trim().split('\n');
  const seconds = (t) => { const m = /(\d+)m([\d.]+)s/.exec(t); return 60 * Number(m[1]) + Number(m[2]); };
  const [user, system] = lines[lines.length - 1].trim().split(/\s+/).map(seconds);
  return { cpu: user + system, wall };
}

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

function measure(cases) {
  const runs = cases.map(() => ({ cpu: [], wall: [] }));
  for (let rep = 0; rep < REPETITIONS; ++rep)
    cases.forEach((c, i) => {
      if (c.before) c.before();
      const t = timeCommand(c.command);
      runs[i].cpu.push(t.cpu);
      runs[i].wall.push(t.wall);
    });
  return cases.map((c, i) => ({ name: c.name, cpu: median(runs[i].cpu), wall: median(runs[i].wall) }));
}

function print(title, count, results, base) {
  console.log(`\n${title} (${count} births, median of ${REPETITIONS}; CPU = user + system of the whole process)`);
  const ours = results.find((r) => r.name === base);
  for (const r of results) {
    const ratio = r === ours ? '' : `   ${(r.cpu / ours.cpu).toFixed(1)}x orvane's CPU, ${(r.wall / ours.wall).toFixed(1)}x its wall time`;
    console.log(`  ${r.name.padEnd(42)} CPU ${(r.cpu * 1000).toFixed(0).padStart(6)} ms  wall ${(r.wall * 1000).toFixed(0).padStart(6)} ms` +
      `  (${(r.cpu / count * 1e6).toFixed(1)} us CPU per birth)${ratio}`);
  }
}

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'orvane-bench-'));
try {
  // A program folder of its own: the vote file comes and goes here, never in the build.
  const program = path.join(work, 'program');
  fs.cpSync(programDir, program, { recursive: true, filter: (p) => !/log\.dat$|right\.htm$|dovar\.dll$/.test(p) });
  const chartsFile = path.join(work, 'charts.txt');
  const reportsFile = path.join(work, 'reports.txt');
  fs.writeFileSync(chartsFile, births(chartCount, 7));
  fs.writeFileSync(reportsFile, births(reportCount, 7));
  const orvane = (command, input, extra = '') =>
    `${quote(cli)} ${command} --batch --program-dir ${quote(program)} --today 2026-12-07 ${extra} < ${quote(input)} > /dev/null`;
  const node = (lib, input) => `node ${quote(worker)} ${lib} < ${quote(input)} > /dev/null`;

  const charts = measure([
    { name: 'orvane-cli chart --batch', command: orvane('chart', chartsFile) },
    { name: 'lunar-javascript (pillars, luck start)', command: node('lunar-javascript', chartsFile) },
    { name: 'lunar-javascript fullest chart', command: node('lunar-javascript-full', chartsFile) },
    { name: 'lunisolar + char8ex', command: node('lunisolar', chartsFile) },
    { name: 'tyme4ts (pillars, ten periods, small luck)', command: node('tyme4ts', chartsFile) },
  ]);
  print('chart --batch', chartCount, charts, 'orvane-cli chart --batch');

  const pages = path.join(work, 'pages');
  const votes = path.join(program, 'dovar.dll');
  // About 10 KB of votes over the judgements a report asks for.
  let voteText = '[Vote]\r\n';
  for (let n = 0; voteText.length < 10 * 1024; ++n) voteText += `${[210001, 220000, 230000, 240000, 250000, 260000][n % 6] + (n % 97)}=${n % 100}\r\n`;
  // An empty out-dir, as a new batch job has; and the same folder again, where
  // every page replaces the last run's (on ext4 a replacing rename also starts
  // the new file's write-out and frees the old one's blocks).
  const emptyPages = () => {
    fs.rmSync(pages, { recursive: true, force: true });
    fs.mkdirSync(pages);
  };
  const reports = measure([
    { name: 'orvane-cli report --batch', command: orvane('report', reportsFile, `--out-dir ${quote(pages)}`),
      before: () => { fs.rmSync(votes, { force: true }); emptyPages(); } },
    { name: 'orvane-cli report --batch, 10 KB votes', command: orvane('report', reportsFile, `--out-dir ${quote(pages)}`),
      before: () => { fs.writeFileSync(votes, voteText); emptyPages(); } },
    { name: 'orvane-cli report --batch, pages replaced', command: orvane('report', reportsFile, `--out-dir ${quote(pages)}`),
      before: () => fs.rmSync(votes, { force: true }) },
    { name: 'lunar-javascript fullest chart', command: node('lunar-javascript-full', reportsFile),
      before: () => fs.rmSync(votes, { force: true }) },
  ]);
  print('report --batch, pages written', reportCount, reports, 'orvane-cli report --batch');
  const [plain, voted, replaced, lunarFull] = reports;
  console.log(`  the 10 KB vote file costs ${((voted.cpu / plain.cpu - 1) * 100).toFixed(0)}% CPU` +
    ` (${(voteText.length / 1024).toFixed(1)} KB)`);
  console.log(`  lunar-javascript's fullest chart against pages replaced: ${(lunarFull.cpu / replaced.cpu).toFixed(1)}x CPU,` +
    ` ${(lunarFull.wall / replaced.wall).toFixed(1)}x wall time`);
} finally {
  fs.rmSync(work, { recursive: true, force: true });
}
