// The command-line contract of orvane-cli: names and shapes of the output,
// refusals with status 2, batch mode, and charts that the engine must get right.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, cpSync, rmSync, readFileSync, existsSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const cli = process.env.ORVANE_CLI;
const programDir = process.env.ORVANE_PROGRAM_DIR;

function run(args, input) {
  const r = spawnSync(cli, [...args, '--today', '2026-12-07'], { input, encoding: 'utf8' });
  return { status: r.status, out: r.stdout, err: r.stderr };
}

function json(args) {
  const r = run(args);
  assert.equal(r.status, 0, r.err);
  return JSON.parse(r.out);
}

function refused(args, pattern) {
  const r = run(args);
  assert.equal(r.status, 2, `expected a refusal of ${args.join(' ')}, got ${r.out}`);
  assert.match(r.err, pattern);
}

test('lunar gives the lunar date and weekday', () => {
  assert.deepEqual(json(['lunar', '1900-01-31']),
    { lunarYear: 1900, lunarMonthCode: 1, lunarDay: 1, leapMonth: 0, weekday: 3 });
  const leap = json(['lunar', '1900-09-24']);  // in the leap 8th month of 1900
  assert.equal(leap.lunarMonthCode, 28);
  assert.equal(leap.leapMonth, 1);
  assert.deepEqual(Object.keys(leap), ['lunarYear', 'lunarMonthCode', 'lunarDay', 'leapMonth', 'weekday']);
});

test('solar converts back, with the leap flag', () => {
  const leap = json(['lunar', '1987-07-26']);
  assert.equal(leap.lunarMonthCode, 26);
  assert.deepEqual(json(['solar', `1987-06-${String(leap.lunarDay).padStart(2, '0')}`, '--leap']),
    { solarYear: 1987, solarMonth: 7, solarDay: 26 });
  refused(['solar', '1901-03-10', '--leap'], /超出|不存在/);  // 1901 has no leap 3rd month
});

test('terms gives the moments of the sun, to the minute in which they fall', () => {
  const t1900 = json(['terms', '1900']);
  assert.equal(t1900.length, 12);
  assert.deepEqual(Object.keys(t1900[0]), ['k', 'termYear', 'jieCode', 'jieHour', 'jieMinute', 'qiCode', 'qiHour',
    'qiMinute']);
  assert.equal(t1900[8].jieCode, 281602);  // 寒露 in the leap 8th month
  const spring2022 = json(['terms', '2022'])[0];  // 04:50:36
  assert.deepEqual([spring2022.k, spring2022.jieCode, spring2022.jieHour, spring2022.jieMinute], [1465, 10403, 4, 50]);
  const spring1901 = json(['terms', '1901'])[0];
  assert.deepEqual([spring1901.jieHour, spring1901.jieMinute], [19, 39]);
  assert.equal(json(['terms', '2100']).length, 12);  // the terms after the last births
  refused(['terms', '2102'], /1900-2101/);
});

test('bad dates are refused with status 2', () => {
  refused(['lunar', '1900-13-01'], /不存在/);
  refused(['lunar', '1984-2-30'], /不存在/);
  refused(['lunar', '19840204'], /YYYY-MM-DD/);
  refused(['lunar', 'x'], /YYYY-MM-DD/);
  refused(['lunar', '1900-01-30'], /超出/);  // lunar 1899 is not in the tables
  refused(['lunar', '2103-06-01'], /超出/);
  refused(['terms', '1899'], /1900/);
  refused(['terms', '20x2'], /YYYY/);
  refused(['nosuchcommand'], /usage/);
});

test('batch mode answers line by line and reports refused lines', () => {
  const r = run(['lunar', '--batch'], '1984-02-04\n1900-13-01\r\n2000-01-01\n');
  assert.equal(r.status, 2);
  const lines = r.out.trim().split('\n').map((l) => JSON.parse(l));
  assert.equal(lines.length, 3);
  assert.equal(lines[0].lunarDay, 3);
  assert.match(lines[1].error, /不存在/);
  assert.equal(lines[2].lunarYear, 1999);
});

test('chart prints the whole record by its field names', () => {
  const c = json(['chart', '--solar', '1984-02-04', '--time', '05:06', '--sex', 'male', '--options', '1100']);
  for (const key of ['yearPillar', 'monthPillar', 'dayPillar', 'hourPillar', 'termWindow', 'voidBranch',
    'lifeStage', 'hiddenStems', 'yearCodes', 'luckStartYear', 'chartCode', 'messages']) {
    assert.ok(key in c, key);
  }
  assert.deepEqual([c.yearPillar, c.monthPillar, c.dayPillar, c.hourPillar], [0, 2, 5, 52]);  // 癸亥 乙丑 戊辰 乙卯
  assert.equal(c.yearCodes.length, 80);
  assert.deepEqual(Object.keys(c.termWindow), ['jie0', 'qi0', 'jie1', 'qi1', 'jie2', 'qi2', 'jie3']);
  assert.deepEqual(c.messages, []);
});

