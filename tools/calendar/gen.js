#!/usr/bin/env node
// Generates the calendar tables of the chart engine (engine/data/*.cpp):
// lunar month lengths, lunar new years, the solar terms to the minute and the
// equation of time. Run: npm ci && node gen.js
//
// Lunar calendar and solar terms: lunar-javascript (pinned in package-lock.json),
// Beijing time. Equation of time: astronomia (Meeus ch. 28 with VSOP87 Earth).
'use strict';

const fs = require('fs');
const path = require('path');
const { Solar, Lunar, LunarYear } = require('lunar-javascript');
const { planetposition, eqtime, julian, deltat } = require('astronomia');
const vsop87Bearth = require('astronomia/data/vsop87Bearth').default;

const FIRST_YEAR = 1900;
// Births run to 31 December 2100; the tables go two lunar years further, so
// that the terms after such a birth (the window of its lunar month, the next
// 节 of its luck, the reverse lookup of the 丑 month of 2100) are all there.
const LAST_YEAR = 2102;
const YEARS = LAST_YEAR - FIRST_YEAR + 1;
const TERM_ENTRIES = 12 * (LAST_YEAR - FIRST_YEAR) + 2;
const DATA_DIR = path.resolve(__dirname, '../../engine/data');
const GENERATOR = 'tools/calendar/gen.js';

// The 24 terms in the order of one solar year, 立春 first. Index 2(j-1) is the
// 节 opening solar month j, index 2(j-1)+1 the 中气 after it.
const TERM_NAMES = [
  '立春', '雨水', '惊蛰', '春分', '清明', '谷雨', '立夏', '小满', '芒种', '夏至',
  '小暑', '大暑', '立秋', '处暑', '白露', '秋分', '寒露', '霜降', '立冬', '小雪',
  '大雪', '冬至', '小寒', '大寒',
];

// Rows the program has always carried with these values; lunar-javascript
// agrees with all of them. Every solar term comes from the source: the moments
// the program once carried for 立春 1900, 寒露 1900, 立春 1901 and 立春 2022
// were off by up to an hour, which a birth near them cannot afford.
const KEPT_ROWS = {
  lunarYear: {
    1900: [80, 0, 1, 0, 0, 1, 0, 1, 1, 1, 1, 0, 1],
    1903: [50, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1, 0, 1],
    2017: [61, 0, 1, 0, 1, 0, 0, 0, 1, 0, 1, 1, 1],
    2020: [40, 0, 1, 1, 1, 1, 0, 0, 1, 0, 1, 0, 1],
  },
  newYearDayCycle: { 1900: 41, 1901: 5, 1902: 59, 1903: 54 },
  newYearDate: { 1900: 131, 1901: 219, 1902: 208, 2024: 210 },
};

// ---- lunar calendar ---------------------------------------------------------

// Lunar month code: 1..12, a leap month month + 20.
function monthCode(lunar) {
  const m = lunar.getMonth();
  return m < 0 ? -m + 20 : m;
}

function lunarYearRow(year) {
  const ly = LunarYear.fromYear(year);
  const leap = ly.getLeapMonth();
  const row = new Array(13).fill(0);
  for (const m of ly.getMonths()) {
    if (m.getYear() !== year) continue;
    const big = m.getDayCount() === 30 ? 1 : 0;
    if (m.getMonth() < 0) row[0] = -m.getMonth() * 10 + big;
    else row[m.getMonth()] = big;
  }
  if (leap !== Math.floor(row[0] / 10)) throw new Error(`leap month mismatch in ${year}`);
  return row;
}

// Days between two Gregorian dates, by the proleptic day count.
function dayNumber(y, m, d) {
  return Math.round(Date.UTC(y, m - 1, d) / 86400000);
}

// Cycle number [0, 59] of a civil day; 31 Jan 1900 is 甲辰 = 41.
function dayCycle(y, m, d) {
  return (((dayNumber(y, m, d) - dayNumber(1900, 1, 31) + 41) % 60) + 60) % 60;
}

function newYearSolar(year) {
  return Lunar.fromYmd(year, 1, 1).getSolar();
}

// ---- solar terms ------------------------------------------------------------

// Moment of a term, Beijing time, to the minute in which it falls: a birth
// entered in that minute counts as born at the term (立春 2022 at 04:50:36 is 04:50).
function termMoment(solar) {
  const ms = Date.UTC(solar.getYear(), solar.getMonth() - 1, solar.getDay(),
    solar.getHour(), solar.getMinute(), solar.getSecond());
  const t = new Date(Math.floor(ms / 60000) * 60000);
  return {
    year: t.getUTCFullYear(), month: t.getUTCMonth() + 1, day: t.getUTCDate(),
    hour: t.getUTCHours(), minute: t.getUTCMinutes(),
  };
}

