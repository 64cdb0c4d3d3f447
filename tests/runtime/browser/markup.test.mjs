// The runtime plays the modern markup (<morvane-applet>, <morvane-param>) as it plays <applet>.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { canvases, haveChromium, inView, openPage, pixels, useBench, waitFrames } from './harness.mjs';
import { shippedInstallation } from '../generated.mjs';

// Runs in the page: the same random numbers in every page, so that random kinds draw alike.
function seededRandom() {
  let state = 20231;
  Math.random = () => {
    state = (state * 48271) % 2147483647;
    return state / 2147483647;
  };
}

// Random drawing, scrolling text, a menu tree, a data file with numbered colors, pictures.
const KINDS = ['Stars', 'Scrolling', 'MenuPopUp', 'Table', 'ImageWhirl'];

const pageOf = (code) => `<!DOCTYPE html><html><head><meta charset="utf-8"></head><body style="margin:0">
${code}
<script src="/runtime/morvane-applets.js"></script></body></html>`;

describe('the modern markup in the browser', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();
  let installation;
  before(() => {
    installation = shippedInstallation();
  });
  after(() => installation?.remove());

  async function play(kind, markup) {
    const code = installation.code(kind, ['--markup', markup]);
    const url = bench.server.page(`/samples/markup/${kind}-${markup}.htm`, pageOf(code));
    const { page, problems, runtimeLines } = await openPage(bench.browser, url, undefined, { setup: seededRandom });
    await canvases(page);
    await inView(page);
    // Two frames with the clock still, so that the applet's loop has taken its first look at the
    // clock before it moves: then both markups step alike, however the first frame fell.
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
    await waitFrames(page, 20);
    const p = await pixels(page);
    const params = await page.evaluate(() => JSON.stringify(document.querySelector('canvas.morvane-applet').morvaneApplet.params));
    const fallbackShown = await page.evaluate(() => document.querySelector('applet, morvane-applet').checkVisibility());
    await page.close();
    return { code, size: [p.width, p.height], picture: p.bytes.join(), params, problems, runtimeLines, fallbackShown };
  }

  test('each kind plays the same from the modern code as from the classic code', async () => {
    for (const kind of KINDS) {
      const classic = await play(kind, 'applet');
      const modern = await play(kind, 'modern');
      assert.match(modern.code, /^<morvane-applet /, kind);
      assert.deepEqual([classic.problems, classic.runtimeLines, classic.fallbackShown], [[], [], false], kind);
      assert.deepEqual(
        { size: modern.size, params: modern.params, problems: modern.problems, runtimeLines: modern.runtimeLines, fallbackShown: modern.fallbackShown },
        { size: classic.size, params: classic.params, problems: [], runtimeLines: [], fallbackShown: false },
        kind,
      );
      assert.ok(modern.picture === classic.picture, `${kind}: the pictures differ`);
    }
  });

  test('modern applets follow the same rules: names ignore case, unknown kinds stay, later ones start, removed ones stop', async () => {
    const code = [
      '<morvane-applet code="NoSuchKind.class" width="40" height="30">No Java</morvane-applet>',
      '<morvane-applet code="Stars.class" width="60" height="50"><morvane-param name="BACKGROUND_COLOR" value="#102030"></morvane-param>No Java</morvane-applet>',
      '<div id="later"></div>',
    ].join('\n');
    const { page, problems, runtimeLines } = await openPage(bench.browser, bench.server.page('/markup/rules.htm', pageOf(code)));
    await canvases(page);
    await waitFrames(page, 3);
    assert.deepEqual((await pixels(page)).at(0, 0).slice(0, 3), [0x10, 0x20, 0x30]);
    await page.evaluate(() => {
      document.getElementById('later').innerHTML =
        '<morvane-applet code="Stars.class" width="50" height="40"><morvane-param name="number" value="5"></morvane-param>No Java</morvane-applet>';
    });
    await canvases(page, 2);
    const state = await page.evaluate(() => ({
      sizes: [...document.querySelectorAll('canvas')].map((c) => [c.width, c.height]),
      shown: [...document.querySelectorAll('morvane-applet')].map((a) => a.checkVisibility()),
    }));
    assert.deepEqual(state, { sizes: [[60, 50], [50, 40]], shown: [true, false, false] });
    await page.evaluate(() => document.getElementById('later').replaceChildren());
    await page.waitForFunction(() => document.querySelectorAll('canvas').length === 1);
    assert.deepEqual(problems, []);
    assert.equal(runtimeLines.length, 1);
    assert.match(runtimeLines[0], /unknown applet "NoSuchKind.class" left as it is/);
    await page.close();
  });
});
