// Every default a hint of the parameter page promises is the one the runtime uses. The build
// reads the promises from the page's section tables and the generator's steps (hint -> setting
// key -> parameter name) into page-defaults.json; here they meet the kinds' `params` tables.
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { test } from 'node:test';

import { builtFile } from './built.mjs';
import { findKind } from '../../src/runtime/core/applet.js';

const kindsFolder = new URL('../../src/runtime/kinds/', import.meta.url);
for (const name of readdirSync(kindsFolder).filter((n) => n.endsWith('.js'))) await import(new URL(name, kindsFolder));

const promises = JSON.parse(readFileSync(builtFile('tests/runtime/page-defaults.json'), 'utf8'));

test('the runtime defaults are the ones the hints show', () => {
  const drift = [];
  for (const { kind, key, param, default: promised } of promises) {
    const declared = Object.entries(findKind(kind)?.params ?? {}).find(([name]) => name.toLowerCase() === param.toLowerCase())?.[1];
    if (!declared) drift.push(`${kind}: "${param}" (${key}) is not read by the runtime`);
    else if (declared.def !== promised) drift.push(`${kind}: "${param}" defaults to ${JSON.stringify(declared.def)}, the hint says ${JSON.stringify(promised)}`);
  }
  assert.deepEqual(drift, []);
  assert.ok(promises.length >= 10, `only ${promises.length} hinted defaults found: do the hints still say "Default is"?`);
});
