// Clear message when the check's packages are missing.
'use strict';

const fs = require('fs');
const path = require('path');

function requirePackages() {
  const dir = path.resolve(__dirname, '..');
  for (const name of ['astronomia', 'date-chinese']) {
    if (!fs.existsSync(path.join(dir, 'node_modules', name))) {
      console.error(`missing npm package ${name}: run "npm ci --prefix ${dir}" first`);
      process.exit(1);
    }
  }
}

module.exports = { requirePackages };
