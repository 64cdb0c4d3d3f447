import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { canvases, differs, haveChromium, inView, openApplet, openPage, pixels, registeredKinds, useBench, waitFrames } from './harness.mjs';

// A new kind is smoke-tested without touching this file.
const registered = registeredKinds();
// Kinds that draw once and then wait for the visitor.
const waiting = new Set([
  'ButtonLink', 'CheckBoxLink', 'Graph', 'HexColor', 'IPViewer', 'ListLink', 'MenuFrame', 'MenuPopUp',
  'Navigation', 'RandomImage', 'RandomLink', 'Table',
  'GuestBook', 'LightOn', 'LoginBox', 'Memory', 'Puzzle', 'TicTacToe', 'WhoIsVisitor',
]);
// Samples that show no change by themselves: those, a picture that follows the pointer, and a
// text that scrolls in the tab's title.
const still = new Set([...waiting, 'ImagePointer', 'StatusBarScroller']);
// The one console line a kind's sample page gives by design.
const says = { WhoIsVisitor: [/WhoIsVisitor: sends no e-mail to \S+: a web page cannot send mail by itself/] };

const red = (r, g, b) => r > 200 && g < 60 && b < 60;

describe('every registered kind in the browser', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();

  for (const kind of registered) {
    test(`${kind}: its sample page runs${still.has(kind) ? '' : ' and animates'}, without errors`, async () => {
      const { page, problems, runtimeLines } = await openPage(bench.browser, `${bench.server.origin}/samples/${kind}/${kind.toLowerCase()}.htm`);
      await canvases(page);
      await page.evaluate(() => document.querySelector('canvas.morvane-applet').scrollIntoView());
      await inView(page);
      await waitFrames(page, 20);
      const first = await pixels(page);
      if (!still.has(kind)) {
        // Some kinds hold a picture a while (a slide shown in full, a clock between seconds).
        let changed = false;
        for (let tries = 0; tries < 60 && !changed; tries++) {
          await waitFrames(page, 10);
          changed = differs(first, await pixels(page));
        }
        assert.ok(changed, 'two pictures some frames apart differ');
      }
      // A still canvas drawn on in place costs a page of animations a copy on every frame.
      if (waiting.has(kind)) {
        assert.ok(await page.$eval('canvas.morvane-applet', (c) => c.getContext('2d') === null), 'it hands its pictures over whole');
      }
      assert.deepEqual(problems, []);
      assert.equal(runtimeLines.length, (says[kind] ?? []).length, runtimeLines.join('\n'));
      (says[kind] ?? []).forEach((line, i) => assert.match(runtimeLines[i], line));
      await page.close();
    });
  }

  // Pages with values a user may leave empty or get wrong: each must run on its defaults.
  const cases = [
    ['Stars', { pause: 'abc', number: '-1', step_mean: '0', star_color: 'white' }],
    ['Scrolling', { text: 'Hello', text_height: 'big', pause: '', step: '-3', text_color: '#12' }],
    ['Fade', { pause: '0', pause2: 'x', frame_number: '', image1: 'chrismas.jpg', image2: 'river.jpg', image_number: 'two' }],
    ['ImageWhirl', { pause: '-1', angle_step: '999', image_name: 'sphinx.gif' }],
  ];
  for (const [kind, params] of cases) {
    test(`${kind}: invalid values run with the defaults`, async () => {
      const { page, problems, runtimeLines } = await openApplet(bench, `/samples/${kind}/invalid.htm`, kind, { width: 200, height: 120, params }, 20);
      const first = await pixels(page);
      await waitFrames(page, 40);
      assert.ok(differs(first, await pixels(page)), 'animates');
      assert.deepEqual([problems, runtimeLines], [[], []]);
      await page.close();
    });
  }

  test('Scrolling: the text is drawn in its color and moves to the left', async () => {
    const { page } = await openApplet(bench, '/kinds/scrolling.htm', 'Scrolling', {
      width: 300, height: 60, params: { text: 'WWWW', text_height: '30', text_color: '#FF0000', background_color: '#000000', pause: '20', step: '2' },
    }, 30);
    const leftmost = (p) => {
      for (let x = 0; x < p.width; x++) for (let y = 0; y < p.height; y++) if (red(...p.at(x, y))) return x;
      return -1;
    };
    const a = await pixels(page);
    assert.ok(a.count(red) > 100, 'red text');
    await waitFrames(page, 20);
    const b = await pixels(page);
    assert.ok(leftmost(b) < leftmost(a), `moved left: ${leftmost(a)} -> ${leftmost(b)}`);
    await page.close();
  });

  test('Fade: the second image shows after the first one fades out', async () => {
    const { page } = await openApplet(bench, '/samples/Fade/short.htm', 'Fade', {
      width: 320, height: 240, params: { pause: '10', pause2: '10', frame_number: '2', image1: 'chrismas.jpg', image2: 'river.jpg', image_number: '2' },
    }, 5);
    const seen = [];
    for (let i = 0; i < 6; i++) {
      seen.push(await pixels(page));
      await waitFrames(page, 3);
    }
    assert.ok(seen.some((p) => differs(p, seen[0])), 'the picture changes');
    await page.close();
  });

  test('Stars: the star color is the one asked for', async () => {
    const { page } = await openApplet(bench, '/kinds/stars.htm', 'Stars', { params: { star_color: '#FF0000', background_color: '#000000', number: '400' } });
    const p = await pixels(page);
    assert.ok(p.count(red) > 100);
    assert.equal(p.count((r, g, b) => r > 200 && g > 200 && b > 200), 0, 'no white star');
    await page.close();
  });
});
