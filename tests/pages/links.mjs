// Local links and anchors of the shipped pages: every href and src of every
// .htm under the program folder, and every page a menu opens, must name a file
// that exists there and, with #name, an element of that file with that id.
import { readFileSync, readdirSync, statSync, existsSync } from 'node:fs';
import { join, dirname, relative, resolve, sep } from 'node:path';

const gbk = new TextDecoder('gbk');

// Files the program writes at run time: each style's index.htm frames right.htm.
const WRITTEN_BY_PROGRAM = [/^style\/\d\d\/right\.htm$/];

export function pagesUnder(root) {
  const pages = [];
  const walk = (dir) => {
    for (const name of readdirSync(dir).sort()) {
      const path = join(dir, name);
      if (statSync(path).isDirectory()) walk(path);
      else if (/\.html?$/i.test(name)) pages.push(path);
    }
  };
  walk(root);
  return pages;
}

// Markup without scripts, styles and comments: links built by a script are the
// script's business, and a commented-out link is not one.
function markup(html) {
  return html
    .replace(/<!--[\s\S]*?-->/g, '')
    .replace(/<script\b[\s\S]*?<\/script>/gi, '')
    .replace(/<style\b[\s\S]*?<\/style>/gi, '');
}

function decodeEntities(text) {
  return text.replace(/&amp;/g, '&').replace(/&quot;/g, '"').replace(/&#39;/g, "'").replace(/&lt;/g, '<').replace(/&gt;/g, '>');
}

export function linksOf(html) {
  const links = [];
  const re = /<[a-z][^>]*?\s(href|src)\s*=\s*("([^"]*)"|'([^']*)'|([^\s>]+))/gi;
  for (const m of markup(html).matchAll(re)) links.push(decodeEntities(m[3] ?? m[4] ?? m[5]));
  return links;
}

export function anchorsOf(html) {
  const names = new Set();
  for (const m of html.matchAll(/\s(?:id|name)\s*=\s*("([^"]*)"|'([^']*)'|([^\s>]+))/gi)) names.add(m[2] ?? m[3] ?? m[4]);
  return names;
}

const EXTERNAL = /^(?:[a-z][a-z0-9+.-]*:|\/\/)/i;

// Problems of one link from a page (paths relative to root, with / between parts).
function checkLink(root, fromFile, link, readHtml) {
  if (link === '' || EXTERNAL.test(link)) return null;
  const [pathAndQuery, fragment] = link.split('#', 2);
  const path = decodeURIComponent(pathAndQuery.split('?')[0]);
  const target = path === '' ? fromFile : resolve(dirname(fromFile), path);
  const rel = relative(root, target).split(sep).join('/');
  if (rel.startsWith('..')) return `${link}: leaves the program folder`;
  const written = WRITTEN_BY_PROGRAM.some((re) => re.test(rel));
  if (!written && !existsSync(target)) return `${link}: no file ${rel}`;
  if (fragment !== undefined && fragment !== '' && !written) {
    if (!/\.html?$/i.test(target)) return `${link}: an anchor in a file that is not a page`;
    if (!anchorsOf(readHtml(target)).has(decodeURIComponent(fragment))) return `${link}: no id "${fragment}" in ${rel}`;
  }
  return null;
}

// Every problem found: [{page, link, problem}]. entries are extra links
// ("help/yhxx.htm#version") that the program itself opens, relative to root.
export function checkFolder(root, entries = []) {
  root = resolve(root);
  const cache = new Map();
  const readHtml = (file) => {
    if (!cache.has(file)) cache.set(file, gbk.decode(readFileSync(file)));
    return cache.get(file);
  };
  const problems = [];
  for (const page of pagesUnder(root)) {
    for (const link of linksOf(readHtml(page))) {
      const problem = checkLink(root, page, link, readHtml);
      if (problem) problems.push({ page: relative(root, page), link, problem });
    }
  }
  for (const entry of entries) {
    const problem = checkLink(root, join(root, 'menu'), entry, readHtml);
    if (problem) problems.push({ page: '(menu)', link: entry, problem });
  }
  return problems;
}

// The pages that the chart program's commands show, as written in its sources
// (folder/page.htm, so that a default file name such as page.htm is not taken).
export function menuPages(sourceFiles) {
  const pages = new Set();
  for (const file of sourceFiles) {
    for (const m of readFileSync(file, 'utf8').matchAll(/"([a-z0-9_]+\/[a-z0-9_/]*\.htm(?:#[\w-]+)?)"/g)) pages.add(m[1]);
  }
  return [...pages];
}
