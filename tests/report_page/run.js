// The report page in a browser: every shipped style is written by `orvane-cli report`
// into a copy of the program folder, then its index.htm is opened in headless Chromium.
// Fails on script errors, on a field reference [NNNN] left in the page, on a stem-branch
// pair out of order and on a vote button that does not answer; saves screenshots of each style.
//
//   node run.js --cli BUILD/bin/orvane-cli --program-dir BUILD/bin --out DIR
//   node run.js --sample --program-dir resources/program --out DIR   (sample fields, no CLI)
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');

const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const PAIR_ORDER = fs.readFileSync(path.join(__dirname, 'pair_order.js'), 'utf8');
const FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--no-first-run', '--disable-sync'];

function parseArgs(argv) {
  const args = { sample: false, partial: false, only: null, pdf: false, slices: false };
  for (let i = 0; i < argv.length; i++) {
    const a = argv[i];
    if (a === '--sample') args.sample = true;
    else if (a === '--pdf') args.pdf = true;
    else if (a === '--slices') args.slices = true;
    else if (a === '--partial') args.partial = true;
    else if (a === '--cli') args.cli = argv[++i];
    else if (a === '--program-dir') args.programDir = argv[++i];
    else if (a === '--out') args.out = argv[++i];
    else if (a === '--only') args.only = argv[++i];
    else throw new Error(`unknown argument ${a}`);
  }
  if (!args.programDir || !args.out || (!args.sample && !args.cli)) {
    throw new Error('usage: run.js (--cli PATH | --sample) --program-dir DIR --out DIR [--partial] [--only NN] [--pdf] [--slices]');
  }
  return args;
}

const gbkToUtf8 = bytes => execFileSync('iconv', ['-f', 'GBK', '-t', 'UTF-8'], { input: bytes }).toString('utf8');
const utf8ToGbk = text => execFileSync('iconv', ['-f', 'UTF-8', '-t', 'GBK'], { input: Buffer.from(text, 'utf8') });

// Style folders named by style.ini: line k (ended by CR) is folder k.
function styleFolders(programDir) {
  const ini = gbkToUtf8(fs.readFileSync(path.join(programDir, 'style', 'style.ini')));
  const lines = ini.split('\r');
  lines.pop(); // the text after the last CR is not a line
  return lines.map((name, k) => ({ id: String(k + 1).padStart(2, '0'), name: name.replace(/^\n/, '') }));
}

// The program folder without executables (and without pages of an earlier run).
function copyProgramFolder(from, to) {
  for (const entry of fs.readdirSync(from, { withFileTypes: true })) {
    const src = path.join(from, entry.name);
    const dst = path.join(to, entry.name);
    if (entry.isDirectory()) {
      fs.mkdirSync(dst, { recursive: true });
      copyProgramFolder(src, dst);
    } else if (entry.isFile() && entry.name !== 'right.htm' && (fs.statSync(src).mode & 0o111) === 0) {
      fs.copyFileSync(src, dst);
    }
  }
}

function writeReportWithCli(cli, programDir, id) {
  const out = execFileSync(cli, ['report', '--solar', '1984-02-04', '--time', '05:06', '--sex', 'male',
    '--options', '1101', '--style', id, '--program-dir', programDir], { encoding: 'utf8' });
  const printed = out.trim();
  const expected = path.join(programDir, 'style', id, 'right.htm');
  if (!fs.existsSync(expected)) throw new Error(`orvane-cli did not write ${expected} (printed ${printed})`);
  return expected;
}

// With partial, only the chart page's own fields: how a report looks while later
// producers write nothing.
function writeReportFromSample(programDir, id, partial) {
  const { sampleFields } = require('./sample_fields');
  const fields = sampleFields();
  if (partial) {
    for (const n of fields.keys()) if (n >= 400 && (n < 4901 || n > 4904)) fields.delete(n);
  }
  const folder = path.join(programDir, 'style', id);
  const template = gbkToUtf8(fs.readFileSync(path.join(folder, 'normal.htm')));
  const page = template.replace(/\[(\d{4})\]/g, (_, n) => fields.get(Number(n)) || '');
  const target = path.join(folder, 'right.htm');
  fs.writeFileSync(target, utf8ToGbk(page));
  return target;
}

