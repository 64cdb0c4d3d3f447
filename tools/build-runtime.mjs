#!/usr/bin/env node
// Joins the runtime's modules (src/runtime) into the one shipped script,
// data/runtime/morvane-applets.js. Core modules share one scope in the joined file: their
// import lines are dropped and "export " is taken off, so their top-level names must be unique
// (checked here). Each kind module gets a block of its own, so its helpers stay private.
// Usage: node tools/build-runtime.mjs [--check]   (--check: fail when the shipped file drifted)
import { readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const root = join(dirname(fileURLToPath(import.meta.url)), '..');
const sources = join(root, 'src', 'runtime');
export const shippedPath = join(root, 'data', 'runtime', 'morvane-applets.js');

// Dependencies come before their users; main.js starts the page once every kind is registered.
const CORE = ['params', 'links', 'kit', 'au', 'sound', 'images', 'loop', 'common', 'applet', 'loader'];

export function moduleOrder() {
  const kinds = readdirSync(join(sources, 'kinds'))
    .filter((name) => name.endsWith('.js'))
    .sort()
    .map((name) => `kinds/${name}`);
  return [...CORE.map((name) => `core/${name}.js`), ...kinds, 'core/main.js'];
}

function strip(path, text) {
  const lines = text.split('\n').filter((line) => !/^import\s.*\sfrom\s+'[^']+';\s*$/.test(line));
  for (const line of lines) {
    if (/^\s*import[\s{(]/.test(line) || /^export\s+(default|\{|\*)/.test(line)) {
      throw new Error(`${path}: only one-line "import ... from '...';" and "export <declaration>" are joined`);
    }
  }
  return lines.map((line) => line.replace(/^export\s+/, '')).join('\n').trim();
}

const DECLARATION = /^(?:export\s+)?(?:async\s+)?(?:const|let|var|function\*?|class)\s+([A-Za-z_$][\w$]*)/gm;

function checkUniqueNames(modules) {
  const owner = new Map();
  for (const [path, text] of modules) {
    for (const [, name] of text.matchAll(DECLARATION)) {
      if (owner.has(name)) throw new Error(`${path}: top-level name ${name} is also declared in ${owner.get(name)}`);
      owner.set(name, path);
    }
  }
}

export function buildRuntime() {
  const modules = moduleOrder().map((path) => [path, readFileSync(join(sources, path), 'utf8')]);
  checkUniqueNames(modules.filter(([path]) => path.startsWith('core/')));
  const parts = modules.map(([path, text]) => {
    const body = strip(path, text);
    return path.startsWith('kinds/') ? `// --- ${path}\n{\n${body}\n}` : `// --- ${path}\n${body}`;
  });
  return [
    '// Morvane applets: plays the applets that Morvane writes, on a canvas, in today\'s browsers.',
    '// Built from src/runtime by tools/build-runtime.mjs; edit the sources, not this file.',
    '(() => {',
    "'use strict';",
    ...parts,
    '})();',
    '',
  ].join('\n');
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const built = buildRuntime();
  if (process.argv.includes('--check')) {
    if (readFileSync(shippedPath, 'utf8') !== built) {
      console.error('data/runtime/morvane-applets.js is out of date: run node tools/build-runtime.mjs');
      process.exit(1);
    }
  } else {
    writeFileSync(shippedPath, built);
    console.log(`wrote ${shippedPath}`);
  }
}
