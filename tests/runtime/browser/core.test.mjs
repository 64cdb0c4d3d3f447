import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { appletPage, canvases, differs, haveChromium, inView, launchBrowser, openPage, pixels, recordOpens, useBench, waitFrames } from './harness.mjs';

const dark = '#000040';

describe('runtime core in the browser', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();

  test('an applet becomes a canvas of its size in a box before it; its no-Java text is hidden; names ignore case', async () => {
    const url = bench.server.page('/core/basic.htm', appletPage('Stars', {
      width: 240, height: 120, params: { BACKGROUND_COLOR: '#102030', Star_Color: '#FF0000', number: '300' },
    }));
    const { page, problems, runtimeLines } = await openPage(bench.browser, url);
    await canvases(page);
    await waitFrames(page, 10);
    const shape = await page.evaluate(() => {
      const canvas = document.querySelector('canvas.morvane-applet');
      const applet = document.querySelector('applet');
      return { w: canvas.width, h: canvas.height, next: canvas.parentElement.nextElementSibling === applet, shown: applet.checkVisibility() };
    });
    assert.deepEqual(shape, { w: 240, h: 120, next: true, shown: false });
    const p = await pixels(page);
    assert.deepEqual(p.at(0, 0).slice(0, 3), [0x10, 0x20, 0x30]);
    assert.ok(p.count((r, g, b) => r > 200 && g < 50 && b < 50) > 50, 'red stars drawn');
    assert.deepEqual([problems, runtimeLines], [[], []]);
    await page.close();
  });

  test('unknown kinds and applets without a usable size stay as they are, with one console line each', async () => {
    const url = bench.server.page('/core/refused.htm', appletPage('NoSuchKind') + appletPage('Stars', { width: 'wide' }));
    const { page, runtimeLines } = await openPage(bench.browser, url);
    await waitFrames(page, 3);
    const state = await page.evaluate(() => ({
      canvases: document.querySelectorAll('canvas').length,
      shown: [...document.querySelectorAll('applet')].map((a) => a.checkVisibility()),
    }));
    assert.deepEqual(state, { canvases: 0, shown: [true, true] });
    assert.equal(runtimeLines.length, 2);
    assert.match(runtimeLines[0], /unknown applet "NoSuchKind.class"/);
    assert.match(runtimeLines[1], /WIDTH and HEIGHT/);
    await page.close();
  });

  test('an applet that fails gives the page its element back and logs one line', async () => {
    const url = bench.server.page('/core/failing.htm', appletPage('Scrolling', { params: { text: 'Hello' } }) + appletPage('Stars'));
    const page = await bench.browser.newPage();
    await page.evaluateOnNewDocument(() => {
      CanvasRenderingContext2D.prototype.fillText = () => {
        throw new Error('no text today');
      };
    });
    const lines = [];
    page.on('console', (m) => lines.push(m.text()));
    await page.goto(url);
    await page.waitForFunction(() => document.querySelector('applet[code="Scrolling.class"]').checkVisibility());
    await waitFrames(page, 5);
    const state = await page.evaluate(() => [...document.querySelectorAll('canvas')].map((c) => c.dataset.kind));
    assert.deepEqual(state, ['Stars'], 'the other applet keeps running');
    assert.deepEqual(lines, ['morvane-applets: Scrolling: stopped: no text today']);
    await page.close();
  });

  test('applets inserted later start, removed ones stop; a second copy of the script changes nothing', async () => {
    const url = bench.server.page('/core/dynamic.htm', appletPage('Stars', { after: '<script src="/runtime/morvane-applets.js"></script><div id="later"></div>' }));
    const { page, problems } = await openPage(bench.browser, url);
    await canvases(page);
    await page.evaluate(() => {
      document.getElementById('later').innerHTML =
        '<applet code="Stars.class" width="50" height="40"><param name="number" value="5">No Java</applet>';
    });
    await canvases(page, 2);
    const sizes = await page.evaluate(() => [...document.querySelectorAll('canvas')].map((c) => [c.width, c.height]));
    assert.deepEqual(sizes, [[200, 100], [50, 40]]);
    await page.evaluate(() => document.getElementById('later').replaceChildren());
    await page.waitForFunction(() => document.querySelectorAll('canvas').length === 1);
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('animation runs only while the applet is in view and the tab shows', async () => {
    const url = bench.server.page('/core/scrolled.htm', appletPage('Stars', { before: '<div style="height:500px"></div>', params: { pause: '10' } }));
    const { page } = await openPage(bench.browser, url, { width: 400, height: 300 });
    await canvases(page);
    await waitFrames(page, 5);
    const hiddenA = await pixels(page);
    await waitFrames(page, 10);
    assert.ok(!differs(hiddenA, await pixels(page)), 'nothing drawn out of view');
    await page.evaluate(() => document.querySelector('canvas').scrollIntoView());
    await inView(page);
    await waitFrames(page, 5);
    const shownA = await pixels(page);
    await waitFrames(page, 10);
    assert.ok(differs(shownA, await pixels(page)), 'animates in view');

    const setHidden = (hidden) => page.evaluate((h) => {
      Object.defineProperty(document, 'hidden', { configurable: true, get: () => h });
      document.dispatchEvent(new Event('visibilitychange'));
    }, hidden);
    await setHidden(true);
    await waitFrames(page, 3);
    const tabHidden = await pixels(page);
    await waitFrames(page, 10);
    assert.ok(!differs(tabHidden, await pixels(page)), 'nothing drawn while the tab is hidden');
    await setHidden(false);
    await waitFrames(page, 10);
    assert.ok(differs(tabHidden, await pixels(page)), 'animates again when the tab shows');
    await page.close();
  });

  test('on the manual clock the picture depends on the time given, not on how many frames it took', async () => {
    const params = { text: 'WWWW', text_height: '30', pause: '20', step: '3' };
    const shown = [];
    for (const [path, advances] of [['/core/clock-a.htm', [160]], ['/core/clock-b.htm', Array(10).fill(16)], ['/core/clock-c.htm', [150]]]) {
      const { page } = await openPage(bench.browser, bench.server.page(path, appletPage('Scrolling', { width: 300, height: 60, params })));
      await canvases(page);
      await inView(page);
      // The first advance only sets where the applet's time starts.
      await page.evaluate(() => window.morvaneAppletsClock.advance(0));
      for (const ms of advances) await page.evaluate((t) => window.morvaneAppletsClock.advance(t), ms);
      shown.push(await pixels(page));
      await page.close();
    }
    assert.ok(!differs(shown[0], shown[1]), '160 ms at once or in ten frames: the same picture');
    assert.ok(differs(shown[0], shown[2]), 'one step less: another picture');
  });

  test('an applet whose steps leave its picture as drawn draws no more; one that moves draws at its own pace', async () => {
    const moving = '<applet code="Scrolling.class" width="300" height="60"><param name="text" value="WWWW"><param name="pause" value="20"></applet>';
    const fade = { image1: 'chrismas.jpg', image2: 'river.jpg', image_number: '2', pause: '20', pause2: '400', frame_number: '5' };
    const url = bench.server.page('/samples/held.htm', appletPage('Fade', { width: 320, height: 240, params: fade, before: moving }));
    const { page, problems } = await openPage(bench.browser, url);
    await canvases(page, 2);
    await inView(page, 0);
    await inView(page, 1);
    await page.evaluate(() => {
      window.morvaneAppletsClock.advance(0);
      for (const canvas of document.querySelectorAll('canvas.morvane-applet')) {
        const instance = canvas.morvaneApplet.instance;
        canvas.calls = { step: 0, draw: 0 };
        for (const name of ['step', 'draw']) {
          const original = instance[name].bind(instance);
          instance[name] = (...args) => (canvas.calls[name]++, original(...args));
        }
      }
    });
    const calls = () => page.evaluate(() => [...document.querySelectorAll('canvas.morvane-applet')].map((c) => ({ ...c.calls })));
    const held = await pixels(page, 1);
    // 160 ms: eight steps of each, all within the fade's 400 ms hold of its first picture.
    await waitFrames(page, 10);
    const [scrolling, fading] = await calls();
    assert.deepEqual(scrolling, { step: 8, draw: 8 }, 'a step that moves is drawn once');
    assert.deepEqual(fading, { step: 8, draw: 0 }, 'steps that change nothing are not drawn');
    assert.ok(!differs(held, await pixels(page, 1)));
    await page.evaluate(() => document.querySelectorAll('canvas.morvane-applet')[1].morvaneApplet.render());
    assert.ok(!differs(held, await pixels(page, 1)), 'the held frame is what drawing it again shows');
    await waitFrames(page, 30);
    assert.ok((await calls())[1].draw > 1 && differs(held, await pixels(page, 1)), 'the next picture is drawn when it comes');
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('mouse-over color and message, tooltip, and the click link with its target', async () => {
    const url = bench.server.page('/core/mouse.htm', appletPage('Stars', {
      width: 200, height: 100,
      params: {
        background_color: dark, status_bar_text: 'Hello <b>there</b>', enter_background_color: '#00FF00',
        enter_text: 'MMMMM', enter_text_color: '#FF00FF', enter_text_height: '40', number: '1',
        link: 'https://example.test/next.htm', target: '_blank',
      },
    }));
    const { page, problems } = await openPage(bench.browser, url, undefined, { setup: recordOpens });
    await canvases(page);
    await waitFrames(page, 3);
    const title = await page.evaluate(() => document.querySelector('canvas').title);
    assert.equal(title, 'Hello <b>there</b>');
    const magenta = (r, g, b) => r > 200 && g < 60 && b > 200;
    const green = (r, g, b) => r < 60 && g > 200 && b < 60;
    const out = await pixels(page);
    assert.equal(out.count(magenta), 0);
    assert.equal(out.count(green), 0);

    await page.mouse.move(20, 20);
    await waitFrames(page, 3);
    const over = await pixels(page);
    assert.ok(over.count(magenta) > 100, 'message drawn');
    assert.ok(over.count(green) > 5000, 'mouse-over background');
    assert.ok(over.count(magenta) < 200 * 40, 'message is about its height');

    await page.mouse.click(20, 20);
    const opened = await page.evaluate(() => window.opened);
    assert.deepEqual(opened, [['https://example.test/next.htm', '_blank']]);

    await page.mouse.move(500, 500);
    await waitFrames(page, 3);
    assert.equal((await pixels(page)).count(green), 0);
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('AU sounds play through Web Audio: on load (looped), on mouse over and on click', async () => {
    const url = bench.server.page('/samples/Stars/sounds.htm', appletPage('Stars', {
      params: { sound_name: 'spacemusic.au', loop_sound: 'yes', enter_sound_name: 'glass.au', clic_sound_name: 'explosion.au' },
    }));
    const page = await bench.browser.newPage();
    await page.evaluateOnNewDocument(() => {
      window.played = [];
      const start = AudioBufferSourceNode.prototype.start;
      AudioBufferSourceNode.prototype.start = function (...args) {
        window.played.push({ loop: this.loop, rate: this.buffer.sampleRate, seconds: Math.round(this.buffer.duration) });
        return start.apply(this, args);
      };
    });
    const lines = [];
    page.on('console', (m) => lines.push(m.text()));
    await page.goto(url);
    await canvases(page);
    await page.waitForFunction(() => window.played.length === 1);
    await page.mouse.move(10, 10);
    await page.waitForFunction(() => window.played.length === 2);
    await page.mouse.click(10, 10);
    await page.waitForFunction(() => window.played.length === 3);
    const played = await page.evaluate(() => window.played);
    assert.deepEqual(played.map((p) => [p.loop, p.rate]), [[true, 8012], [false, 8012], [false, 8012]]);
    assert.ok(played.every((p) => p.seconds >= 0));
    assert.deepEqual(lines.filter((l) => l.startsWith('morvane-applets:')), []);
    await page.close();
  });

  test('a browser that waits for a gesture starts the on-load sound at the first one', async () => {
    const strict = await launchBrowser({ autoplay: false });
    try {
      const page = await strict.newPage();
      await page.evaluateOnNewDocument(() => {
        window.played = 0;
        const start = AudioBufferSourceNode.prototype.start;
        AudioBufferSourceNode.prototype.start = function (...args) {
          window.played++;
          return start.apply(this, args);
        };
      });
      // The browser counts each evaluation a test makes in the page as a gesture: the applet,
      // which starts once its kind's code has arrived, must have asked for its sound first.
      const asked = page.waitForResponse((response) => response.url().endsWith('glass.au'));
      await page.goto(bench.server.page('/samples/Stars/gesture.htm', appletPage('Stars', { params: { sound_name: 'glass.au' } })));
      await asked;
      await canvases(page);
      // The sound has loaded by the time the decoded file would have played.
      await waitFrames(page, 30);
      assert.equal(await page.evaluate(() => window.played), 0);
      await page.mouse.click(5, 5);
      await page.waitForFunction(() => window.played === 1);
    } finally {
      await strict.close();
    }
  });

  test('a link in the same window navigates; hostile links are never followed', async () => {
    bench.server.page('/core/landed.htm', '<!DOCTYPE html><p>landed</p>');
    const url = bench.server.page('/core/selflink.htm', appletPage('Stars', { params: { link: 'landed.htm' } }));
    const { page } = await openPage(bench.browser, url);
    await canvases(page);
    await Promise.all([page.waitForNavigation(), page.mouse.click(10, 10)]);
    assert.equal(new URL(page.url()).pathname, '/core/landed.htm');
    await page.close();

    for (const link of ['javascript:window.hit=1', 'JavaScript:window.hit=1', 'java&#9;script:window.hit=1', ' javascript:window.hit=1', 'data:text/html,hit', 'vbscript:hit']) {
      const hostile = bench.server.page('/core/hostile.htm', appletPage('Stars', { params: { link, target: '_self' } }));
      const { page: p, runtimeLines } = await openPage(bench.browser, hostile);
      await p.evaluate(() => {
        window.opened = [];
        window.open = (...args) => (window.opened.push(args), {});
      });
      await canvases(p);
      await p.mouse.click(10, 10);
      await waitFrames(p, 2);
      const state = await p.evaluate(() => ({ hit: window.hit ?? null, opened: window.opened.length, path: location.pathname }));
      assert.deepEqual(state, { hit: null, opened: 0, path: '/core/hostile.htm' }, link);
      assert.equal(runtimeLines.length, 1, link);
      assert.match(runtimeLines[0], /not followed/);
      await p.close();
    }
  });
});