async function checkStyle(browser, style, folder, outDir, { pdf, slices }) {
  const problems = [];
  const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
  const page = await context.newPage();
  page.on('pageerror', err => problems.push(`script error: ${err.message}`));
  page.on('console', msg => {
    if (msg.type() === 'error') problems.push(`console error: ${msg.text()}`);
  });

  await page.goto('file://' + path.join(folder, 'index.htm'), { waitUntil: 'load' });
  const frame = page.frames().find(f => f.url().endsWith('/right.htm'));
  if (!frame) {
    problems.push('index.htm does not frame right.htm');
  } else {
    const info = await frame.evaluate(() => ({
      charset: document.characterSet,
      mode: document.compatMode,
      html: document.documentElement.outerHTML,
      yearPillar: (document.querySelector('.chart .gz') || { textContent: '' }).textContent.trim(),
    }));
    if (info.charset.toUpperCase() !== 'GBK') problems.push(`right.htm read as ${info.charset}`);
    if (info.mode !== 'CSS1Compat') problems.push(`right.htm renders in quirks mode (${info.mode})`);
    const left = info.html.match(/\[\d{4}\]/g);
    if (left) problems.push(`field references left in the page: ${left.slice(0, 5).join(' ')}`);
    if (!/^\S\S$/.test(info.yearPillar)) problems.push(`the chart shows no year pillar ("${info.yearPillar}")`);

    // Every stem-branch pair reads stem first: below or right of it.
    const order = JSON.parse(await frame.evaluate(PAIR_ORDER));
    if (order.pairs === 0) problems.push('no stem-branch pair found to measure');
    if (order.badCount) problems.push(`${order.badCount} stem-branch pairs out of order: ${order.bad.join('; ')}`);

    await page.screenshot({ path: path.join(outDir, `index-${style.id}.png`) });

    // The first vote button must answer without a network.
    const button = await frame.$('div[id^="d"] > button');
    if (button) {
      const id = await button.evaluate(b => b.parentElement.id);
      await button.click();
      const text = await frame.evaluate(i => document.getElementById(i).textContent, id);
      if (!text.includes('谢谢')) problems.push(`vote button of ${id} left "${text}"`);
    }
  }

  const full = await context.newPage();
  full.on('pageerror', err => problems.push(`script error (right.htm): ${err.message}`));
  await full.goto('file://' + path.join(folder, 'right.htm'), { waitUntil: 'load' });
  await full.screenshot({ path: path.join(outDir, `right-${style.id}.png`), fullPage: true });
  if (slices) {
    // The full page in screen-sized pieces, easier to look at than one very tall picture.
    const height = await full.evaluate(() => document.documentElement.scrollHeight);
    for (let y = 0, k = 1; y < height; y += 1400, k++) {
      await full.screenshot({ path: path.join(outDir, `right-${style.id}-${String(k).padStart(2, '0')}.png`),
        fullPage: true, clip: { x: 0, y, width: 1280, height: Math.min(1400, height - y) } });
    }
  }
  if (pdf) await full.pdf({ path: path.join(outDir, `print-${style.id}.pdf`), format: 'A4' });
  await context.close();
  return problems;
}

async function main() {
  const args = parseArgs(process.argv.slice(2));
  let chromium;
  try {
    ({ chromium } = require('playwright-core'));
  } catch (e) {
    throw new Error(`playwright-core is not installed: run "npm ci" in ${__dirname}`);
  }
  const outDir = path.resolve(args.out);
  fs.mkdirSync(outDir, { recursive: true });
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'orvane-report-page-'));
  copyProgramFolder(path.resolve(args.programDir), work);

  const styles = styleFolders(work).filter(s => !args.only || s.id === args.only);
  if (styles.length === 0) throw new Error('style.ini names no style');
  const browser = await chromium.launch({ executablePath: CHROMIUM, args: FLAGS });
  let passed = 0;
  let failed = 0;
  try {
    for (const style of styles) {
      let problems;
      try {
        if (args.sample) writeReportFromSample(work, style.id, args.partial);
        else writeReportWithCli(path.resolve(args.cli), work, style.id);
        problems = await checkStyle(browser, style, path.join(work, 'style', style.id), outDir, args);
      } catch (e) {
        problems = [e.message];
      }
      if (problems.length) {
        failed++;
        console.log(`FAIL style ${style.id} ${style.name}\n  ${problems.join('\n  ')}`);
      } else {
        passed++;
        console.log(`ok   style ${style.id} ${style.name}: ${path.join(outDir, `right-${style.id}.png`)}`);
      }
    }
  } finally {
    await browser.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
  console.log(`${passed} passed, ${failed} failed`);
  process.exitCode = failed ? 1 : 0;
}

main().catch(e => {
  console.error(e.message);
  process.exitCode = 1;
});
