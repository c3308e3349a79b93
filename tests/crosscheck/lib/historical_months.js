// Lunar months of the calendar as it was issued that a computation from
// today's ephemerides does not reproduce. The tables follow the issued
// calendar (lunar-javascript corrects 1900-1959 from the published almanacs);
// the checks list these months each time instead of failing on them.
'use strict';

const HISTORICAL_MONTHS = [
  {
    year: 1906,
    month: 4,
    leap: false,
    tableStart: [1906, 4, 24],
    computedStart: [1906, 4, 23],
    // Days on which the two calendars differ (from the computed start to the
    // day before the next month).
    from: [1906, 4, 23],
    to: [1906, 5, 22],
    note: 'lunar 1906 month 4 (光绪三十二年四月) begins 1906-04-24 in the issued calendar; ' +
      'the new moon fell at 23:52 Beijing local mean time on 04-23 (00:06 UTC+8 on 04-24)',
  },
];

module.exports = { HISTORICAL_MONTHS };
