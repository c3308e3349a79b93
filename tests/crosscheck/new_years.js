#!/usr/bin/env node
// 春节 check: NewYearDateTable, NewYearDayCycleTable and LunarYearTable
// (engine/data) for every year 1900-2100 against a calendar built from
// astronomia's new moons and solar terms. Fails on any difference of a
// new-year date, its day cycle, the first day of a month or the place of a
// leap month, except where the new moon lies so close to midnight
// (CLOSE_MINUTES) that this computation cannot decide the day; those are listed.
// Usage: node new_years.js ENGINE_DATA_DIR
'use strict';

require('./lib/requirements').requirePackages();
const astro = require('./lib/astro');
const { lunarYears } = require('./lib/chinese_calendar');
const { readYearRows } = require('./lib/data_tables');
const { HISTORICAL_MONTHS } = require('./lib/historical_months');

const FIRST_YEAR = 1900;
const LAST_YEAR = 2100;
const CLOSE_MINUTES = 2;

// The months of lunar year y as the tables give them: [{ start, month, leap }]
// and the day after the year.
function tableMonths(y, date, row) {
  let day = astro.jdnFromYmd(y, Math.floor(date / 100), date % 100);
  const months = [];
  const leapMonth = Math.floor(row[0] / 10);
  for (let m = 1; m <= 12; ++m) {
    months.push({ start: day, month: m, leap: false });
    day += 29 + row[m];
    if (m === leapMonth) {
      months.push({ start: day, month: m, leap: true });
      day += 29 + (row[0] % 10);
    }
  }
  return { months, end: day };
}

const label = (m) => `${m.leap ? 'leap ' : ''}${m.month}`;

function main() {
  const dataDir = process.argv[2];
  if (!dataDir) {
    console.error('usage: node new_years.js ENGINE_DATA_DIR');
    process.exit(2);
  }
  const dates = readYearRows(dataDir, 'new_year_date_table.cpp');
  const cycles = readYearRows(dataDir, 'new_year_day_cycle_table.cpp');
  const rows = readYearRows(dataDir, 'lunar_year_table.cpp');
  const years = lunarYears(FIRST_YEAR, LAST_YEAR);

  const failures = [];
  const closeCalls = [];
  const historical = [];
  // A month start that differs from the new-moon day: a failure unless the
  // month is a listed historical one or the new moon is too close to midnight
  // to tell.
  const compareStart = (where, tableDay, astroDay, margin, month) => {
    if (tableDay === astroDay) return;
    const text = `${where} begins ${astro.isoDate(tableDay)} in the table, ${astro.isoDate(astroDay)} by the new moon`;
    const known = month && HISTORICAL_MONTHS.find((h) => h.year === month.year && h.month === month.month &&
      h.leap === month.leap && astro.jdnFromYmd(...h.tableStart) === tableDay &&
      astro.jdnFromYmd(...h.computedStart) === astroDay);
    if (known) {
      historical.push(known.note);
    } else if (Math.abs(tableDay - astroDay) === 1 && margin < CLOSE_MINUTES) {
      closeCalls.push(`${text} (${(margin * 60).toFixed(0)} s from midnight)`);
    } else {
      failures.push(text);
    }
  };

  let monthsCompared = 0;
  for (let y = FIRST_YEAR; y <= LAST_YEAR; ++y) {
    if (!dates[y] || !cycles[y] || !rows[y] || rows[y].length !== 13) {
      failures.push(`${y}: missing or malformed in the tables`);
      continue;
    }
    const expected = years[y];
    const table = tableMonths(y, dates[y][0], rows[y]);
    const tableLabels = table.months.map(label).join(',');
    const expectedLabels = expected.map(label).join(',');
    if (tableLabels !== expectedLabels) {
      failures.push(`${y}: months ${tableLabels} in the table, ${expectedLabels} by the new moons`);
      continue;
    }
    table.months.forEach((m, i) => compareStart(`${y} month ${label(m)}`, m.start, expected[i].start,
      expected[i].margin, { year: y, month: m.month, leap: m.leap }));
    const last = expected[expected.length - 1];
    compareStart(`${y + 1} month 1 (end of ${y})`, table.end, last.start + last.days, last.nextMargin);
    monthsCompared += table.months.length;

    const newYear = astro.ymdFromJdn(expected[0].start);
    const expectDate = newYear.month * 100 + newYear.day;
    if (dates[y][0] !== expectDate && expected[0].margin >= CLOSE_MINUTES) {
      failures.push(`${y}: NewYearDateTable ${dates[y][0]}, new moon gives ${expectDate}`);
    }
    const tableNewYear = table.months[0].start;
    if (cycles[y][0] !== astro.dayCycleOfJdn(tableNewYear)) {
      failures.push(`${y}: NewYearDayCycleTable ${cycles[y][0]}, the day ${astro.isoDate(tableNewYear)} is ${astro.dayCycleOfJdn(tableNewYear)}`);
    }
  }

  console.log(`compared ${LAST_YEAR - FIRST_YEAR + 1} lunar new years ${FIRST_YEAR}-${LAST_YEAR} ` +
    `(date and day cycle) and the first days of ${monthsCompared} lunar months with astronomia's new moons`);
  for (const h of historical) console.log(`historical month, kept as issued: ${h}`);
  if (closeCalls.length) {
    console.log(`new moon within ${CLOSE_MINUTES} min of midnight, the table's day accepted:`);
    for (const c of closeCalls) console.log(`  ${c}`);
  }
  if (failures.length) {
    console.log(`${failures.length} difference(s):`);
    for (const f of failures.slice(0, 20)) console.log(`  ${f}`);
    process.exit(1);
  }
  console.log('all agree');
}

main();
