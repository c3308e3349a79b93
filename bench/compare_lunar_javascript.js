#!/usr/bin/env node
// Time per chart of compute_chart() (compute_chart_bench, BM_StoreAndComputeChart)
// against lunar-javascript computing the same births' four pillars (EightChar,
// sect 1) and luck start (Yun, sect 2: direction, start age and date), measured
// in the same run. Prints both figures and their ratio, in CPU time (fair on a
// busy machine) and in wall-clock time. Asserts nothing.
//
// Usage: node compare_lunar_javascript.js COMPUTE_CHART_BENCH [SECONDS]
'use strict';

const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');

const REPETITIONS = 3;
const TARGET_RATIO = 100;

function requireLunarJavascript() {
  try {
    return require('lunar-javascript');
  } catch (e) {
    console.error(`missing npm package lunar-javascript: run "npm ci --prefix ${__dirname}" first`);
    process.exit(1);
  }
}

function readBirths() {
  const births = [];
  for (const line of fs.readFileSync(path.join(__dirname, 'births.txt'), 'utf8').split('\n')) {
    if (!line.trim() || line.startsWith('#')) continue;
    const m = /^(\d{4})-(\d\d)-(\d\d) (\d\d):(\d\d) (male|female)$/.exec(line.trim());
    if (!m) throw new Error(`births.txt: cannot read "${line}"`);
    births.push({
      year: +m[1], month: +m[2], day: +m[3], hour: +m[4], minute: +m[5], gender: m[6] === 'male' ? 1 : 0,
    });
  }
  if (!births.length) throw new Error('births.txt holds no birth');
  return births;
}

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

// Median nanoseconds per chart of BM_StoreAndComputeChart.
function timeComputeChart(benchBinary, seconds) {
  const r = spawnSync(benchBinary, [
    '--benchmark_filter=^BM_StoreAndComputeChart$', `--benchmark_min_time=${seconds}`,
    `--benchmark_repetitions=${REPETITIONS}`, '--benchmark_report_aggregates_only=true',
    '--benchmark_format=json',
  ], { encoding: 'utf8', maxBuffer: 64 * 1024 * 1024 });
  if (r.error) throw new Error(`cannot run ${benchBinary}: ${r.error.message}`);
  if (r.status !== 0) throw new Error(`${benchBinary} exited ${r.status}: ${r.stderr.trim()}`);
  const result = JSON.parse(r.stdout).benchmarks.find((b) => b.aggregate_name === 'median');
  if (!result || result.error_occurred) throw new Error(`no median from ${benchBinary}: ${r.stdout.slice(0, 400)}`);
  if (result.time_unit !== 'ns') throw new Error(`unexpected time unit ${result.time_unit}`);
  return { wall: result.real_time, cpu: result.cpu_time };
}

// What lunar-javascript does for one chart: the pillars and the luck start.
function chartOf(lib, b) {
  const eight = lib.Solar.fromYmdHms(b.year, b.month, b.day, b.hour, b.minute, 0).getLunar().getEightChar();
  eight.setSect(1);
  const yun = eight.getYun(b.gender, 2);
  return [
    eight.getYear(), eight.getMonth(), eight.getDay(), eight.getTime(), yun.isForward(),
    yun.getStartYear(), yun.getStartMonth(), yun.getStartDay(), yun.getStartSolar().toYmd(),
  ];
}

// Median nanoseconds per chart over REPETITIONS runs of at least `seconds`.
function timeLunarJavascript(lib, births, seconds) {
  let sink = 0;
  for (const b of births) sink += chartOf(lib, b).length;  // warm-up
  const walls = [];
  const cpus = [];
  for (let rep = 0; rep < REPETITIONS; ++rep) {
    let charts = 0;
    const cpu0 = process.cpuUsage();
    const t0 = process.hrtime.bigint();
    let elapsed = 0n;
    while (elapsed < BigInt(Math.round(seconds * 1e9))) {
      for (const b of births) sink += chartOf(lib, b).length;
      charts += births.length;
      elapsed = process.hrtime.bigint() - t0;
    }
    const cpu = process.cpuUsage(cpu0);
    walls.push(Number(elapsed) / charts);
    cpus.push(((cpu.user + cpu.system) * 1000) / charts);
  }
  if (sink === 0) throw new Error('lunar-javascript computed nothing');
  return { wall: median(walls), cpu: median(cpus) };
}

function micro(ns) {
  return `${(ns / 1000).toFixed(ns < 10000 ? 2 : 0)} µs`;
}

function main() {
  const [benchBinary, secondsArg = '1'] = process.argv.slice(2);
  if (!benchBinary) {
    console.error('usage: node compare_lunar_javascript.js COMPUTE_CHART_BENCH [SECONDS]');
    process.exit(2);
  }
  const seconds = Number(secondsArg);
  const lib = requireLunarJavascript();
  const births = readBirths();

  const engine = timeComputeChart(benchBinary, seconds);
  const reference = timeLunarJavascript(lib, births, seconds);

  console.log(`births: ${births.length} (bench/births.txt), median of ${REPETITIONS} runs of ${seconds} s each`);
  console.log('time per chart              CPU        wall');
  console.log(`compute_chart()          ${micro(engine.cpu).padStart(10)}  ${micro(engine.wall).padStart(10)}`);
  console.log(`lunar-javascript 1.7.7   ${micro(reference.cpu).padStart(10)}  ${micro(reference.wall).padStart(10)}`);
  const cpuRatio = reference.cpu / engine.cpu;
  const wallRatio = reference.wall / engine.wall;
  console.log(`ratio                    ${cpuRatio.toFixed(0).padStart(8)} x  ${wallRatio.toFixed(0).padStart(8)} x`);
  console.log(`target ${TARGET_RATIO} x (CPU): ${cpuRatio >= TARGET_RATIO ? 'met' : 'not met'}`);
}

main();
