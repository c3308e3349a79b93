#!/usr/bin/env node
// One process of a library casting every birth on stdin and printing one JSON
// line per chart, as orvane-cli chart --batch and report --batch do; timed from
// outside by compare_batch.js. Births are lines "--solar YYYY-MM-DD --time HH:MM --sex male|female …".
//   node batch_worker.js lunar-javascript|lunar-javascript-full|lunisolar|tyme4ts < births
'use strict';

const fs = require('fs');

function readBirths() {
  const births = [];
  for (const line of fs.readFileSync(0, 'utf8').split('\n')) {
    const m = /--solar (\d{4})-(\d\d)-(\d\d) --time (\d\d):(\d\d) --sex (male|female)/.exec(line);
    if (m) births.push({ year: +m[1], month: +m[2], day: +m[3], hour: +m[4], minute: +m[5], male: m[6] === 'male' });
  }
  return births;
}

// lunar-javascript: the four pillars and the luck start (as compute_chart_bench compares).
function lunarJavascriptChart(lib, b) {
  const eight = lib.Solar.fromYmdHms(b.year, b.month, b.day, b.hour, b.minute, 0).getLunar().getEightChar();
  eight.setSect(1);
  const yun = eight.getYun(b.male ? 1 : 0, 2);
  return {
    pillars: [eight.getYear(), eight.getMonth(), eight.getDay(), eight.getTime()],
    forward: yun.isForward(),
    start: [yun.getStartYear(), yun.getStartMonth(), yun.getStartDay(), yun.getStartSolar().toYmd()],
  };
}

// lunar-javascript's fullest chart: ten gods, hidden stems, nayin, life stages,
// fetal origin, life and body palace, void branches, and the luck: ten periods,
// the years of each and the small luck.
function lunarJavascriptFull(lib, b) {
  const eight = lib.Solar.fromYmdHms(b.year, b.month, b.day, b.hour, b.minute, 0).getLunar().getEightChar();
  eight.setSect(1);
  const yun = eight.getYun(b.male ? 1 : 0, 2);
  const periods = yun.getDaYun(10).map((d) => ({
    ganZhi: d.getGanZhi(), startYear: d.getStartYear(), startAge: d.getStartAge(),
    years: d.getLiuNian().map((n) => [n.getYear(), n.getAge(), n.getGanZhi()]),
    small: d.getXiaoYun().map((x) => [x.getYear(), x.getGanZhi()]),
  }));
  const pillar = (name) => ({
    ganZhi: eight[`get${name}`](), nayin: eight[`get${name}NaYin`](), tenGodStem: eight[`get${name}ShiShenGan`](),
    hidden: eight[`get${name}HideGan`](), tenGodsHidden: eight[`get${name}ShiShenZhi`](),
    stage: eight[`get${name}DiShi`](), void: eight[`get${name}XunKong`](),
  });
  return {
    pillars: ['Year', 'Month', 'Day', 'Time'].map(pillar),
    taiYuan: eight.getTaiYuan(), mingGong: eight.getMingGong(), shenGong: eight.getShenGong(),
    forward: yun.isForward(), start: [yun.getStartYear(), yun.getStartMonth(), yun.getStartDay(), yun.getStartSolar().toYmd()],
    periods,
  };
}

// lunisolar with its 八字 plugin: pillars, ten gods, nayin, the stars of each pillar, void branches,
// fetal origin, life and body sign.
function lunisolarChart(lunisolar, b) {
  const pad = (n) => String(n).padStart(2, '0');
  const c8 = lunisolar(`${b.year}-${pad(b.month)}-${pad(b.day)} ${pad(b.hour)}:${pad(b.minute)}`).char8ex(b.male ? 1 : 0);
  const pillar = (p) => ({
    name: p.toString(), nayin: p.takeSound, tenGodStem: p.stemTenGod.name,
    tenGodsHidden: p.branchTenGod.map((g) => g.name), stars: p.gods.map((g) => g.name),
  });
  return {
    pillars: c8.list.map(pillar), void: c8.missing.map((x) => x.name),
    embryo: c8.embryo().toString(), ownSign: c8.ownSign().toString(), bodySign: c8.bodySign().toString(),
  };
}

// tyme4ts: the eight characters and the luck: start, ten periods and the small luck of the first years.
function tymeChart(tyme, b) {
  const time = tyme.SolarTime.fromYmdHms(b.year, b.month, b.day, b.hour, b.minute, 0);
  const eight = time.getLunarHour().getEightChar();
  const limit = tyme.ChildLimit.fromSolarTime(time, b.male ? tyme.Gender.MAN : tyme.Gender.WOMAN);
  const periods = [];
  for (let d = limit.getStartDecadeFortune(), i = 0; i < 10; ++i, d = d.next(1))
    periods.push([d.getName(), d.getStartAge(), d.getEndAge()]);
  const small = [];
  for (let f = limit.getStartFortune(), i = 0; i < 10; ++i, f = f.next(1)) small.push([f.getAge(), f.getName()]);
  return {
    pillars: [eight.getYear(), eight.getMonth(), eight.getDay(), eight.getHour()].map((p) => p.getName()),
    forward: limit.isForward(), start: [limit.getYearCount(), limit.getMonthCount(), limit.getDayCount()],
    startTime: limit.getStartTime().toString(), periods, small,
  };
}

function main() {
  const which = process.argv[2];
  let cast;
  if (which === 'lunar-javascript') {
    const lib = require('lunar-javascript');
    cast = (b) => lunarJavascriptChart(lib, b);
  } else if (which === 'lunar-javascript-full') {
    const lib = require('lunar-javascript');
    cast = (b) => lunarJavascriptFull(lib, b);
  } else if (which === 'lunisolar') {
    const lunisolar = require('lunisolar');
    lunisolar.extend(require('@lunisolar/plugin-char8ex').char8ex);
    cast = (b) => lunisolarChart(lunisolar, b);
  } else if (which === 'tyme4ts') {
    const tyme = require('tyme4ts');
    cast = (b) => tymeChart(tyme, b);
  } else {
    console.error('usage: batch_worker.js lunar-javascript|lunar-javascript-full|lunisolar|tyme4ts < births');
    process.exit(2);
  }
  const lines = [];
  for (const b of readBirths()) lines.push(JSON.stringify(cast(b)));
  fs.writeSync(1, lines.join('\n') + '\n');
}

main();
