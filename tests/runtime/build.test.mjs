import assert from 'node:assert/strict';
import { test } from 'node:test';

import { stepsDue } from '../../src/runtime/core/loop.js';
import { kindNameOf } from '../../src/runtime/core/loader.js';

test('an applet steps once per pause and never catches up after a long stall', () => {
  assert.deepEqual(stepsDue(1000, 1000, 50), [0, 1000]);
  assert.deepEqual(stepsDue(1049, 1000, 50), [0, 1000]);
  assert.deepEqual(stepsDue(1120, 1000, 50), [2, 1100]);
  assert.deepEqual(stepsDue(60000, 1000, 50), [1, 60000]);
});

test('the code attribute names the kind with or without folder and extension', () => {
  assert.equal(kindNameOf('Stars.class'), 'Stars');
  assert.equal(kindNameOf(' classes/Stars.class '), 'Stars');
  assert.equal(kindNameOf('Stars'), 'Stars');
  assert.equal(kindNameOf('Stars.CLASS'), 'Stars.CLASS');
});
