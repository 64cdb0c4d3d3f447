// Applets under a finger: drag kinds keep the drag the page would otherwise take for scrolling,
// the others leave it to the page, and on a touch screen the controls of forms, dialogs and menus
// are large enough to aim at, their fields large enough to read without zooming.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { canvases, haveChromium, inView, openKind, openPage, useBench, waitFrames } from './harness.mjs';

const PHONE = { width: 400, height: 700, deviceScaleFactor: 2, isMobile: true, hasTouch: true };

describe('applets under a finger', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();

  test('drag kinds take every finger drag, a speed bar the sideways ones, other kinds none', async () => {
    const cases = [
      // [kind, params, touch-action]
      ['ImagePointer', { image: 'Fish3.gif' }, 'none'],
      ['ImageLight', { image_name: 'river.jpg' }, 'none'],
      ['ImageLight2', { image_name: 'river.jpg' }, 'none'],
      ['ImageConvex2', { image_name: 'river.jpg' }, 'none'],
      ['StarsText', { text: 'Hi', scrollbar: 'true' }, 'pan-y pinch-zoom'],
      ['StarsText', { text: 'Hi' }, 'manipulation'],
      ['Stars', {}, 'manipulation'],
      ['TicTacToe', {}, 'manipulation'],
    ];
    for (const [kind, params, expected] of cases) {
      const { page } = await openKind(bench, kind, { width: 200, height: 100, params });
      assert.equal(await page.$eval('canvas.morvane-applet', (c) => getComputedStyle(c).touchAction), expected, `${kind} ${JSON.stringify(params)}`);
      await page.close();
    }
  });

  test('a finger drag reaches ImagePointer to its end, with no cancel and the page still in place', async () => {
    const url = bench.server.page('/samples/Touch/pointer.htm', `<!DOCTYPE html><html><head><meta name="viewport" content="width=device-width"></head><body style="margin:0">
<applet code="ImagePointer.class" width="300" height="200"><param name="image" value="Fish3.gif"><param name="link" value="next.htm"></applet>
<script src="/runtime/morvane-applets.js"></script></body></html>`);
    const { page, problems } = await openPage(bench.browser, url, PHONE);
    await canvases(page);
    await inView(page);
    await page.evaluate(() => {
      const canvas = document.querySelector('canvas.morvane-applet');
      window.seen = { move: 0, cancel: 0 };
      canvas.addEventListener('pointermove', () => window.seen.move++);
      canvas.addEventListener('pointercancel', () => window.seen.cancel++);
    });
    await page.touchscreen.touchStart(20, 100);
    for (let x = 40; x <= 280; x += 20) await page.touchscreen.touchMove(x, 100 + (x % 40));
    await page.touchscreen.touchEnd();
    await waitFrames(page, 2);
    const seen = await page.evaluate(() => ({ ...window.seen, at: location.pathname, scrolled: scrollX + scrollY }));
    assert.deepEqual({ ...seen, move: seen.move >= 10 }, { move: true, cancel: 0, at: '/samples/Touch/pointer.htm', scrolled: 0 });
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('on a touch screen every control is at least 24 px each way and fields have 16 px text', async () => {
    const menu = { text: 'Menu', text1: 'First', link1: 'one.htm', text2: 'Second', link2: 'two.htm', mode: 'clic' };
    const cases = [
      // [kind, params, how to show the controls, selector of the controls]
      ['GuestBook', { email: 'book@example.test' }, null, 'input, textarea'],
      ['LoginBox', {}, 'click', '.morvane-applet-panel :is(button, input)'],
      ['MenuPopUp', menu, 'click', '[role="menuitem"]'],
      ['MenuFrame', menu, 'click', '.morvane-applet-panel :is(button, a)'],
    ];
    for (const [kind, params, how, selector] of cases) {
      const opened = await openKind(bench, kind, { width: 240, height: 200, params });
      const { page } = opened;
      await page.setViewport(PHONE);
      await waitFrames(page, 2);
      if (how) await opened.click(100, 100);
      const controls = await page.$$eval(selector, (nodes) => nodes.map((n) => {
        const r = n.getBoundingClientRect();
        const field = n.matches('input, textarea');
        return { what: n.outerHTML.slice(0, 40), small: r.width < 24 || r.height < 24 || (field && parseFloat(getComputedStyle(n).fontSize) < 16) };
      }));
      assert.ok(controls.length > 0, `${kind}: controls shown`);
      assert.deepEqual(controls.filter((c) => c.small), [], kind);
      await page.close();
    }
  });

  test("MenuPopUp's open menu stays in the page's landmark", async () => {
    const url = bench.server.page('/samples/Touch/menu.htm', `<!DOCTYPE html><html><body><main>
<applet code="MenuPopUp.class" width="150" height="40"><param name="text" value="Menu"><param name="text1" value="One"><param name="link1" value="one.htm"><param name="mode" value="clic"></applet>
</main><script src="/runtime/morvane-applets.js"></script></body></html>`);
    const { page } = await openPage(bench.browser, url);
    await canvases(page);
    const box = await page.$eval('canvas.morvane-applet', (c) => c.getBoundingClientRect().toJSON());
    await page.mouse.click(box.x + 75, box.y + 20);
    await page.waitForSelector('[role="menu"]');
    assert.equal(await page.$eval('[role="menu"]', (menu) => Boolean(menu.closest('main')) && menu.checkVisibility()), true);
    await page.close();
  });
});
