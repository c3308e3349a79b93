// 报表字段: every report field that a producer writes, read from the report field map
// (report/field_map.h), so that the styles and the producers share one list.
'use strict';

const fs = require('fs');
const path = require('path');

const MAP = path.resolve(__dirname, '../../report/field_map.h');

// The rows {"name", first, rows, stride, width} of ReportFieldMap.
function fieldBlocks() {
  const source = fs.readFileSync(MAP, 'utf8');
  const blocks = [...source.matchAll(/^\s*\{"(\w+)", (\d+), (\d+), (\d+), (\d+)\},/gm)].map((m) => ({
    name: m[1], first: +m[2], rows: +m[3], stride: +m[4], width: +m[5],
  }));
  if (blocks.length === 0) throw new Error(`no field blocks found in ${MAP}`);
  return blocks;
}

function writtenFields() {
  const out = [];
  for (const b of fieldBlocks())
    for (let row = 0; row < b.rows; row++)
      for (let offset = 0; offset < b.width; offset++) out.push(b.first + row * b.stride + offset);
  return out;
}

module.exports = { writtenFields, fieldBlocks };
