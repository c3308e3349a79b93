#!/usr/bin/env node
// 岁首 check: births within an hour of midnight on the first day of every lunar
// year and of every leap month, 1901-2100, at places far from 120° E (喀什 and
// 抚远) with true solar time on. The correction moves such a birth across
// midnight into the day before or after; the year and month pillars must still
// be lunar-javascript's at the entered moment in Beijing standard time (the
// clock read through Node's own time-zone data, daylight saving taken off), and
// the day pillar that of the corrected day. No message may be shown.
//
// Usage: node year_edges.js ORVANE_CLI
'use strict';

const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');

if (!fs.existsSync(path.join(__dirname, 'node_modules', 'lunar-javascript'))) {
  console.error(`missing npm package lunar-javascript: run "npm ci --prefix ${__dirname}" first`);
  process.exit(1);
}
const { Solar, Lunar, LunarYear, LunarUtil } = require('lunar-javascript');

const FIRST_YEAR = 1901;
const LAST_YEAR = 2100;
const PLACES = ['新疆/喀什', '黑龙江/抚远'];
// Minutes from midnight of the first day, on the entered clock.
const OFFSETS = [-58, -31, -7, 0, 9, 33, 59];
const MARGIN_SECONDS = 2 * 60;
const SHOWN = 10;

const pad = (n, w = 2) => String(n).padStart(w, '0');

function cycleOfGanZhi(ganZhi) {
  return (LunarUtil.getJiaZiIndex(ganZhi) + 1) % 60;
}

// Offset of Shanghai's civil clock from UTC, in minutes, at a wall-clock time
// given as minutes since 1970 on that clock.
const shanghai = new Intl.DateTimeFormat('en-US', {
  timeZone: 'Asia/Shanghai', hourCycle: 'h23',
  year: 'numeric', month: 'numeric', day: 'numeric', hour: 'numeric', minute: 'numeric',
});
function wallMinutes(utcMinutes) {
  const parts = Object.fromEntries(shanghai.formatToParts(new Date(utcMinutes * 60000))
    .filter((p) => p.type !== 'literal').map((p) => [p.type, Number(p.value)]));
  return Date.UTC(parts.year, parts.month - 1, parts.day, parts.hour, parts.minute) / 60000;
}
function shanghaiOffset(wall) {
  let offset = 8 * 60;
  for (let i = 0; i < 3; ++i) offset = wallMinutes(wall - offset) - (wall - offset);
  return offset;
}

function civil(minutes) {
  const t = new Date(minutes * 60000);
  return { year: t.getUTCFullYear(), month: t.getUTCMonth() + 1, day: t.getUTCDate(),
    hour: t.getUTCHours(), minute: t.getUTCMinutes() };
}

function firstDays() {
  const days = [];
  for (let y = FIRST_YEAR; y <= LAST_YEAR; ++y) {
    days.push({ what: `正月初一 ${y}`, solar: Lunar.fromYmd(y, 1, 1).getSolar() });
    const leap = LunarYear.fromYear(y).getLeapMonth();
    if (leap > 0) days.push({ what: `闰${leap}月初一 ${y}`, solar: Lunar.fromYmd(y, -leap, 1).getSolar() });
  }
  return days;
}

function births() {
  const out = [];
  for (const d of firstDays()) {
    const midnight = Date.UTC(d.solar.getYear(), d.solar.getMonth() - 1, d.solar.getDay()) / 60000;
    for (const offset of OFFSETS) {
      for (const place of PLACES) {
        const wall = midnight + offset;
        const c = civil(wall);
        if (c.year > LAST_YEAR) continue;
        out.push({ what: d.what, place, wall, entered: c });
      }
    }
  }
  return out;
}

