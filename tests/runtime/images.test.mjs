import assert from 'node:assert/strict';
import { test } from 'node:test';

import { findKind } from '../../src/runtime/core/applet.js';
import { createShow } from '../../src/runtime/kinds/slideshows.js';

test('a show brings each image in, holds it, then brings the next one over it, round and round', () => {
  const show = createShow(2, 10);
  const seen = [];
  for (let i = 0; i < 7; i++) {
    show.step(1, 4);
    seen.push([show.from, show.to, show.done, show.holding]);
  }
  assert.deepEqual(seen, [[-1, 0, 4, false], [-1, 0, 8, false], [-1, 0, 10, true], [0, 1, 4, false], [0, 1, 8, false], [0, 1, 10, true], [1, 0, 4, false]]);
  // Steps owed after a slow frame end the hold and all move the next image.
  show.step(3, 1);
  assert.deepEqual([show.from, show.to, show.done], [1, 0, 7]);
});

test('slide shows step at the pause while an image moves and at the second pause while it is held', async () => {
  const ctx = {
    width: 40,
    height: 20,
    params: { pause: 30, pause2: 900, step: 1, image: ['a.jpg', 'b.jpg'], strip_width: 10 },
    loadImages: async (names) => names.map(() => ({ naturalWidth: 40, naturalHeight: 20 })),
  };
  for (const kind of ['CropImages', 'CropImages2', 'ImageStream', 'Zoom']) {
    const applet = await findKind(kind).create(ctx);
    const pauses = [applet.pause];
    applet.step(100);
    pauses.push(applet.pause);
    applet.step(1);
    pauses.push(applet.pause);
    assert.deepEqual(pauses, [30, 900, 30], kind);
    const none = await findKind(kind).create({ ...ctx, loadImages: async () => [], log: () => {} });
    assert.equal(none.pause, undefined, `${kind} without images is still`);
  }
});