const termTableCache = new Map();
// Moments of the 24 terms of solar year y (立春 y … 大寒 of January y + 1).
function termsOfSolarYear(y) {
  if (termTableCache.has(y)) return termTableCache.get(y);
  const thisYear = Lunar.fromYmd(y, 6, 1).getJieQiTable();
  const nextYear = Lunar.fromYmd(y + 1, 6, 1).getJieQiTable();
  const moments = TERM_NAMES.map((name, i) => {
    const solar = i < 21 ? thisYear[name] : nextYear[name];
    const expectYear = i < 22 ? y : y + 1;
    if (!solar || solar.getYear() !== expectYear) throw new Error(`${name} of ${y} not found`);
    return termMoment(solar);
  });
  termTableCache.set(y, moments);
  return moments;
}

function hourBranch(hour) {
  return (Math.floor((hour + 1) / 2) % 12) + 1;
}

// Lunar date of the civil day of a moment, with the hour branch, as one code.
function termCode(mo) {
  const lunar = Solar.fromYmd(mo.year, mo.month, mo.day).getLunar();
  return monthCode(lunar) * 10000 + lunar.getDay() * 100 + hourBranch(mo.hour);
}

function solarTermEntry(k) {
  if (k === 0) return [0, 0, 0, 0, 0, 0, 0];
  const y = FIRST_YEAR + Math.floor((k - 1) / 12);
  const j = ((k - 1) % 12) + 1;
  const terms = termsOfSolarYear(y);
  const jie = terms[2 * (j - 1)];
  const qi = terms[2 * (j - 1) + 1];
  return [y, termCode(jie), jie.hour, jie.minute, termCode(qi), qi.hour, qi.minute];
}

// ---- equation of time -------------------------------------------------------

// One solar year stands for all: the equation of time repeats yearly to within
// a few seconds and drifts about 10 s a century. 1970 lies in the middle of the
// birth years and gives the extremes the program has always shown (-14 min 19 s
// in February, +16 min 24 s in November).
const EOT_YEAR = 1970;
const earth = new planetposition.Planet(vsop87Bearth);

// Equation of time (apparent minus mean solar time) in whole seconds at noon
// Beijing time (04:00 UT) of a civil day.
function equationOfTimeSeconds(y, m, d) {
  const jd = julian.CalendarGregorianToJD(y, m, d + 4 / 24);
  const jde = jd + deltat.deltaT(y + (m - 0.5) / 12) / 86400;
  const radians = eqtime.e(jde, earth);
  return Math.round((radians * 86400) / (2 * Math.PI));
}

function addDays(y, m, d, n) {
  const t = new Date(Date.UTC(y, m - 1, d + n));
  return [t.getUTCFullYear(), t.getUTCMonth() + 1, t.getUTCDate()];
}

function equationOfTimeSlots() {
  const terms = termsOfSolarYear(EOT_YEAR);
  const nextLichun = termsOfSolarYear(EOT_YEAR + 1)[0];
  const slots = [];
  for (let t = 0; t < 24; ++t) {
    const start = terms[t];
    const end = t < 23 ? terms[t + 1] : nextLichun;
    const length = dayNumber(end.year, end.month, end.day) - dayNumber(start.year, start.month, start.day);
    const days = [];
    for (let d = 0; d < 15; ++d) {
      const dd = Math.min(d, length - 1);
      days.push(equationOfTimeSeconds(...addDays(start.year, start.month, start.day, dd)));
    }
    slots.push(days[0], ...days);
  }
  slots.push(slots[0]);
  return slots;
}

function minutesSeconds(s) {
  return [Math.trunc(s / 60), s % 60 === 0 ? 0 : s % 60];
}

// ---- kept rows --------------------------------------------------------------

function applyKeptRows(name, table, kept, indexOf, describe) {
  const changes = [];
  for (const [key, value] of Object.entries(kept)) {
    const i = indexOf(Number(key));
    const generated = table[i];
    const same = JSON.stringify(generated) === JSON.stringify(value);
    if (!same) {
      changes.push(`  ${name}[${key}]: ${describe(generated, value)}`);
      table[i] = value;
    }
  }
  if (changes.length) console.log(`kept rows overriding the source in ${name}:\n${changes.join('\n')}`);
  else console.log(`${name}: kept rows agree with the source`);
}

// ---- output -----------------------------------------------------------------

function writeFile(fileName, source, body) {
  const file = path.join(DATA_DIR, fileName);
  const text = `// Generated by ${GENERATOR} from ${source}; do not edit.\n${body}`;
  const old = fs.existsSync(file) ? fs.readFileSync(file, 'utf8') : null;
  if (old === text) {
    console.log(`${fileName}: unchanged`);
    return;
  }
  const tmp = `${file}.tmp${process.pid}`;
  fs.writeFileSync(tmp, text);
  fs.renameSync(tmp, file);
  if (old === null) {
    console.log(`${fileName}: written`);
  } else {
    const a = old.split('\n');
    const b = text.split('\n');
    let changed = 0;
    for (let i = 0; i < Math.max(a.length, b.length); ++i) if (a[i] !== b[i]) ++changed;
    console.log(`${fileName}: ${changed} line(s) changed`);
  }
}

function cppFile(comment, declaration, rows) {
  return `// ${comment}
#include "engine/calendar_tables.h"

namespace orvane {

${declaration} = {{
${rows.join('\n')}
}};

}  // namespace orvane
`;
}

