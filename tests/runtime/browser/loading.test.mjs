// A page pays for what it shows: the runtime's core once however many snippets carry it, each
// kind's code when the kind first appears, and applets far below the view only as they come
// near. The code as Morvane writes it holds each applet's place before the deferred runtime
// arrives, and a strict policy lets all of it run.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { haveChromium, openPage, useBench, waitFrames } from './harness.mjs';
import { shippedInstallation, shippedKinds } from '../generated.mjs';

const SCRIPT = '<script src="/runtime/morvane-applets.js" defer></script>';
const stars = (width = 200) => `<applet code="Stars.class" width="${width}" height="100">No Java</applet>`;
const fade = '<applet code="Fade.class" width="80" height="60"><param name="image1" value="chrismas.jpg"><param name="image2" value="river.jpg"></applet>';
const pageOf = (body, head = '') => `<!DOCTYPE html><html><head><meta charset="utf-8">${head}</head><body style="margin:0">${body}</body></html>`;

// Runs in the page: the scripts and pictures it fetched, by file name, with their bytes.
function fetched() {
  return performance.getEntriesByType('resource').map((entry) => ({
    name: entry.name.split('/').pop().split('?')[0],
    type: entry.initiatorType,
    bytes: entry.decodedBodySize,
  }));
}

const running = () => [...document.querySelectorAll('canvas.morvane-applet')].filter((c) => c.morvaneApplet?.instance).length;

