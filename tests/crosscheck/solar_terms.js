#!/usr/bin/env node
// 节气 check: every 节 and 中气 of SolarTermTable for 1900-2101, as orvane-cli
// prints them, against the moment the apparent solar longitude (VSOP87) reaches
// the term's degree, Beijing time. Fails when a moment is more than
// MAX_MINUTES off, when a code's lunar date is not the civil day of the moment,
// or when its hour branch does not follow from the hour.
// Usage: node solar_terms.js ORVANE_CLI [FIRST_YEAR LAST_YEAR]
'use strict';

require('./lib/requirements').requirePackages();
const astro = require('./lib/astro');
const cli = require('./lib/orvane_cli');

const MAX_MINUTES = 2;
const TERM_NAMES = [
  '立春', '雨水', '惊蛰', '春分', '清明', '谷雨', '立夏', '小满', '芒种', '夏至',
  '小暑', '大暑', '立秋', '处暑', '白露', '秋分', '寒露', '霜降', '立冬', '小雪',
  '大雪', '冬至', '小寒', '大寒',
];

function hourBranch(hour) {
  return (Math.floor((hour + 1) / 2) % 12) + 1;
}

function hhmm(minutes) {
  const m = Math.round(minutes * 10) / 10;
  return `${String(Math.floor(m / 60)).padStart(2, '0')}:${(m % 60).toFixed(1).padStart(4, '0')}`;
}

function main() {
  const [orvaneCli, first = '1900', last = '2101'] = process.argv.slice(2);
  if (!orvaneCli) {
    console.error('usage: node solar_terms.js ORVANE_CLI [FIRST_YEAR LAST_YEAR]');
    process.exit(2);
  }
  const firstYear = Number(first);
  const lastYear = Number(last);

  // Every term of the range: the table's values and the computed moment.
  const terms = [];
  const failures = [];
  for (let y = firstYear; y <= lastYear; ++y) {
    const entries = cli.terms(orvaneCli, y);
    if (entries.length !== 12) failures.push(`terms ${y}: ${entries.length} entries instead of 12`);
    entries.forEach((e, n) => {
      const j = n + 1;
      const k = 12 * (y - 1900) + j;
      if (e.k !== k || e.termYear !== y) failures.push(`terms ${y}[${n}]: k ${e.k} termYear ${e.termYear}, expected ${k} ${y}`);
      for (const [part, offset] of [['jie', 0], ['qi', 1]]) {
        const i = 2 * (j - 1) + offset;
        terms.push({
          k, name: TERM_NAMES[i], code: e[`${part}Code`], hour: e[`${part}Hour`], minute: e[`${part}Minute`],
          astro: astro.beijingMoment(astro.solarTerm(y, i)),
        });
      }
    });
  }

  // The table gives a lunar date; find the civil day (within one of the
  // computed moment's) that carries it.
  const days = new Set();
  for (const t of terms) for (let d = -1; d <= 1; ++d) days.add(t.astro.jdn + d);
  const dayList = [...days].sort((a, b) => a - b);
  const lunar = new Map();
  cli.lunarBatch(orvaneCli, dayList.map(astro.isoDate)).forEach((l, n) => lunar.set(dayList[n], l));

  let worst = null;
  for (const t of terms) {
    const where = `k ${t.k} ${t.name} ${astro.isoDate(t.astro.jdn).slice(0, 4)}`;
    const month = Math.floor(t.code / 10000);
    const day = Math.floor(t.code / 100) % 100;
    const branch = t.code % 100;
    const jdn = [-1, 0, 1].map((d) => t.astro.jdn + d)
      .find((j) => lunar.get(j).lunarMonthCode === month && lunar.get(j).lunarDay === day);
    if (jdn === undefined) {
      failures.push(`${where}: lunar date ${month}/${day} is not within a day of ${astro.isoDate(t.astro.jdn)}`);
      continue;
    }
    const diff = (jdn - t.astro.jdn) * 1440 + t.hour * 60 + t.minute - t.astro.minutes;
    const line = `${where}: table ${astro.isoDate(jdn)} ${hhmm(t.hour * 60 + t.minute)}, ` +
      `VSOP87 ${astro.isoDate(t.astro.jdn)} ${hhmm(t.astro.minutes)}, difference ${diff.toFixed(1)} min`;
    if (branch !== hourBranch(t.hour)) failures.push(`${where}: hour branch ${branch} for hour ${t.hour}`);
    if (Math.abs(diff) > MAX_MINUTES) failures.push(line);
    if (!worst || Math.abs(diff) > Math.abs(worst.diff)) worst = { diff, line };
  }

  console.log(`compared ${terms.length} terms of ${firstYear}-${lastYear} with VSOP87`);
  console.log(`largest difference: ${worst ? worst.line : 'none'}`);
  if (failures.length) {
    console.log(`${failures.length} failure(s), limit ${MAX_MINUTES} min:`);
    for (const f of failures.slice(0, 20)) console.log(`  ${f}`);
    process.exit(1);
  }
  console.log('all terms within the limit');
}

main();
