// Independent astronomy for the calendar checks: VSOP87 solar longitude and
// Meeus new moons from astronomia, converted to Beijing time (UTC+8).
'use strict';

const { planetposition, solar, moonphase, deltat } = require('astronomia');
const vsop87Bearth = require('astronomia/data/vsop87Bearth').default;

const earth = new planetposition.Planet(vsop87Bearth);
const BEIJING_OFFSET_DAYS = 8 / 24;
const J2000 = 2451545.0;

// Julian day number of a Gregorian date (the day that begins at that midnight).
function jdnFromYmd(y, m, d) {
  const a = Math.floor((14 - m) / 12);
  const yy = y + 4800 - a;
  const mm = m + 12 * a - 3;
  return d + Math.floor((153 * mm + 2) / 5) + 365 * yy + Math.floor(yy / 4) -
    Math.floor(yy / 100) + Math.floor(yy / 400) - 32045;
}

function ymdFromJdn(j) {
  const a = j + 32044;
  const b = Math.floor((4 * a + 3) / 146097);
  const c = a - Math.floor((146097 * b) / 4);
  const d = Math.floor((4 * c + 3) / 1461);
  const e = c - Math.floor((1461 * d) / 4);
  const m = Math.floor((5 * e + 2) / 153);
  return {
    year: 100 * b + d - 4800 + Math.floor(m / 10),
    month: m + 3 - 12 * Math.floor(m / 10),
    day: e - Math.floor((153 * m + 2) / 5) + 1,
  };
}

function isoDate(j) {
  const { year, month, day } = ymdFromJdn(j);
  return `${year}-${String(month).padStart(2, '0')}-${String(day).padStart(2, '0')}`;
}

// 0 = Sunday.
function weekdayOfJdn(j) {
  return (j + 1) % 7;
}

// Cycle number [0, 59] of a day (0 = 癸亥); JDN 2415051 (31 Jan 1900) is 甲辰 = 41.
function dayCycleOfJdn(j) {
  return (j - 10) % 60;
}

function decimalYear(jde) {
  return 2000 + (jde - J2000) / 365.25;
}

// A moment in dynamical time as Beijing time (UTC+8): the day number and the
// minutes since that day's midnight (fractional).
function beijingMoment(jde, offsetDays = BEIJING_OFFSET_DAYS) {
  const jdUt = jde - deltat.deltaT(decimalYear(jde)) / 86400;
  const local = jdUt + offsetDays + 0.5;
  const jdn = Math.floor(local);
  return { jdn, minutes: (local - jdn) * 1440 };
}

// The same for the days of the lunar calendar: until 1928 its months were
// reckoned in the local mean time of Beijing (116°25' E, UTC+7:45:40), from
// 1929 on in the time of the 120th meridian.
const CALENDAR_ZONE_CHANGE = 2425612.5; // 1929-01-01 0h
function calendarMoment(jde) {
  return beijingMoment(jde, jde < CALENDAR_ZONE_CHANGE ? 27940 / 86400 : BEIJING_OFFSET_DAYS);
}

// Moment (JDE) when the apparent solar longitude reaches `degrees`, searched
// from a first guess within a few weeks.
function sunAtLongitude(degrees, guessJde) {
  const target = (degrees * Math.PI) / 180;
  let jde = guessJde;
  for (let i = 0; i < 50; ++i) {
    const lon = solar.apparentVSOP87(earth, jde).lon;
    const step = 58.13 * Math.sin(target - lon);
    jde += step;
    if (Math.abs(step) < 1e-7) return jde;
  }
  throw new Error(`solar longitude ${degrees} did not converge`);
}

// Term i of solar year y, i = 0 (立春, 315°) … 23 (大寒 of January y + 1).
function solarTerm(y, i) {
  const guess = jdnFromYmd(y, 2, 4) + 15.2184 * i;
  return sunAtLongitude((315 + 15 * i) % 360, guess);
}

// New moons (JDE) from about `fromJde` to `toJde`, in order.
function newMoons(fromJde, toJde) {
  const result = [];
  let jde = moonphase.newMoon(decimalYear(fromJde));
  if (jde > fromJde) jde = moonphase.newMoon(decimalYear(jde - 29.53));
  while (jde <= toJde + 30) {
    result.push(jde);
    jde = moonphase.newMoon(decimalYear(jde + 29.53));
  }
  return result;
}

module.exports = {
  jdnFromYmd, ymdFromJdn, isoDate, weekdayOfJdn, dayCycleOfJdn,
  beijingMoment, calendarMoment, solarTerm, sunAtLongitude, newMoons,
};
