// 农历 from first principles: months begin on the civil day of a new moon,
// the month holding the winter solstice is month 11, and in a 岁 of 13 months
// (solstice to solstice) the first month without a mid-term (中气) is the leap
// month. New moons and terms from astronomia; days as the calendar reckoned
// them (astro.calendarMoment).
'use strict';

const { planetposition, solar } = require('astronomia');
const astro = require('./astro');

const earth = new planetposition.Planet(require('astronomia/data/vsop87Bearth').default);

function sunLongitudeDegrees(jde) {
  return (solar.apparentVSOP87(earth, jde).lon * 180) / Math.PI;
}

// JDE near the midnight that opens a day number (a search start).
function jdeOfJdn(jdn) {
  return jdn - 0.5 - 8 / 24;
}

// Minutes from a moment to the nearest midnight.
function midnightMargin(moment) {
  return Math.min(moment.minutes, 1440 - moment.minutes);
}

// Days of the mid-terms (solar longitude a multiple of 30°) from one day
// number to another.
function midTermDays(fromJdn, toJdn) {
  const days = [];
  let jde = jdeOfJdn(fromJdn);
  for (;;) {
    const lon = sunLongitudeDegrees(jde);
    const next = (Math.floor(lon / 30) + 1) * 30;
    jde = astro.sunAtLongitude(next % 360, jde + ((next - lon) * 365.2422) / 360);
    const day = astro.calendarMoment(jde).jdn;
    if (day > toJdn) return days;
    days.push(day);
    jde += 1;
  }
}

// Every lunar month of the 岁 firstYear-1 … lastYear+1, in order:
// [{ start: jdn, margin: minutes of its new moon from midnight, month, leap }].
function lunarMonths(firstYear, lastYear) {
  const solsticeDay = (y) => astro.calendarMoment(astro.solarTerm(y, 21)).jdn;
  const from = jdeOfJdn(solsticeDay(firstYear - 2)) - 40;
  const to = jdeOfJdn(solsticeDay(lastYear + 1)) + 40;
  const moons = astro.newMoons(from, to).map((jde) => {
    const m = astro.calendarMoment(jde);
    return { day: m.jdn, margin: midnightMargin(m) };
  });
  const lastMoonOnOrBefore = (day) => {
    let best = -1;
    for (let i = 0; i < moons.length && moons[i].day <= day; ++i) best = i;
    if (best < 0) throw new Error('new moon list too short');
    return best;
  };

  const months = [];
  for (let s = firstYear - 1; s <= lastYear + 1; ++s) {
    const a = lastMoonOnOrBefore(solsticeDay(s - 1));
    const b = lastMoonOnOrBefore(solsticeDay(s));
    const count = b - a;
    if (count !== 12 && count !== 13) throw new Error(`岁 ${s} has ${count} months`);
    let leapIndex = -1;
    if (count === 13) {
      const mids = midTermDays(moons[a].day, moons[b].day);
      for (let i = a + 1; i < b && leapIndex < 0; ++i) {
        if (!mids.some((d) => d >= moons[i].day && d < moons[i + 1].day)) leapIndex = i;
      }
      if (leapIndex < 0) throw new Error(`岁 ${s} has 13 months and none without a mid-term`);
    }
    let month = 11;
    for (let i = a; i < b; ++i) {
      const leap = i === leapIndex;
      if (i > a && !leap) month = (month % 12) + 1;
      months.push({ start: moons[i].day, margin: moons[i].margin, month, leap });
    }
  }
  return months;
}

// Lunar years firstYear..lastYear: { year: [{ start, margin, month, leap, days, nextMargin }] },
// month 1 first, each year's last month ending where the next year begins.
function lunarYears(firstYear, lastYear) {
  const months = lunarMonths(firstYear, lastYear + 1);
  const years = {};
  let current = null;
  for (let i = 0; i + 1 < months.length; ++i) {
    const m = months[i];
    if (m.month === 1 && !m.leap) {
      const y = astro.ymdFromJdn(m.start).year;
      current = y >= firstYear && y <= lastYear ? (years[y] = []) : null;
    }
    if (current) current.push({ ...m, days: months[i + 1].start - m.start, nextMargin: months[i + 1].margin });
  }
  for (let y = firstYear; y <= lastYear; ++y) if (!years[y]) throw new Error(`lunar year ${y} not built`);
  return years;
}

module.exports = { lunarYears };
