import assert from 'node:assert/strict';
import { test } from 'node:test';

import { findKind } from '../../src/runtime/core/applet.js';
import { Bouncer, createShow } from '../../src/runtime/kinds/images.js';

test('a show brings each image in, holds it, then brings the next one over it, round and round', () => {
  const show = createShow(3, 10);
  const seen = [];
  for (let i = 0; i < 12; i++) {
    show.step(1, 4);
    seen.push([show.from, show.to, show.done, show.holding]);
  }
  assert.deepEqual(seen.slice(0, 4), [[-1, 0, 4, false], [-1, 0, 8, false], [-1, 0, 10, true], [0, 1, 4, false]]);
  assert.deepEqual(seen.slice(8, 12), [[1, 2, 10, true], [2, 0, 4, false], [2, 0, 8, false], [2, 0, 10, true]]);

  // Steps owed after a slow frame end the hold and all move the next image.
  const late = createShow(2, 10);
  late.step(1, 10);
  late.step(3, 2);
  assert.deepEqual([late.from, late.to, late.done, late.holding], [0, 1, 6, false]);

  const empty = createShow(0, 10);
  empty.step(5, 4);
  assert.deepEqual([empty.done, empty.holding], [0, false]);
});

test('slide shows step at the pause while an image moves and at the second pause while it is held', async () => {
  const image = { naturalWidth: 40, naturalHeight: 20 };
  for (const kind of ['CropImages', 'CropImages2', 'ImageStream', 'Zoom']) {
    const ctx = {
      width: 40,
      height: 20,
      params: { pause: 30, pause2: 900, step: 1, image: ['a.jpg', 'b.jpg'], strip_width: 10 },
      loadImages: async (names) => names.map(() => image),
    };
    const applet = await findKind(kind).create(ctx);
    assert.equal(applet.pause, 30, kind);
    applet.step(100);
    assert.equal(applet.pause, 900, `${kind} holds the image`);
    applet.step(1);
    assert.equal(applet.pause, 30, `${kind} moves the next one`);

    const none = await findKind(kind).create({ ...ctx, loadImages: async () => [] });
    assert.equal(none.pause, undefined, `${kind} without images is still`);
  }
});

test('a bouncing value turns back at both ends and never leaves its range', () => {
  const b = new Bouncer(90, 10, 1, 100);
  assert.deepEqual([b.step(), b.step(), b.step()], [100, 90, 80]);
  const down = new Bouncer(5, -10, 1, 100);
  assert.equal(down.step(), 7);
  assert.equal(down.speed, 10);
  const wild = new Bouncer(50, 1000, 0, 20);
  for (let i = 0; i < 5; i++) {
    const v = wild.step();
    assert.ok(v >= 0 && v <= 20, String(v));
  }
  assert.equal(new Bouncer(500, 3, 1, 100).value, 100, 'a start beyond the range is brought into it');
  const still = new Bouncer(40, 0, 1, 100);
  assert.equal(still.step(7), 40);
});
