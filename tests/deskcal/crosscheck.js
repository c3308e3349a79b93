// Compares every day of tallis --print (1901-01-01 .. 2050-12-31) with date-chinese,
// an astronomical Chinese calendar that shares nothing with the generated tables:
// lunar year, month, day, leap flag, and the day of each solar term.
//
// Two known, explained departures:
// - Before 1929 the calendars in use reckoned days in Beijing mean time (UTC+7:45:40)
//   for some months and in UTC+8 for others (the tables follow the published calendar:
//   lunar 1906-04 and the solar terms in UTC+8, lunar 1914-10, 1916-01 and 1920-10 in
//   Beijing mean time). There a day passes when it agrees with date-chinese in either zone.
// - 2033: date-chinese makes the 7th month leap and then skips month 11 (its 11th is a
//   leap month without a base). The published calendar has month 11 and a leap 11th
//   (the winter solstice of 2033-12-21 falls in month 11), so from 2033-08-25 to
//   2033-12-21 tallis must show date-chinese's month + 1, same day, no leap flag.
//
// Usage: node crosscheck.js path/to/tallis
'use strict';
const { execFileSync } = require('child_process');

let CalendarChinese;
let julian;
try {
  ({ CalendarChinese } = require('date-chinese'));
  ({ julian } = require('astronomia'));
} catch (e) {
  console.error(`date-chinese is not installed: run npm ci in ${__dirname}`);
  process.exit(process.env.CI ? 1 : 77);  // 77: ctest counts it as skipped on a developer machine
}

const tallis = process.argv[2];
if (!tallis) {
  console.error('usage: node crosscheck.js path/to/tallis');
  process.exit(2);
}

const FIRST = 1901;
const LAST = 2050;
const ZONE_CHANGE_YEAR = 1929;
const SKIPPED_MONTH_FROM = '2033-08-25';
const SKIPPED_MONTH_TO = '2033-12-21';
// tallis numbers the terms from 小寒 = 1; date-chinese from 立春 = 1.
const TERM_NAMES = ['小寒', '大寒', '立春', '雨水', '惊蛰', '春分', '清明', '谷雨', '立夏', '小满', '芒种', '夏至',
  '小暑', '大暑', '立秋', '处暑', '白露', '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至'];

const pad2 = (n) => String(n).padStart(2, '0');
const key = (y, m, d) => `${y}-${pad2(m)}-${pad2(d)}`;

function reckoner(utc8Always) {
  const cal = new CalendarChinese();
  if (utc8Always) cal.timeshiftUTC = () => 8 / 24;
  const termOn = new Map();
  for (let gyear = FIRST - 1; gyear <= LAST + 1; gyear++) {
    for (let t = 1; t <= 24; t++) {
      const g = new julian.CalendarGregorian().fromJDE(cal.solarTerm(t, gyear) + 0.5);
      if (g.year >= FIRST && g.year <= LAST) termOn.set(key(g.year, g.month, Math.trunc(g.day)), TERM_NAMES[(t + 1) % 24]);
    }
  }
  return {
    day(y, m, d) {
      cal.fromGregorian(y, m, d);
      return { year: cal.yearFromEpochCycle(), month: cal.month, leap: cal.leap, day: cal.day, term: termOn.get(key(y, m, d)) || '' };
    },
  };
}

const lunarText = (l) => `${l.year}-${l.month}${l.leap ? 'L' : ''}-${pad2(l.day)}`;

const standard = reckoner(true);
const beijingMean = reckoner(false);

let compared = 0;
let inBeijingMeanTime = 0;
let inSkippedMonth = 0;
const mismatches = [];
// One run prints the whole range; lines are checked in order against the dates they must carry.
const out = execFileSync(tallis, ['--print', `${FIRST}-01`, `${LAST}-12`], { encoding: 'utf8', maxBuffer: 64 << 20 });
const lines = out.split('\n').filter((l) => l.length > 0);
let next = 0;
for (let y = FIRST; y <= LAST; y++) {
  for (let m = 1; m <= 12; m++) {
    const monthDays = new Date(Date.UTC(y, m, 0)).getUTCDate();
    for (let d = 1; d <= monthDays; d++) {
      const line = lines[next++] || '';
      const [date, lunar, , term = ''] = line.split('\t');
      compared++;
      if (date !== key(y, m, d)) {
        mismatches.push(`${key(y, m, d)}: line reads "${line}"`);
        continue;
      }
      const cst = standard.day(y, m, d);
      const agrees = (e) => lunar === lunarText(e) && term === e.term;
      if (agrees(cst)) continue;
      if (y < ZONE_CHANGE_YEAR && agrees(beijingMean.day(y, m, d))) {
        inBeijingMeanTime++;
        continue;
      }
      if (date >= SKIPPED_MONTH_FROM && date <= SKIPPED_MONTH_TO &&
          lunar === lunarText({ ...cst, month: cst.month + 1, leap: false }) && term === cst.term) {
        inSkippedMonth++;
        continue;
      }
      mismatches.push(`${date}: tallis ${lunar} ${term || '-'}, date-chinese ${lunarText(cst)} ${cst.term || '-'}`);
    }
  }
}
if (lines.length !== next) mismatches.push(`${lines.length} lines printed for ${next} days`);

const shown = Number(process.env.SHOW_ALL ? Infinity : 50);
for (const m of mismatches.slice(0, shown)) console.log(`MISMATCH ${m}`);
if (mismatches.length > shown) console.log(`... and ${mismatches.length - shown} more`);
console.log(`compared ${compared} days from ${FIRST}-01-01 to ${LAST}-12-31 against date-chinese: ` +
  `${compared - inBeijingMeanTime - inSkippedMonth - mismatches.length} agree in UTC+8, ` +
  `${inBeijingMeanTime} in Beijing mean time (before ${ZONE_CHANGE_YEAR}), ` +
  `${inSkippedMonth} in the 2033 months date-chinese numbers one lower, ${mismatches.length} differ`);
if (inSkippedMonth !== 119) console.log(`expected 119 days of the 2033 departure, found ${inSkippedMonth}`);
process.exit(mismatches.length === 0 && inSkippedMonth === 119 ? 0 : 1);
