#!/usr/bin/env node
// 公历转农历 check: every day from 1900-01-31 to 2020-12-31 through
// `orvane-cli lunar --batch`, against date-chinese, an independent Chinese
// calendar computed with astronomia. Compares the lunar year, month code, day
// and weekday; fails on any difference outside the listed historical months.
// Usage: node lunar_days.js ORVANE_CLI
'use strict';

require('./lib/requirements').requirePackages();
const { CalendarChinese } = require('date-chinese');
const astro = require('./lib/astro');
const cli = require('./lib/orvane_cli');
const { HISTORICAL_MONTHS } = require('./lib/historical_months');

const FIRST_DAY = astro.jdnFromYmd(1900, 1, 31);
const LAST_DAY = astro.jdnFromYmd(2020, 12, 31);

function dateChinese(calendar, jdn) {
  const { year, month, day } = astro.ymdFromJdn(jdn);
  calendar.fromGregorian(year, month, day);
  return {
    lunarYear: calendar.yearFromEpochCycle(),
    lunarMonthCode: calendar.month + (calendar.leap ? 20 : 0),
    lunarDay: calendar.day,
    weekday: astro.weekdayOfJdn(jdn),
  };
}

// date-chinese's lunar dates, with the day counted on from the month's first
// day: where it switches from Beijing local mean time to UTC+8 (1 January
// 1929) it names 1928-12-31 and 1929-01-01 both day 20 of month 11 and runs a
// day late to the end of that month. Such days are counted and reported.
function expectedDays(days) {
  const calendar = new CalendarChinese();
  const expected = [];
  const repaired = [];
  days.forEach((jdn, n) => {
    const e = dateChinese(calendar, jdn);
    const prev = expected[n - 1];
    if (prev && prev.lunarMonthCode === e.lunarMonthCode && prev.lunarYear === e.lunarYear &&
        e.lunarDay !== prev.lunarDay + 1) {
      repaired.push(`${astro.isoDate(jdn)} day ${e.lunarDay} -> ${prev.lunarDay + 1}`);
      e.lunarDay = prev.lunarDay + 1;
    }
    expected.push(e);
  });
  return { expected, repaired };
}

function main() {
  const orvaneCli = process.argv[2];
  if (!orvaneCli) {
    console.error('usage: node lunar_days.js ORVANE_CLI');
    process.exit(2);
  }
  const days = [];
  for (let j = FIRST_DAY; j <= LAST_DAY; ++j) days.push(j);
  const actual = cli.lunarBatch(orvaneCli, days.map(astro.isoDate));

  const { expected: reference, repaired } = expectedDays(days);
  const fields = ['lunarYear', 'lunarMonthCode', 'lunarDay', 'weekday'];
  const differences = [];
  const historical = new Map();
  days.forEach((jdn, n) => {
    const expected = reference[n];
    const got = actual[n];
    const wrong = fields.filter((f) => got[f] !== expected[f]);
    if (got.leapMonth !== (got.lunarMonthCode > 20 ? 1 : 0)) wrong.push('leapMonth');
    if (!wrong.length) return;
    const text = `${astro.isoDate(jdn)}: ` +
      wrong.map((f) => `${f} ${got[f]}${f in expected ? ` (date-chinese ${expected[f]})` : ''}`).join(', ');
    const month = HISTORICAL_MONTHS.find((h) => jdn >= astro.jdnFromYmd(...h.from) && jdn <= astro.jdnFromYmd(...h.to));
    if (month && !wrong.includes('weekday') && !wrong.includes('leapMonth')) {
      historical.set(month, (historical.get(month) || 0) + 1);
    } else {
      differences.push(text);
    }
  });

  console.log(`compared ${days.length} days from ${astro.isoDate(FIRST_DAY)} to ${astro.isoDate(LAST_DAY)} with date-chinese`);
  if (repaired.length) {
    console.log(`date-chinese repeats a day; counted on from the month's first day on ${repaired.length} day(s): ` +
      `${repaired[0]} … ${repaired[repaired.length - 1]}`);
  }
  for (const [month, count] of historical) {
    console.log(`historical month, ${count} day(s) differ as expected: ${month.note}`);
  }
  if (differences.length) {
    console.log(`${differences.length} day(s) differ; the first ones:`);
    for (const d of differences.slice(0, 10)) console.log(`  ${d}`);
    process.exit(1);
  }
  console.log('all days agree');
}

main();
