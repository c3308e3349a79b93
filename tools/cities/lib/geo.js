'use strict';
// Centre and size of one GeoJSON feature. The package gives a centre point
// (properties.cp) for most features; where it is missing, the area centroid of
// the feature's largest outer ring stands in for it.

function ringArea(ring) {
  // Planar shoelace on degrees, scaled by cos(latitude) so that areas of
  // places in the north and the south compare fairly. Unsigned.
  let sum = 0;
  let lat = 0;
  for (let i = 0; i < ring.length; ++i) {
    const [x1, y1] = ring[i];
    const [x2, y2] = ring[(i + 1) % ring.length];
    sum += x1 * y2 - x2 * y1;
    lat += y1;
  }
  lat /= ring.length;
  return Math.abs(sum / 2) * Math.cos((lat * Math.PI) / 180);
}

function ringCentroid(ring) {
  let a = 0;
  let cx = 0;
  let cy = 0;
  for (let i = 0; i < ring.length; ++i) {
    const [x1, y1] = ring[i];
    const [x2, y2] = ring[(i + 1) % ring.length];
    const cross = x1 * y2 - x2 * y1;
    a += cross;
    cx += (x1 + x2) * cross;
    cy += (y1 + y2) * cross;
  }
  if (a === 0) return ring[0];
  return [cx / (3 * a), cy / (3 * a)];
}

// A ring in the compact form of echarts (UTF8Encoding): pairs of characters,
// each a zigzag-coded delta from the previous point, in 1/1024 degree.
function decodeRing(text, offset) {
  const ring = [];
  let [x, y] = offset;
  for (let i = 0; i + 1 < text.length; i += 2) {
    const dx = text.charCodeAt(i) - 64;
    const dy = text.charCodeAt(i + 1) - 64;
    x += (dx >> 1) ^ -(dx & 1);
    y += (dy >> 1) ^ -(dy & 1);
    ring.push([x / 1024, y / 1024]);
  }
  return ring;
}

function ring(raw, offset) {
  return typeof raw === 'string' ? decodeRing(raw, offset) : raw;
}

function outerRings(geometry) {
  const offsets = geometry.encodeOffsets;
  if (geometry.type === 'Polygon') {
    return geometry.coordinates.length ? [ring(geometry.coordinates[0], offsets && offsets[0])] : [];
  }
  if (geometry.type === 'MultiPolygon') {
    return geometry.coordinates.map((p, i) => ring(p[0], offsets && offsets[i][0]));
  }
  throw new Error(`unexpected geometry ${geometry.type}`);
}

// { name, centre: [lon, lat], area } of one feature. A feature that comes
// without an outline (蓟州区) has an unknown area, counted as the largest.
function describeFeature(feature) {
  const rings = outerRings(feature.geometry).filter((r) => r && r.length >= 3);
  const areas = rings.map(ringArea);
  const area = rings.length ? areas.reduce((s, x) => s + x, 0) : Infinity;
  let centre = feature.properties.cp;
  if (!centre) {
    if (!rings.length) throw new Error(`${feature.properties.name}: neither centre nor outline`);
    const largest = areas.indexOf(Math.max(...areas));
    centre = ringCentroid(rings[largest]);
  }
  return { name: feature.properties.name, centre, area };
}

module.exports = { describeFeature, decodeRing, ringArea, ringCentroid };