test('true solar time at 105 E moves a 00:30 birth to the previous lunar day', () => {
  // 甘肃 会宁 lies at 105.05 E; mid-April the equation of time is near zero.
  const c = json(['chart', '--solar', '1990-04-15', '--time', '00:30', '--sex', 'female', '--options', '1010',
    '--place', '甘肃/会宁']);
  const dayBefore = json(['lunar', '1990-04-14']);
  assert.equal(c.solarHour, 23);
  assert.ok(Math.abs(c.solarMinute - 30) <= 2, `corrected minute ${c.solarMinute}`);
  assert.equal(c.trueSolarTime.lunarDay, dayBefore.lunarDay);
  assert.equal(c.trueSolarTime.solarDay, 14);
  assert.equal(c.solarDay, 15);  // the birth data stays as entered
  assert.equal(c.lunarDay, json(['lunar', '1990-04-15']).lunarDay);
  const plain = json(['chart', '--solar', '1990-04-15', '--time', '00:30', '--sex', 'female', '--options', '1000']);
  assert.equal(plain.solarHour, 0);
  assert.equal((plain.dayPillar - c.dayPillar + 60) % 60, 1);
});

test('chart refuses what the birth dialog refuses', () => {
  refused(['chart', '--solar', '1900-02-29', '--time', '10:00', '--sex', 'male', '--options', '0000'], /2月份日期错误，应为1至28/);
  refused(['chart', '--solar', '1984-02-04', '--time', '24:00', '--sex', 'male', '--options', '0000'], /小时应在0-23/);
  refused(['chart', '--solar', '1984-02-04', '--time', '10:00', '--sex', 'male', '--options', '0010'], /出生地点-省/);
  refused(['chart', '--lunar', '1901-03-10', '--leap', '--time', '10:00', '--sex', 'male', '--options', '0000'], /该月不闰/);
  refused(['chart', '--solar', '1984-02-04', '--time', '10:00', '--sex', 'male', '--options', '0000',
    '--name', '\u{1F600}'], /GBK/);
});

test('an unlisted place casts without correction and says so', () => {
  const c = json(['chart', '--solar', '1990-04-15', '--time', '00:30', '--sex', 'male', '--options', '1010',
    '--place', '火星/基地']);
  assert.equal(c.solarHour, 0);
  assert.equal(c.solarMinute, 30);
  assert.equal(c.messages.length, 1);
  assert.match(c.messages[0], /不在城市表/);
});

test('the leap question is answered by --yes', () => {
  const no = json(['chart', '--lunar', '1900-08-15', '--time', '10:00', '--sex', 'male', '--options', '0000']);
  assert.equal(no.lunarMonthCode, 8);
  assert.match(no.messages[0], /1900年闰8月,是否闰月\?/);
  const yes = json(['chart', '--lunar', '1900-08-15', '--time', '10:00', '--sex', 'male', '--options', '0000', '--yes']);
  assert.equal(yes.lunarMonthCode, 28);
});

