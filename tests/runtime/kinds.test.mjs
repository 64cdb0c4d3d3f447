import assert from 'node:assert/strict';
import { test } from 'node:test';

import { fadeState } from '../../src/runtime/kinds/fade.js';
import { twistAt, whirler } from '../../src/runtime/kinds/whirl.js';
import { hits } from '../../src/runtime/core/kit.js';

const picture = (width, height) => ({ width, height, data: Uint8ClampedArray.from({ length: width * height * 4 }, (_, i) => i % 251) });
const blank = (width, height) => ({ width, height, data: new Uint8ClampedArray(width * height * 4) });

test('whirl: no twist is the picture itself; a twist keeps the centre and the corners', () => {
  const source = picture(9, 7);
  const turn = whirler(source);
  const out = blank(9, 7);
  turn(out, 0);
  assert.deepEqual(out.data, source.data);
  turn(out, 180);
  assert.notDeepEqual(out.data, source.data);
  const pixel = (image, x, y) => [...image.data.slice((y * 9 + x) * 4, (y * 9 + x) * 4 + 4)];
  assert.deepEqual(pixel(out, 4, 3), pixel(source, 4, 3));
  assert.deepEqual(pixel(out, 0, 0), pixel(source, 0, 0));
  assert.deepEqual(pixel(out, 8, 6), pixel(source, 8, 6));
});

test('whirl: the twist rises to its height and comes back to none', () => {
  const twists = Array.from({ length: 60 }, (_, i) => twistAt(i, 20));
  assert.equal(twists[0], 0);
  assert.equal(Math.max(...twists), 540);
  assert.equal(twists[54], 0);
  assert.ok(twists.every((t) => t >= 0 && t <= 540));
});

test('fade: each image is held, then the next fades in over the frames, and round again', () => {
  // Two images, 3 frames of fading, held 2 steps.
  const states = Array.from({ length: 10 }, (_, i) => fadeState(i, 2, 3, 2));
  assert.deepEqual(states.map((s) => [s.image, s.next, Number(s.amount.toFixed(2))]), [
    [0, 1, 0], [0, 1, 0], [0, 1, 0.33], [0, 1, 0.67], [0, 1, 1],
    [1, 0, 0], [1, 0, 0], [1, 0, 0.33], [1, 0, 0.67], [1, 0, 1],
  ]);
});

test('hits: a finger aims at a control grown to 24 px each way as shown; a mouse at the control as drawn', () => {
  // A 200 px wide applet shown at 100 px: 24 px as shown are 48 of its own.
  const ctx = { width: 200, canvas: { getBoundingClientRect: () => ({ width: 100 }) } };
  const button = { x: 100, y: 50, w: 30, h: 10 };
  const cases = [
    // [x, y, pointer type, hits]
    [115, 55, 'mouse', true],
    [115, 45, 'mouse', false],
    [115, 45, 'touch', true],
    [115, 35, 'touch', true],
    [115, 30, 'touch', false],
    [92, 55, 'touch', true],
    [90, 55, 'touch', false],
    [115, 45, 'pen', false],
  ];
  for (const [x, y, pointerType, expected] of cases) assert.equal(hits(ctx, x, y, button, { pointerType }), expected, `${pointerType} at ${x},${y}`);
});
