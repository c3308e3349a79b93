// Output that must not move unless meant to: the JSON of 12,000 charts and the
// pages and fields of 600 reports, cast from a fixed, seeded set of births and
// compared by SHA-256 digest with golden.json.
//   node regression.mjs CLI PROGRAM_DIR            check
//   node regression.mjs CLI PROGRAM_DIR --update   rewrite golden.json
//   node regression.mjs CLI PROGRAM_DIR --dump DIR write every output, for a diff
// The reports are cast by report --batch, one per style; --single (with any of
// the above) casts each in a process of its own, as right.htm, to check the batch.
import { spawn, spawnSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { cpSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const [cli, programDir, mode, dumpDir] = process.argv.slice(2);
const goldenPath = join(here, 'golden.json');
const today = '2026-12-07';
// Births 1900-2020 as the program has always cast them, then births of today and to 2100.
const chartCount = 12000;
const reportCount = 600;
const chartBlock = 100;

// mulberry32: a small seeded generator, so the births are the same on every machine.
function generator(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

function places() {
  const source = readFileSync(join(here, '../../engine/data/city_table_data.cpp'), 'utf8');
  return [...source.matchAll(/\{"([^"]+)", "([^"]+)", [-0-9.]+f, [-0-9.]+f\}/g)].map((m) => `${m[1]}/${m[2]}`);
}

const nameChars = '张王李赵陈刘杨黄周吴徐孙马朱胡林郭何高罗明华建国秀英玉兰海军';
const pad = (n) => String(n).padStart(2, '0');

function births(seed, count, firstYear, lastYear) {
  const rand = generator(seed);
  const pick = (n) => Math.floor(rand() * n);
  const placeList = places();
  const lines = [];
  for (let i = 0; i < count; i++) {
    const year = firstYear + pick(lastYear - firstYear + 1);
    const month = 1 + pick(12);
    const args = [];
    if (rand() < 0.7) {
      args.push('--solar', `${year}-${pad(month)}-${pad(1 + pick(31))}`);
    } else {
      args.push('--lunar', `${year}-${pad(month)}-${pad(1 + pick(30))}`);
      if (rand() < 0.05) args.push('--leap');
    }
    // Hours near 23 and 0 are drawn more often: the day boundary rules live there.
    const hour = rand() < 0.2 ? [23, 0][pick(2)] : pick(24);
    args.push('--time', `${pad(hour)}:${pad(pick(60))}`, '--sex', rand() < 0.5 ? 'male' : 'female');
    const nameLength = pick(5);
    if (nameLength > 0) args.push('--name', Array.from({ length: nameLength }, () => nameChars[pick(nameChars.length)]).join(''));
    const options = Array.from({ length: 4 }, () => (rand() < 0.6 ? '1' : '0')).join('');
    args.push('--options', options);
    if (options[2] === '1') args.push('--place', placeList[pick(placeList.length)]);
    if (rand() < 0.5) args.push('--yes');
    lines.push(args);
  }
  return lines;
}

const digest = (data) => createHash('sha256').update(data).digest('hex');

function freshProgramDir() {
  const dir = mkdtempSync(join(tmpdir(), 'orvane-regression-'));
  cpSync(programDir, dir, { recursive: true, filter: (p) => !/log\.dat$|right\.htm$/.test(p) });
  return dir;
}

function castCharts(dir) {
  const list = [...births(20261207, 10000, 1900, 2020), ...births(21001231, chartCount - 10000, 2021, 2100)];
  const input = list.map((a) => a.join(' ')).join('\n') + '\n';
  const r = spawnSync(cli, ['chart', '--batch', '--program-dir', dir, '--today', today],
    { input, maxBuffer: 1 << 30 });
  const out = r.stdout.toString('utf8').split('\n');
  out.pop();
  if (out.length !== chartCount) throw new Error(`chart --batch gave ${out.length} lines for ${chartCount}: ${r.stderr}`);
  return out;
}

function run(args) {
  return new Promise((resolve) => {
    const child = spawn(cli, args);
    const out = [];
    const err = [];
    child.stdout.on('data', (d) => out.push(d));
    child.stderr.on('data', (d) => err.push(d));
    child.on('close', (status) => resolve({ status, out: Buffer.concat(out), err: Buffer.concat(err) }));
  });
}

// One report per process, each in a program folder of its own: the slow way,
// kept to check the batch against it (--single).
async function castReportAlone(args, style) {
  const dir = freshProgramDir();
  try {
    const r = await run(['report', ...args, '--style', style, '--program-dir', dir, '--today', today, '--fields']);
    if (r.status !== 0) return { refused: true, page: Buffer.alloc(0), fields: null };
    return { refused: false, page: readFileSync(join(dir, 'style', style, 'right.htm')), fields: JSON.parse(r.out.toString('utf8')) };
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

// The reports of one style in one report --batch: the page of line n in DIR/NNNNNN.htm.
async function castReportBatch(list, style) {
  const dir = freshProgramDir();
  try {
    const out = join(dir, 'pages');
    mkdirSync(out);
    const child = spawn(cli, ['report', '--batch', '--out-dir', out, '--fields', '--style', style,
      '--program-dir', dir, '--today', today]);
    const chunks = [];
    child.stdout.on('data', (d) => chunks.push(d));
    child.stderr.resume();
    child.stdin.end(list.map((a) => a.join(' ')).join('\n') + '\n');
    await new Promise((resolve) => child.on('close', resolve));
    const lines = Buffer.concat(chunks).toString('utf8').trim().split('\n').map((l) => JSON.parse(l));
    if (lines.length !== list.length) throw new Error(`report --batch gave ${lines.length} lines for ${list.length}`);
    return lines.map((l) => (l.error ? { refused: true, page: Buffer.alloc(0), fields: null }
      : { refused: false, page: readFileSync(l.path), fields: l.fields }));
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

async function castReports(single) {
  const list = [...births(7121962, 500, 1900, 2020), ...births(20240501, reportCount - 500, 2021, 2100)];
  const styleOf = (i) => pad(1 + (i % 6));
  const results = new Array(list.length);
  if (single) {
    let next = 0;
    const worker = async () => {
      while (next < list.length) {
        const i = next++;
        results[i] = await castReportAlone(list[i], styleOf(i));
      }
    };
    await Promise.all([worker(), worker(), worker()]);
    return results;
  }
  await Promise.all(['01', '02', '03', '04', '05', '06'].map(async (style) => {
    const indices = list.map((_, i) => i).filter((i) => styleOf(i) === style);
    const cast = await castReportBatch(indices.map((i) => list[i]), style);
    indices.forEach((i, k) => { results[i] = cast[k]; });
  }));
  return results;
}

const dir = freshProgramDir();
let charts;
try {
  charts = castCharts(dir);
} finally {
  rmSync(dir, { recursive: true, force: true });
}
const reports = await castReports(process.argv.includes('--single'));

const current = {
  charts: Array.from({ length: chartCount / chartBlock },
    (_, b) => digest(charts.slice(b * chartBlock, (b + 1) * chartBlock).join('\n'))),
  pages: reports.map((r) => digest(r.page)),
  fields: reports.map((r) => digest(r.refused ? 'refused' : JSON.stringify(r.fields))),
};

if (mode === '--dump') {
  mkdirSync(dumpDir, { recursive: true });
  writeFileSync(join(dumpDir, 'charts.jsonl'), charts.join('\n') + '\n');
  reports.forEach((r, i) => {
    writeFileSync(join(dumpDir, `${String(i + 1).padStart(6, '0')}.htm`), r.page);
    writeFileSync(join(dumpDir, `${String(i + 1).padStart(6, '0')}.fields`), JSON.stringify(r.fields, null, 1));
  });
  console.log(`written to ${dumpDir}`);
} else if (mode === '--update') {
  writeFileSync(goldenPath, JSON.stringify(current, null, 1) + '\n');
  console.log(`golden.json rewritten: ${chartCount} charts, ${reportCount} reports`);
} else {
  const golden = JSON.parse(readFileSync(goldenPath, 'utf8'));
  const differ = (key) => current[key].map((h, i) => (h === golden[key][i] ? -1 : i)).filter((i) => i >= 0);
  const charts_ = differ('charts');
  const pages = differ('pages');
  const fields = differ('fields');
  const refused = reports.filter((r) => r.refused).length;
  console.log(`${chartCount} charts, ${reportCount} reports (${refused} refused)`);
  if (charts_.length || pages.length || fields.length) {
    if (charts_.length) console.log(`chart blocks of ${chartBlock} that differ: ${charts_.join(' ')}`);
    if (pages.length) console.log(`report pages that differ (from 1): ${pages.map((i) => i + 1).join(' ')}`);
    if (fields.length) console.log(`report fields that differ (from 1): ${fields.map((i) => i + 1).join(' ')}`);
    console.log('dump both builds with --dump DIR and diff them; --update when the change is meant');
    process.exit(1);
  }
  console.log('all byte-identical with golden.json');
}
