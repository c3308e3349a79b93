// Runs orvane-cli and parses its JSON output.
'use strict';

const { spawnSync } = require('child_process');

function run(cli, args, input) {
  const r = spawnSync(cli, args, { input, encoding: 'utf8', maxBuffer: 256 * 1024 * 1024 });
  if (r.error) throw new Error(`cannot run ${cli}: ${r.error.message}`);
  if (r.status !== 0) throw new Error(`${cli} ${args.join(' ')} exited ${r.status}: ${r.stderr.trim()}`);
  return r.stdout;
}

// The 12 SolarTermTable entries of solar year y.
function terms(cli, y) {
  return JSON.parse(run(cli, ['terms', String(y)]));
}

// Lunar dates of many 'YYYY-MM-DD' days, one orvane-cli process.
function lunarBatch(cli, isoDates) {
  const lines = run(cli, ['lunar', '--batch'], isoDates.join('\n') + '\n').split('\n').filter((l) => l.trim());
  if (lines.length !== isoDates.length) {
    throw new Error(`lunar --batch answered ${lines.length} lines for ${isoDates.length} dates`);
  }
  return lines.map((l) => JSON.parse(l));
}

module.exports = { terms, lunarBatch };
