#!/usr/bin/env node
// 四柱 check: the four pillars and the luck start of `orvane-cli chart --batch`
// against lunar-javascript's EightChar (sect 1: the day changes at 23:00) for
// seeded random births of FIRST_YEAR-LAST_YEAR (1901-2019 unless given), with
// the options 0000.
//
// Skipped: births within MARGIN_SECONDS of a 节 (the table keeps whole minutes,
// lunar-javascript seconds).
//
// Luck start: the program counts the minutes between the birth and the
// governing 节 exactly as lunar-javascript's Yun sect 2 does (three days to a
// year), so the minutes, the direction and the age in whole years are
// compared exactly. The program reckons the start from the 节 that opened the
// birth month, not from the birth, and counts its years by the 立春 passed on
// the way: so its whole years may be one more than lunar-javascript's age in
// whole years, and its start date may lie up to a solar month from
// lunar-javascript's. Those two are bounded, not compared exactly.
//
// Usage: node pillars.js ORVANE_CLI [COUNT [SEED [FIRST_YEAR LAST_YEAR]]]
'use strict';

const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');

if (!fs.existsSync(path.join(__dirname, 'node_modules', 'lunar-javascript'))) {
  console.error(`missing npm package lunar-javascript: run "npm ci --prefix ${__dirname}" first`);
  process.exit(1);
}
const { Solar, LunarUtil } = require('lunar-javascript');

const MARGIN_SECONDS = 3 * 60;
let FIRST_YEAR = 1901;
let LAST_YEAR = 2019;
// Of all births, this share is drawn close to a 节 (outside the margin) to
// exercise the month and year boundaries; the rest are uniform in time.
const NEAR_TERM_SHARE = 0.2;
const NEAR_TERM_SPAN_SECONDS = 6 * 3600;
// The start date of luck may lie one solar month (up to 32 days) on either
// side of lunar-javascript's, plus a few days for the fixed day of each 节.
const START_DATE_LIMIT_DAYS = 36;
const SHOWN = 10;