test('report writes right.htm and prints its path and fields', () => {
  const dir = mkdtempSync(join(tmpdir(), 'orvane-cli-'));
  try {
    cpSync(join(programDir, 'style'), join(dir, 'style'), { recursive: true });
    const args = ['report', '--solar', '1984-02-04', '--time', '05:06', '--sex', 'male', '--options', '1100',
      '--program-dir', dir, '--style', '03'];
    const r = run(args);
    assert.equal(r.status, 0, r.err);
    assert.equal(r.out.trim(), join(dir, 'style', '03', 'right.htm'));
    const page = readFileSync(join(dir, 'style', '03', 'right.htm'), 'latin1');
    assert.ok(!/\[\d{4}\]/.test(page));
    const fields = json([...args, '--fields']);
    assert.equal(fields['331'], '戊辰');
    assert.equal(fields['1'].slice(7), '198402040506100020552');
    refused(['report', '--solar', '1984-02-04', '--time', '05:06', '--sex', 'male', '--options', '1100',
      '--program-dir', dir, '--style', '21'], /01至20/);
    rmSync(join(dir, 'style', '04', 'normal.htm'));
    writeFileSync(join(dir, 'style', '04', 'right.htm'), 'previous');
    refused(['report', '--solar', '1984-02-04', '--time', '05:06', '--sex', 'male', '--options', '1100',
      '--program-dir', dir, '--style', '04'], /不能打开命状格式文件/);
    assert.equal(readFileSync(join(dir, 'style', '04', 'right.htm'), 'utf8'), 'previous');
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});

test('report casts the N-th history record', () => {
  const dir = mkdtempSync(join(tmpdir(), 'orvane-cli-'));
  try {
    cpSync(join(programDir, 'style'), join(dir, 'style'), { recursive: true });
    writeFileSync(join(dir, 'option.dat'), '11\r\n0\r\n1\r\n');  // history on, no true solar time
    const birth = ['--time', '12:30', '--sex', 'female', '--program-dir', dir];
    assert.equal(run(['report', '--solar', '1984-02-04', ...birth]).status, 0);
    assert.equal(run(['report', '--lunar', '1987-06-03', '--leap', '--yes', ...birth]).status, 0);
    const log = readFileSync(join(dir, 'log.dat'), 'latin1');
    assert.equal((log.match(/\[/g) || []).length, 2);
    assert.ok(log.includes('1987-26-03 12:30'), 'a leap month is stored as month + 20');
    const fields = json(['report', '--history', '2', '--program-dir', dir, '--fields']);
    assert.equal(fields['202'], '闰六');
    assert.equal(fields['111'], '女');
    refused(['report', '--history', '9', '--program-dir', dir], /只有3条/);  // the re-cast was appended too
    refused(['report', '--history', '1', '--solar', '1984-02-04', '--program-dir', dir], /不能同用/);
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});

test('births run to 31 December 2100', () => {
  const c = json(['chart', '--solar', '2024-05-01', '--time', '10:00', '--sex', 'female', '--options', '1100']);
  assert.equal(c.lunarYear, 2024);
  assert.deepEqual(c.messages, []);
  const last = json(['chart', '--lunar', '2100-12-01', '--time', '12:00', '--sex', 'male', '--options', '1100']);
  assert.deepEqual([last.solarYear, last.solarMonth, last.solarDay], [2100, 12, 31]);
  refused(['chart', '--lunar', '2100-12-02', '--time', '12:00', '--sex', 'male', '--options', '1100'],
    /日期应不晚于公历2100年12月31日/);
  refused(['chart', '--solar', '2101-01-01', '--time', '12:00', '--sex', 'male', '--options', '1100'],
    /年份应在1900-2100/);
  refused(['chart', '--solar', '1900-02-04', '--time', '13:50', '--sex', 'male', '--options', '1100'],
    /1900年立春（正月初五13:51）/);
});

test('daylight saving of China is taken off the clock with true solar time', () => {
  const summer = json(['chart', '--solar', '1988-07-01', '--time', '10:00', '--sex', 'male',
    '--place', '北京/东城区', '--options', '1110']);
  assert.equal(summer.daylightSavingSec, -3600);
  assert.equal(summer.hourBranch, 5);  // 辰
  const winter = json(['chart', '--solar', '1988-12-01', '--time', '10:00', '--sex', 'male',
    '--place', '北京/东城区', '--options', '1110']);
  assert.equal(winter.daylightSavingSec, 0);
  const off = json(['chart', '--solar', '1988-07-01', '--time', '10:00', '--sex', 'male', '--options', '1100']);
  assert.equal(off.daylightSavingSec, 0);
  assert.equal(off.hourBranch, 6);  // the clock as Beijing standard time
});

test('a birth abroad: --coords and --tz', () => {
  const ny = json(['chart', '--solar', '1990-07-01', '--time', '13:30', '--sex', 'male',
    '--coords', '-74.0,40.7', '--tz', 'America/New_York', '--options', '1110']);
  assert.equal(ny.hourBranch, 7);  // 午: 12:30 true solar time (reading the clock as standard time gives 未)
  assert.equal(ny.daylightSavingSec, -3600);
  assert.deepEqual([ny.birthZone, ny.birthLongitude, ny.birthLatitude], ['America/New_York', -74, 40.70000076293945]);
  // Year and month follow the moment in Beijing time: 01:30 on 2 July.
  assert.deepEqual([ny.beijingTime.solarDay, ny.beijingTime.hour, ny.beijingTime.minute], [2, 1, 30]);
  const beijing = json(['chart', '--solar', '1990-07-02', '--time', '01:30', '--sex', 'male', '--options', '1100']);
  assert.deepEqual([ny.yearPillar, ny.monthPillar], [beijing.yearPillar, beijing.monthPillar]);
  assert.deepEqual(ny.messages, []);
});

test('bad places are refused with status 2', () => {
  const birth = ['chart', '--solar', '1990-07-01', '--time', '13:30', '--sex', 'male', '--options', '1110'];
  refused([...birth, '--coords', '-74.0,40.7', '--tz', 'America/Gotham'], /时区不存在：America\/Gotham/);
  refused([...birth, '--coords', '-194.0,40.7', '--tz', 'America/New_York'], /经度应在-180至180之间/);
  refused([...birth, '--coords', '-74.0,90.5', '--tz', 'America/New_York'], /纬度应在-90至90之间/);
  refused([...birth, '--coords', '-74.0', '--tz', 'America/New_York'], /经纬度格式/);
  refused([...birth, '--coords', '-74.0,40.7'], /--coords 与 --tz/);
});