describe('loading only what the page shows', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();

  test('the scripts a page fetches: the core once, and the code of the kinds it shows', async () => {
    const cases = [
      { name: 'one Stars applet', body: stars() + SCRIPT, applets: 1, scripts: ['morvane-applets-stars.js', 'morvane-applets.js'] },
      { name: 'ten pasted snippets', body: Array(10).fill(stars(60) + SCRIPT).join('\n'), applets: 10, scripts: ['morvane-applets-stars.js', 'morvane-applets.js'] },
      { name: 'two kinds of two files', body: stars() + fade + SCRIPT, applets: 2, scripts: ['morvane-applets-fade.js', 'morvane-applets-stars.js', 'morvane-applets.js'] },
    ];
    for (const { name, body, applets, scripts } of cases) {
      const url = bench.server.page(`/samples/loading-${applets}-${scripts.length}.htm`, pageOf(body));
      const { page, problems } = await openPage(bench.browser, url);
      await page.waitForFunction((n) => document.querySelectorAll('canvas.morvane-applet').length === n, {}, applets);
      await waitFrames(page, 3);
      const seen = await page.evaluate(fetched);
      const started = await page.evaluate(running);
      await page.close();
      const loaded = seen.filter((entry) => entry.name.endsWith('.js'));
      assert.deepEqual(
        { started, scripts: [...new Set(loaded.map((entry) => entry.name))].sort(), problems },
        { started: applets, scripts, problems: [] },
        name,
      );
      // Chromium fetches a script named ten times once; the kinds' files are fetched by the core.
      assert.equal(loaded.filter((entry) => entry.name.startsWith('morvane-applets-')).length, scripts.length - 1, name);
      if (applets === 1) {
        const bytes = loaded.reduce((sum, entry) => sum + entry.bytes, 0);
        assert.ok(bytes <= 80000, `${name}: ${bytes} bytes of script`);
      }
    }
  });

  test('applets more than a screen below the view start, and fetch their pictures, only as they come near', async () => {
    const body = `${stars()}<div style="height:3000px"></div>${Array(5).fill(fade).join('')}${SCRIPT}`;
    const { page, problems } = await openPage(bench.browser, bench.server.page('/samples/lazy.htm', pageOf(body)), { width: 400, height: 300 });
    await page.waitForFunction(() => document.querySelector('canvas.morvane-applet')?.morvaneApplet?.instance);
    await waitFrames(page, 5);
    const names = async () => [...new Set((await page.evaluate(fetched)).map((e) => e.name).filter((n) => /\.(js|jpg)$/.test(n)))].sort();
    const far = { canvases: await page.evaluate(() => document.querySelectorAll('canvas.morvane-applet').length), fetched: await names() };
    assert.deepEqual(far, { canvases: 1, fetched: ['morvane-applets-stars.js', 'morvane-applets.js'] }, 'the applet in view runs; nothing of the ones below');
    await page.evaluate(() => window.scrollTo(0, document.body.scrollHeight));
    await page.waitForFunction(() => [...document.querySelectorAll('canvas.morvane-applet')].filter((c) => c.morvaneApplet?.instance).length === 6);
    assert.deepEqual(await names(), ['chrismas.jpg', 'morvane-applets-fade.js', 'morvane-applets-stars.js', 'morvane-applets.js', 'river.jpg']);
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('a kind whose file cannot be fetched leaves its element as it is, with one line; the others run', async () => {
    const url = bench.server.page('/samples/unfetched.htm', pageOf(stars() + fade + SCRIPT));
    const page = await bench.browser.newPage();
    await page.setRequestInterception(true);
    page.on('request', (request) => (request.url().endsWith('morvane-applets-stars.js') ? request.abort() : request.continue()));
    const lines = [];
    page.on('console', (message) => message.text().startsWith('morvane-applets:') && lines.push(message.text()));
    await page.goto(url);
    await page.waitForFunction(() => document.querySelector('canvas.morvane-applet')?.morvaneApplet?.instance);
    await page.waitForFunction(() => document.querySelector('applet[code="Stars.class"]').checkVisibility());
    assert.deepEqual(lines, ['morvane-applets: Stars: its code morvane-applets-stars.js did not load']);
    assert.equal(await page.evaluate(() => document.querySelector('canvas.morvane-applet').dataset.kind), 'Fade');
    await page.close();
  });
});

describe("every kind's code as Morvane writes it", { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();
  let installation;
  before(() => {
    installation = shippedInstallation();
  });
  after(() => installation?.remove());

  // In the page from its first paint: the layout shifts the visitor saw, as the browser scores
  // them. All of them: the phone's emulated viewport counts as recent input for half a second.
  function recordShifts() {
    window.morvaneShifts = 0;
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) window.morvaneShifts += entry.value;
    }).observe({ type: 'layout-shift', buffered: true });
  }

  // The runtime's core reaches the page only once the page has been painted without it.
  async function runtimeAfterPaint(page) {
    await page.setRequestInterception(true);
    page.on('request', async (request) => {
      if (request.url().endsWith('/morvane-applets.js')) {
        await page.waitForFunction(() => performance.getEntriesByType('paint').length > 0, { polling: 20 }).catch(() => {});
      }
      await request.continue();
    });
  }

  test("every kind's code, in both markups, holds its place on a phone until the applet runs", async () => {
    const moved = [];
    for (const kind of shippedKinds()) {
      // The code as written, with the sheet and script lines it names.
      const code = (args) => installation.code(kind, ['--runtime', ...args]);
      const body = ['<p>Text before the applets.</p>', code([]), '<p>Between them.</p>', code(['--markup', 'modern']), '<p>Text after them.</p>'].join('\n');
      const url = bench.server.page(`/samples/${kind}/shift.htm`, pageOf(body, '<meta name="viewport" content="width=device-width">'));
      const phone = { width: 360, height: 640, deviceScaleFactor: 2, isMobile: true, hasTouch: true };
      const { page } = await openPage(bench.browser, url, phone, { setup: recordShifts, prepare: runtimeAfterPaint });
      await page
        .waitForFunction(() => [...document.querySelectorAll('canvas.morvane-applet')].filter((c) => c.morvaneApplet?.instance).length === 2, { timeout: 15000 })
        .catch(() => moved.push(`${kind}: the applets never started`));
      await waitFrames(page, 3);
      const shifted = await page.evaluate(() => window.morvaneShifts);
      if (shifted > 0.01) moved.push(`${kind}: layout shift ${shifted.toFixed(4)}`);
      await page.close();
    }
    assert.deepEqual(moved, []);
  });

  test("every kind's valid-markup code runs under script-src 'self' and style-src 'self' without a violation", async () => {
    const policy = `<meta http-equiv="Content-Security-Policy" content="script-src 'self'; style-src 'self'">`;
    const refused = [];
    for (const kind of shippedKinds()) {
      const code = installation.code(kind, ['--markup', 'modern', '--runtime']);
      // The page itself has no inline style either.
      const url = bench.server.page(`/samples/${kind}/strict.htm`, pageOf(code, policy).replace(' style="margin:0"', ''));
      const { page, problems } = await openPage(bench.browser, url, undefined, {
        setup: () => document.addEventListener('securitypolicyviolation', (e) => console.error(`violation: ${e.violatedDirective}`)),
      });
      await page
        .waitForFunction(() => document.querySelector('canvas.morvane-applet')?.morvaneApplet?.instance, { timeout: 15000 })
        .catch(() => problems.push('the applet never started'));
      await waitFrames(page, 3);
      await page.close();
      if (problems.length) refused.push(`${kind}: ${problems.join(' | ')}`);
    }
    assert.deepEqual(refused, []);
  });
});
