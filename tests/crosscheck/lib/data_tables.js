// Reads the generated calendar tables (engine/data/*.cpp): one row per line,
// ending with a comment naming the year.
'use strict';

const fs = require('fs');
const path = require('path');

function readYearRows(dataDir, fileName) {
  const rows = {};
  const text = fs.readFileSync(path.join(dataDir, fileName), 'utf8');
  for (const line of text.split('\n')) {
    const m = /^\s*\{*([-\d,\s]+?)\}*,\s*\/\/\s*(\d{4})\s*$/.exec(line);
    if (m) rows[Number(m[2])] = m[1].split(',').map((v) => Number(v.trim()));
  }
  return rows;
}

module.exports = { readYearRows };
