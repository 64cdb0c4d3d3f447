// Applets on the screens visitors have: every sample fits a phone at its proportions with the
// backing pixels of the size it is shown at, author styles and flexible layouts shrink it
// without squashing it, the fixed size is there for the author who asks, and a pointer lands
// on the kind's own coordinates whatever the size shown.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { describe, test } from 'node:test';

import { appletPage, canvases, haveChromium, inView, openPage, registeredKinds, useBench, waitFrames } from './harness.mjs';

const PHONE = { width: 360, height: 640, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

// The element a kind's sample page writes, or '' for a sample that writes it from a script.
function sampleElement(kind) {
  const html = readFileSync(new URL(`../../../data/samples/${kind}/${kind.toLowerCase()}.htm`, import.meta.url), 'utf8');
  const at = html.indexOf('<applet');
  return at < 0 ? '' : html.slice(at, html.indexOf('</applet>') + '</applet>'.length);
}

const samplePage = (body, head = '') => `<!DOCTYPE html><html><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width">${head}</head><body style="margin:0">${body}
<script src="/runtime/morvane-applets.js"></script></body></html>`;

// In the page: how the first applet is shown.
function measure() {
  const canvas = document.querySelector('canvas.morvane-applet');
  const shown = canvas.getBoundingClientRect();
  const { width, height } = canvas.morvaneApplet;
  return { width, height, shownWidth: shown.width, shownHeight: shown.height, backing: canvas.width, pageWidth: document.documentElement.scrollWidth };
}

describe('applets fit their container', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();

  // Under the kind's sample folder, where its sample's files are.
  async function open(html, viewport = PHONE, folder = 'Fit') {
    const url = bench.server.page(`/samples/${folder}/${Math.random().toString(36).slice(2)}.htm`, html);
    const opened = await openPage(bench.browser, url, viewport);
    await canvases(opened.page);
    await inView(opened.page);
    await waitFrames(opened.page, 2);
    return opened;
  }

  test('every sample fits a 360 px phone at its proportions, with backing pixels for the size shown', async () => {
    const wrong = [];
    for (const kind of registeredKinds()) {
      const element = sampleElement(kind);
      if (!element) continue;
      const { page, problems } = await open(samplePage(element), PHONE, kind);
      const m = await page.evaluate(measure);
      const expected = Math.min(m.width, 360);
      const ratioOff = Math.abs(m.shownHeight / m.shownWidth - m.height / m.width) * m.shownWidth;
      if (m.pageWidth > 360) wrong.push(`${kind}: page ${m.pageWidth} px wide`);
      if (Math.abs(m.shownWidth - expected) > 0.5 || ratioOff > 1) wrong.push(`${kind}: ${m.width}x${m.height} shown ${m.shownWidth}x${m.shownHeight}`);
      // Never more backing pixels than the screen shows; a kind may ask for fewer.
      if (m.backing > Math.round(m.shownWidth * 3) + 1) wrong.push(`${kind}: ${m.backing} backing pixels across for ${m.shownWidth} px at ratio 3`);
      if (problems.length) wrong.push(`${kind}: ${problems.join('; ')}`);
      await page.close();
    }
    assert.deepEqual(wrong, []);
  });

  test('author styles and layouts shrink an applet without squashing it; fit="fixed" keeps its size', async () => {
    const stars = (attributes = '') => `<applet code="Stars.class" width="480" height="180"${attributes}></applet>`;
    const cases = [
      // [what, page, head, shown width, shown height]
      ['canvas{max-width:100%} of the page', stars(), '<style>canvas{max-width:100%}</style>', 360, 135],
      ['a flex row', `<div style="display:flex;width:360px">${stars()}<span>after</span></div>`, '', null, null],
      ['a flex item wrapping it', `<div style="display:flex;width:360px"><div>${stars()}</div></div>`, '', 360, 135],
      ['a grid cell', `<div style="display:grid;grid-template-columns:1fr;width:300px">${stars()}</div>`, '', 300, 112.5],
      ['a wider container', `<div style="width:900px">${stars()}</div>`, '', 480, 180],
      ['fit="fixed"', stars(' fit="fixed"'), '', 480, 180],
      ['the page sizing the box', stars(' class="wide"'), '<style>.wide{width:240px}</style>', 240, 90],
    ];
    for (const [what, body, head, width, height] of cases) {
      const { page, problems } = await open(samplePage(body, head));
      const m = await page.evaluate(measure);
      if (width === null) {
        assert.ok(m.shownWidth < 360 && m.pageWidth <= 360, `${what}: shown ${m.shownWidth}, page ${m.pageWidth}`);
        assert.ok(Math.abs(m.shownHeight - (m.shownWidth * 180) / 480) < 1, `${what}: ${m.shownWidth}x${m.shownHeight}`);
      } else {
        assert.deepEqual([m.shownWidth, m.shownHeight], [width, height], what);
      }
      assert.deepEqual(problems, [], what);
      await page.close();
    }
  });

  test('an applet not started yet holds the place its applet takes, so that starting moves nothing', async () => {
    const body = `<div style="height:2000px"></div><applet code="Stars.class" width="480" height="180">Please activate Java...</applet><p id="after">after</p>`;
    const url = bench.server.page(`/samples/Fit/${Math.random().toString(36).slice(2)}.htm`, samplePage(body));
    const { page, problems } = await openPage(bench.browser, url, PHONE);
    await page.waitForFunction(() => document.adoptedStyleSheets.length > 0);
    const place = () => page.evaluate(() => {
      const shown = document.querySelector('canvas.morvane-applet') ?? document.querySelector('applet');
      const r = shown.getBoundingClientRect();
      return [r.width, r.height, document.getElementById('after').getBoundingClientRect().top + scrollY];
    });
    const before = await place();
    assert.equal(await page.$$eval('canvas.morvane-applet', (c) => c.length), 0, 'far from view, not started');
    await page.evaluate(() => document.querySelector('applet').scrollIntoView());
    await canvases(page);
    assert.deepEqual(await place(), before);
    assert.deepEqual(before.slice(0, 2), [360, 135]);
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('a pointer on a shrunk applet reaches the kind at its own coordinates, and a new width redraws it', async () => {
    const { page } = await open(appletPage('Stars', { width: 720, height: 270 }), { width: 360, height: 640 });
    await page.evaluate(() => {
      const applet = document.querySelector('canvas.morvane-applet').morvaneApplet;
      window.seen = [];
      applet.instance.pointer = (type, x, y) => window.seen.push([type, Math.round(x), Math.round(y)]);
    });
    const box = await page.$eval('canvas.morvane-applet', (c) => c.getBoundingClientRect().toJSON());
    assert.deepEqual([box.width, box.height], [360, 135]);
    await page.mouse.move(box.x + 90, box.y + 100);
    assert.deepEqual(await page.evaluate(() => window.seen.find(([type]) => type === 'move')), ['move', 180, 200]);
    // The container narrows: the backing pixels follow.
    await page.evaluate(() => (document.body.style.width = '200px'));
    await page.waitForFunction(() => document.querySelector('canvas.morvane-applet').width === 200);
    await page.close();
  });
});
