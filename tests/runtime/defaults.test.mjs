// Every default the parameter page's hints promise the user is the one the runtime uses:
// hint (section tables) -> setting key -> parameter name (generator steps) -> runtime default.
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { test } from 'node:test';

import { findKind, kindNames } from '../../src/runtime/core/applet.js';

const root = new URL('../../', import.meta.url);
const sources = (folder) =>
  readdirSync(new URL(folder, root))
    .filter((name) => name.endsWith('.cpp'))
    .map((name) => readFileSync(new URL(`${folder}${name}`, root), 'utf8'))
    .join('\n');
const stepSources = sources('src/generator/kinds/');
const sectionSources = sources('src/ui/page/');

const kindsFolder = new URL('src/runtime/kinds/', root);
for (const name of readdirSync(kindsFolder).filter((n) => n.endsWith('.js'))) await import(new URL(name, kindsFolder));

const STRING = String.raw`u"((?:[^"\\]|\\.)*)"`;
const unescape = (text) => text.replace(/\\(.)/g, '$1');

function block(text, type, kind) {
  return new RegExp(String.raw`constexpr ${type} k${kind}\[\] = \{([\s\S]*?)\n\};`).exec(text)?.[1] ?? null;
}

// Setting key -> parameter name, from the kind's generator steps (named shared steps included).
function paramsByKey(kind) {
  const steps = block(stepSources, 'Step', kind);
  if (!steps) return null;
  const named = new Map();
  for (const m of stepSources.matchAll(/constexpr Step (k\w+)\s*=?\s*\{Rule::\w+, u"([^"]+)", u"([^"]+)"/g)) named.set(m[1], [m[2], m[3]]);
  const map = new Map();
  for (const m of steps.matchAll(/\{Rule::\w+, u"([^"]+)", u"([^"]+)"/g)) map.set(m[2], m[1]);
  for (const m of steps.matchAll(/^\s*(k\w+),/gm)) if (named.has(m[1])) map.set(named.get(m[1])[1], named.get(m[1])[0]);
  return map;
}

// Setting key -> hint, from the kind's section table.
function hintsByKey(kind) {
  const fields = block(sectionSources, 'FieldSpec', kind);
  const hints = new Map();
  if (!fields) return hints;
  for (const m of fields.matchAll(new RegExp(String.raw`\.key = u"(\w+)".*?\.hint = ${STRING}`, 'g'))) hints.set(m[1], unescape(m[2]));
  for (const m of fields.matchAll(new RegExp(String.raw`animationPause\(${STRING}\)`, 'g'))) hints.set('Pause', unescape(m[1]));
  return hints;
}

function promisedDefault(hint) {
  const number = /Default is (-?\d+)\b(?!\s*[/%])/i.exec(hint);
  if (number) return Number(number[1]);
  const text = /default is "([^"]*)"/i.exec(hint);
  return text ? text[1] : undefined;
}

test('the runtime defaults are the ones the hints show', () => {
  let checked = 0;
  const drift = [];
  for (const kind of kindNames()) {
    const params = paramsByKey(kind);
    for (const [key, hint] of hintsByKey(kind)) {
      const promised = promisedDefault(hint);
      if (promised === undefined || !params?.has(key)) continue;
      const param = params.get(key);
      const declared = findKind(kind).params;
      const decl = Object.entries(declared).find(([name]) => name.toLowerCase() === param.toLowerCase())?.[1];
      checked++;
      if (!decl) drift.push(`${kind}: "${param}" (${key}) is not read by the runtime`);
      else if (decl.def !== promised) drift.push(`${kind}: "${param}" defaults to ${JSON.stringify(decl.def)}, the hint says ${JSON.stringify(promised)}`);
    }
  }
  assert.deepEqual(drift, []);
  assert.ok(checked >= 10, `only ${checked} hinted defaults found: has the section table format changed?`);
});
