// 报表字段: every report field that a producer writes. Each shipped template must
// reference all of them; tests/report/shipped_templates_test.cpp checks the same list.
'use strict';

function range(from, to, out) {
  for (let n = from; n <= to; n++) out.push(n);
}

function writtenFields() {
  const out = [1, 101, 111, 188];
  range(121, 125, out);
  range(131, 144, out);
  for (const base of [151, 161, 171, 181]) range(base, base + 5, out);
  range(187, 187, out);
  range(189, 198, out);
  range(201, 204, out);
  range(301, 390, out);
  range(401, 409, out);
  for (let j = 0; j < 8; j++) range(410 + 30 * j, 432 + 30 * j, out);
  range(701, 709, out);
  range(711, 712, out);
  range(801, 861, out);
  for (let i = 1; i <= 80; i++) range(901 + 10 * (i - 1), 908 + 10 * (i - 1), out);
  for (let k = 0; k < 80; k++) range(2001 + 20 * k, 2014 + 20 * k, out);
  range(4001, 4010, out);
  range(4101, 4113, out);
  range(4121, 4122, out);
  range(4401, 4408, out);
  range(4501, 4508, out);
  range(4511, 4516, out);
  range(4521, 4523, out);
  range(4531, 4533, out);
  range(4541, 4549, out);
  range(4601, 4603, out);
  range(4700, 4700, out);
  for (let k = 0; k < 12; k++) range(4701 + 10 * k, 4709 + 10 * k, out);
  range(4901, 4904, out);
  for (let k = 0; k <= 52; k++) range(5001 + 10 * k, 5010 + 10 * k, out);
  range(5701, 5701, out);
  return out;
}

module.exports = { writtenFields };