// mulberry32: small, fast, and the same sequence on every run for a seed.
function prng(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// Seconds since 1970 of a civil moment (the calendar's own clock, no zone).
function epochSeconds(y, mo, d, h = 0, mi = 0, s = 0) {
  return Date.UTC(y, mo - 1, d, h, mi, s) / 1000;
}

function civil(seconds) {
  const t = new Date(seconds * 1000);
  return {
    year: t.getUTCFullYear(), month: t.getUTCMonth() + 1, day: t.getUTCDate(),
    hour: t.getUTCHours(), minute: t.getUTCMinutes(),
  };
}

function solarSeconds(solar) {
  return epochSeconds(solar.getYear(), solar.getMonth(), solar.getDay(),
    solar.getHour(), solar.getMinute(), solar.getSecond());
}

// The table's moment of a 节: lunar-javascript's, to the minute in which it falls.
function tableMinute(solar) {
  return Math.floor(solarSeconds(solar) / 60);
}

function cycleOfGanZhi(ganZhi) {
  return (LunarUtil.getJiaZiIndex(ganZhi) + 1) % 60;
}

function ganZhiOfCycle(n) {
  return LunarUtil.JIA_ZI[(n + 59) % 60];
}

const pad = (n, w = 2) => String(n).padStart(w, '0');
const isoDate = (b) => `${b.year}-${pad(b.month)}-${pad(b.day)}`;

function randomBirths(count, seed) {
  const random = prng(seed);
  const first = epochSeconds(FIRST_YEAR, 1, 1) / 60;
  const minutes = epochSeconds(LAST_YEAR + 1, 1, 1) / 60 - first;
  const births = [];
  for (let i = 0; i < count; ++i) {
    let at = (first + Math.floor(random() * minutes)) * 60;
    const male = random() < 0.5;
    if (random() < NEAR_TERM_SHARE) {
      // The next 节 after a random moment, then a moment a little before or after it.
      const b = civil(at);
      const jie = Solar.fromYmdHms(b.year, b.month, b.day, b.hour, b.minute, 0).getLunar().getNextJie();
      const offset = Math.floor(random() * 2 * NEAR_TERM_SPAN_SECONDS) - NEAR_TERM_SPAN_SECONDS;
      at = Math.floor((solarSeconds(jie.getSolar()) + offset) / 60) * 60;
      if (at < first * 60 || at >= (first + minutes) * 60) at = (first + Math.floor(random() * minutes)) * 60;
    }
    births.push({ ...civil(at), male });
  }
  return births;
}

// lunar-javascript's view of a birth, or the reason it is not compared.
function reference(b) {
  const solar = Solar.fromYmdHms(b.year, b.month, b.day, b.hour, b.minute, 0);
  const lunar = solar.getLunar();
  const prev = lunar.getPrevJie();
  const next = lunar.getNextJie();
  const at = solarSeconds(solar);
  if (at - solarSeconds(prev.getSolar()) < MARGIN_SECONDS || solarSeconds(next.getSolar()) - at < MARGIN_SECONDS) {
    return { skip: `within ${MARGIN_SECONDS / 60} minutes of a 节` };
  }
  const eight = lunar.getEightChar();
  eight.setSect(1);
  const yun = eight.getYun(b.male ? 1 : 0, 2);
  const forward = yun.isForward();
  const birthMinute = at / 60;
  const start = yun.getStartSolar();
  return {
    pillars: [eight.getYear(), eight.getMonth(), eight.getDay(), eight.getTime()].map(cycleOfGanZhi),
    forward,
    luckMinutes: forward ? tableMinute(next.getSolar()) - birthMinute : birthMinute - tableMinute(prev.getSolar()),
    startYears: yun.getStartYear(),
    startAge: `${yun.getStartYear()} y ${yun.getStartMonth()} m ${yun.getStartDay()} d`,
    startDay: epochSeconds(start.getYear(), start.getMonth(), start.getDay()) / 86400,
    startText: start.toYmd(),
  };
}

function runCharts(orvaneCli, births) {
  const input = births.map((b) => `--solar ${isoDate(b)} --time ${pad(b.hour)}:${pad(b.minute)} ` +
    `--sex ${b.male ? 'male' : 'female'} --options 0000`).join('\n') + '\n';
  const r = spawnSync(orvaneCli, ['chart', '--batch'], { input, encoding: 'utf8', maxBuffer: 1024 * 1024 * 1024 });
  if (r.error) throw new Error(`cannot run ${orvaneCli}: ${r.error.message}`);
  if (r.status !== 0) throw new Error(`orvane-cli chart --batch exited ${r.status}: ${r.stderr.trim()}`);
  const lines = r.stdout.split('\n').filter((l) => l.trim());
  if (lines.length !== births.length) {
    throw new Error(`chart --batch answered ${lines.length} lines for ${births.length} births`);
  }
  return lines.map((l) => JSON.parse(l));
}

function describe(b) {
  return `${isoDate(b)} ${pad(b.hour)}:${pad(b.minute)} ${b.male ? 'male' : 'female'}`;
}

function main() {
  const [orvaneCli, countArg = '12000', seedArg = '20240611', firstArg, lastArg] = process.argv.slice(2);
  if (!orvaneCli) {
    console.error('usage: node pillars.js ORVANE_CLI [COUNT [SEED [FIRST_YEAR LAST_YEAR]]]');
    process.exit(2);
  }
  if (firstArg) FIRST_YEAR = Number(firstArg);
  if (lastArg) LAST_YEAR = Number(lastArg);
  const births = randomBirths(Number(countArg), Number(seedArg));
  const charts = runCharts(orvaneCli, births);

  const skipped = new Map();
  const pillarDiffs = [];
  const luckDiffs = [];
  let compared = 0;
  let worstStart = { days: 0, line: 'none' };
  const extraYears = [0, 0];
  births.forEach((b, i) => {
    const c = charts[i];
    const ref = reference(b);
    if (ref.skip) {
      skipped.set(ref.skip, (skipped.get(ref.skip) || 0) + 1);
      return;
    }
    ++compared;
    if (c.error) {
      pillarDiffs.push(`${describe(b)}: refused: ${c.error}`);
      return;
    }
    const got = [c.yearPillar, c.monthPillar, c.dayPillar, c.hourPillar];
    if (got.some((p, n) => p !== ref.pillars[n])) {
      pillarDiffs.push(`${describe(b)}: orvane ${got.map(ganZhiOfCycle).join(' ')}, ` +
        `lunar-javascript ${ref.pillars.map(ganZhiOfCycle).join(' ')}`);
      return;
    }

    const forward = (c.sexFlag + c.yearPillar) % 2 === 0;
    const startDay = epochSeconds(c.luckStartYear, c.luckStartDateMonth, c.luckStartDateDay) / 86400;
    const startDays = startDay - ref.startDay;
    const extraYear = c.luckStartYears - ref.startYears;
    const where = `${describe(b)}: ${forward ? 'forward' : 'backward'} ${c.luckMinutes} min, ` +
      `${c.luckStartYears} y, start ${c.luckStartYear}-${pad(c.luckStartDateMonth)}-${pad(c.luckStartDateDay)}; ` +
      `lunar-javascript ${ref.forward ? 'forward' : 'backward'} ${ref.luckMinutes} min, ` +
      `${ref.startAge}, start ${ref.startText}`;
    if (forward !== ref.forward || c.luckMinutes !== ref.luckMinutes || (extraYear !== 0 && extraYear !== 1) ||
        Math.abs(startDays) > START_DATE_LIMIT_DAYS || c.messages.length) {
      luckDiffs.push(where + (c.messages.length ? `; messages ${c.messages.join(' | ')}` : ''));
      return;
    }
    if (Math.abs(startDays) > Math.abs(worstStart.days)) worstStart = { days: startDays, line: where };
    ++extraYears[extraYear];
  });

  const skippedTotal = [...skipped.values()].reduce((a, n) => a + n, 0);
  console.log(`births: ${births.length} (seed ${seedArg}, ${FIRST_YEAR}-${LAST_YEAR}, options 0000)`);
  console.log(`compared: ${compared}`);
  console.log(`skipped: ${skippedTotal}`);
  for (const [why, n] of skipped) console.log(`  ${n} ${why}`);
  console.log(`four pillars differing: ${pillarDiffs.length}`);
  for (const d of pillarDiffs.slice(0, SHOWN)) console.log(`  ${d}`);
  console.log(`luck start differing (direction, minutes to the 节, whole years equal or one more, ` +
    `start date within ${START_DATE_LIMIT_DAYS} days): ${luckDiffs.length}`);
  for (const d of luckDiffs.slice(0, SHOWN)) console.log(`  ${d}`);
  console.log(`largest start-date distance: ${worstStart.days} days (${worstStart.line})`);
  console.log(`whole years of the start: equal ${extraYears[0]}, one more (a 立春 passed) ${extraYears[1]}`);
  if (compared < 10000) {
    console.log(`too few births compared: ${compared} < 10000`);
    process.exit(1);
  }
  if (pillarDiffs.length || luckDiffs.length) process.exit(1);
  console.log('all compared births agree');
}

main();