// lunar-javascript's year, month and day pillars at a moment of Beijing standard time.
function reference(beijing) {
  const c = civil(beijing);
  const solar = Solar.fromYmdHms(c.year, c.month, c.day, c.hour, c.minute, 0);
  const lunar = solar.getLunar();
  const at = beijing * 60;
  const seconds = (s) => Date.UTC(s.getYear(), s.getMonth() - 1, s.getDay(), s.getHour(), s.getMinute(), s.getSecond()) / 1000;
  if (at - seconds(lunar.getPrevJie().getSolar()) < MARGIN_SECONDS ||
      seconds(lunar.getNextJie().getSolar()) - at < MARGIN_SECONDS) return null;
  const eight = lunar.getEightChar();
  eight.setSect(2);
  return [eight.getYear(), eight.getMonth()].map(cycleOfGanZhi);
}

function dayPillarOf(c) {
  return cycleOfGanZhi(Solar.fromYmd(c.year, c.month, c.day).getLunar().getDayInGanZhi());
}

function main() {
  const [orvaneCli] = process.argv.slice(2);
  if (!orvaneCli) {
    console.error('usage: node year_edges.js ORVANE_CLI');
    process.exit(2);
  }
  const list = births();
  const input = list.map((b) => `--solar ${b.entered.year}-${pad(b.entered.month)}-${pad(b.entered.day)} ` +
    `--time ${pad(b.entered.hour)}:${pad(b.entered.minute)} --sex male --place ${b.place} --options 1110`).join('\n') + '\n';
  const r = spawnSync(orvaneCli, ['chart', '--batch'], { input, encoding: 'utf8', maxBuffer: 1024 * 1024 * 1024 });
  if (r.status !== 0) throw new Error(`orvane-cli chart --batch exited ${r.status}: ${r.stderr.trim()}`);
  const charts = r.stdout.split('\n').filter((l) => l.trim()).map((l) => JSON.parse(l));
  if (charts.length !== list.length) throw new Error(`${charts.length} answers for ${list.length} births`);

  const diffs = [];
  let compared = 0, skipped = 0, crossed = 0, saving = 0;
  list.forEach((b, i) => {
    const c = charts[i];
    const where = `${b.what} ${b.place} ${pad(b.entered.hour)}:${pad(b.entered.minute)}`;
    if (c.error) { diffs.push(`${where}: refused: ${c.error}`); return; }
    const beijing = b.wall - (shanghaiOffset(b.wall) - 8 * 60);
    if (beijing !== b.wall) ++saving;
    const ref = reference(beijing);
    if (!ref) { ++skipped; return; }
    ++compared;
    const t = c.trueSolarTime;
    if (t.solarDay !== b.entered.day) ++crossed;
    const day = dayPillarOf({ year: t.solarYear, month: t.solarMonth, day: t.solarDay });
    const dayExpected = day;  // the day turns at midnight (options 1110)
    const got = [c.yearPillar, c.monthPillar];
    const problems = [];
    if (got[0] !== ref[0] || got[1] !== ref[1]) {
      problems.push(`year/month ${got.map((n) => LunarUtil.JIA_ZI[(n + 59) % 60]).join(' ')}, ` +
        `lunar-javascript ${ref.map((n) => LunarUtil.JIA_ZI[(n + 59) % 60]).join(' ')}`);
    }
    if (c.dayPillar !== dayExpected) problems.push(`day ${c.dayPillar}, expected ${dayExpected}`);
    if (c.messages.length) problems.push(`messages ${c.messages.join(' | ')}`);
    if (problems.length) diffs.push(`${where}: ${problems.join('; ')}`);
  });

  console.log(`births: ${list.length} at ${PLACES.join(', ')}, ${FIRST_YEAR}-${LAST_YEAR}, options 1110`);
  console.log(`compared: ${compared} (${crossed} moved across midnight by true solar time, ${saving} on daylight saving)`);
  console.log(`skipped: ${skipped} within ${MARGIN_SECONDS / 60} minutes of a 节`);
  console.log(`differing: ${diffs.length}`);
  for (const d of diffs.slice(0, SHOWN)) console.log(`  ${d}`);
  if (compared < list.length * 0.9) {
    console.log('too few births compared');
    process.exit(1);
  }
  if (diffs.length) process.exit(1);
  console.log('all compared births agree');
}

main();