function main() {
  const years = Array.from({ length: YEARS }, (_, i) => FIRST_YEAR + i);

  const lunarYears = years.map(lunarYearRow);
  applyKeptRows('LunarYearTable', lunarYears, KEPT_ROWS.lunarYear, (y) => y - FIRST_YEAR,
    (a, b) => `${a.join(',')} -> ${b.join(',')}`);

  const newYearCycles = years.map((y) => {
    const s = newYearSolar(y);
    const n = dayCycle(s.getYear(), s.getMonth(), s.getDay());
    const lunar = Lunar.fromYmd(y, 1, 1);
    const check = ((6 * (lunar.getDayGanIndex() + 1) - 5 * (lunar.getDayZhiIndex() + 1)) % 60 + 60) % 60;
    if (check !== n) throw new Error(`day cycle mismatch for new year ${y}`);
    return n;
  });
  applyKeptRows('NewYearDayCycleTable', newYearCycles, KEPT_ROWS.newYearDayCycle, (y) => y - FIRST_YEAR,
    (a, b) => `${a} -> ${b}`);

  const newYearDates = years.map((y) => {
    const s = newYearSolar(y);
    if (s.getYear() !== y) throw new Error(`new year ${y} outside its Gregorian year`);
    return s.getMonth() * 100 + s.getDay();
  });
  applyKeptRows('NewYearDateTable', newYearDates, KEPT_ROWS.newYearDate, (y) => y - FIRST_YEAR,
    (a, b) => `${a} -> ${b}`);

  const terms = Array.from({ length: TERM_ENTRIES }, (_, k) => solarTermEntry(k));

  const eot = equationOfTimeSlots();
  const min = Math.min(...eot);
  const max = Math.max(...eot);
  const at = (v) => {
    const i = eot.indexOf(v);
    return `slot ${i} (${TERM_NAMES[Math.floor(i / 16) % 24]} + ${Math.max(0, (i % 16) - 1)} d)`;
  };
  const fmt = (v) => `${v < 0 ? '-' : '+'}${Math.floor(Math.abs(v) / 60)} min ${Math.abs(v) % 60} s`;
  console.log(`equation of time ${EOT_YEAR}: min ${fmt(min)} at ${at(min)}, max ${fmt(max)} at ${at(max)}`);

  const pad = (v, w) => String(v).padStart(w);

  writeFile('lunar_year_table.cpp', 'lunar-javascript', cppFile(
    '农历年表 — per lunar year: leap month * 10 + (leap month big), then months 1..12 big (1) or small (0).',
    'const std::array<LunarYearRow, kTableYears> LunarYearTable',
    lunarYears.map((r, i) => `    {{${pad(r[0], 3)}, ${r.slice(1).join(', ')}}},  // ${FIRST_YEAR + i}`)));

  writeFile('new_year_day_cycle_table.cpp', 'lunar-javascript', cppFile(
    '春节日干支 — cycle number of the first day of each lunar year (0 = 癸亥).',
    'const std::array<int, kTableYears> NewYearDayCycleTable',
    newYearCycles.map((n, i) => `    ${pad(n, 2)},  // ${FIRST_YEAR + i}`)));

  writeFile('new_year_date_table.cpp', 'lunar-javascript', cppFile(
    '春节日期 — Gregorian date of each lunar new year, month * 100 + day.',
    'const std::array<int, kTableYears> NewYearDateTable',
    newYearDates.map((n, i) => `    ${pad(n, 3)},  // ${FIRST_YEAR + i}`)));

  writeFile('solar_term_table.cpp', 'lunar-javascript', cppFile(
    '节气表 — each 节 and the 中气 after it, Beijing time: {termYear, jieCode, jieHour, jieMinute, qiCode, qiHour, qiMinute}.',
    'const std::array<SolarTermEntry, kSolarTermEntries> SolarTermTable',
    terms.map((r, k) => {
      const label = k === 0 ? 'unused' : `${r[0]} ${TERM_NAMES[2 * ((k - 1) % 12)]}`;
      return `    {${pad(r[0], 4)}, ${pad(r[1], 6)}, ${pad(r[2], 2)}, ${pad(r[3], 2)}, ${pad(r[4], 6)}, ${pad(r[5], 2)}, ${pad(r[6], 2)}},  // ${pad(k, 4)} ${label}`;
    })));

  writeFile('equation_of_time_table.cpp', 'astronomia', cppFile(
    `均时差 — equation of time at noon Beijing time (minutes, seconds), solar year ${EOT_YEAR}, 16 slots per term from 立春.`,
    'const std::array<EquationOfTimeSlot, kEquationOfTimeSlots> EquationOfTimeTable',
    eot.map((s, i) => {
      const [m, sec] = minutesSeconds(s);
      const note = i % 16 === 0 && i < 384 ? `  // ${i} ${TERM_NAMES[i / 16]}` : (i === 384 ? '  // 384 = 0' : '');
      return `    {${pad(m, 3)}, ${pad(sec, 3)}},${note}`;
    })));
}

main();
