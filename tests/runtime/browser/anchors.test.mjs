// Links that are links: what an applet opens is a real <a href> around its canvas, with the
// target the page names and no hold on this page for any other window; refused links make none;
// a drag or a press on a speed bar is no click on it; the browser's own gestures open it.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { haveChromium, openKind, useBench, waitFrames } from './harness.mjs';

const HOME = 'https://example.test/home.htm';

// In the page: the applet's link as the browser sees it, or null.
const anchorOf = () => {
  const a = document.querySelector('a.morvane-applet-link');
  if (!a) return null;
  const name = document.getElementById(a.getAttribute('aria-labelledby') ?? '')?.getAttribute('aria-label') ?? a.getAttribute('aria-label');
  return { href: a.href, target: a.getAttribute('target'), rel: a.getAttribute('rel'), holdsCanvas: Boolean(a.querySelector('canvas')), named: Boolean(name) };
};

describe('applet links are anchors', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();

  test('every kind of link becomes an anchor with its target; named windows get noopener; refused links none', async () => {
    const picture = { image: 'river.jpg', link_number: '1' };
    const cases = [
      // [kind, params, expected { href, target, rel } or null]
      ['Stars', { link: HOME, target: '_blank' }, { href: HOME, target: '_blank', rel: 'noopener' }],
      ['Stars', { link: HOME, target: 'news' }, { href: HOME, target: 'news', rel: 'noopener' }],
      ['Stars', { link: HOME, target: '_TOP' }, { href: HOME, target: '_top', rel: null }],
      ['Stars', { link: HOME }, { href: HOME, target: null, rel: null }],
      ['Stars', { link: 'java\tscript:alert(1)' }, null],
      ['StarsText', { link: HOME, target: 'side' }, { href: HOME, target: 'side', rel: 'noopener' }],
      ['ButtonLink', { text: 'Go', link: HOME, target: 'main' }, { href: HOME, target: 'main', rel: 'noopener' }],
      ['ButtonLink', { text: 'Go', link: 'data:text/html,x' }, null],
      ['RandomLink', { ...picture, link1: HOME, target: '_blank' }, { href: HOME, target: '_blank', rel: 'noopener' }],
      ['RandomLink', { ...picture, link1: 'vbscript:x' }, null],
      ['Protect', { images_number: '1', image1: 'river.jpg', link: HOME }, { href: HOME, target: null, rel: null }],
    ];
    for (const [kind, params, expected] of cases) {
      const { page, problems } = await openKind(bench, kind, { width: 200, height: 100, params });
      const anchor = await page.evaluate(anchorOf);
      const what = `${kind} ${JSON.stringify(params)}`;
      if (expected === null) assert.equal(anchor, null, what);
      else assert.deepEqual(anchor, { ...expected, holdsCanvas: true, named: true }, what);
      assert.deepEqual(problems, [], what);
      await page.close();
    }
  });

  test('a click, the Enter key and a tap follow it; a drag, a press on the speed bar or beside the button do not', async () => {
    const params = { link: HOME, target: '_blank' };
    const cases = [
      // [kind, params, how, followed]
      ['Stars', params, 'click', true],
      ['Stars', params, 'enter', true],
      ['Stars', params, 'tap', true],
      ['ImagePointer', { ...params, image: 'Fish3.gif' }, 'drag', false],
      ['StarsText', { ...params, text: 'Hi', scrollbar: 'true' }, 'bar', false],
      ['ButtonLink', { text: 'Go', button_width: '60', button_height: '30', ...params }, 'beside', false],
      ['ButtonLink', { text: 'Go', button_width: '60', button_height: '30', ...params }, 'click', true],
    ];
    for (const [kind, kindParams, how, followed] of cases) {
      const { page, at, opened, problems } = await openKind(bench, kind, { width: 200, height: 100, params: kindParams });
      if (how === 'click') await page.mouse.click(...at(100, 50));
      else if (how === 'beside') await page.mouse.click(...at(10, 10));
      else if (how === 'bar') await page.mouse.click(...at(100, 95));
      else if (how === 'enter') {
        await page.focus('a.morvane-applet-link');
        await page.keyboard.press('Enter');
      } else if (how === 'tap') await page.touchscreen.tap(...at(100, 50));
      else {
        await page.mouse.move(...at(20, 50));
        await page.mouse.down();
        for (const x of [60, 100, 140, 180]) await page.mouse.move(...at(x, 50));
        await page.mouse.up();
      }
      await waitFrames(page, 2);
      assert.deepEqual(await opened(), followed ? [[HOME, '_blank']] : [], `${kind} ${how}`);
      assert.deepEqual(problems, [], `${kind} ${how}`);
      await page.close();
    }
  });

  test("Navigation's canvas links to the button under the pointer and to nothing between buttons; each button is a link for the keys", async () => {
    const params = { number: '2', link1: 'one.htm', link2: 'javascript:alert(1)', image1: 'button11.gif', image2: 'button12.gif', target: 'nav' };
    const { page, at } = await openKind(bench, 'Navigation', { width: 300, height: 60, params });
    const state = () => page.evaluate(() => [
      document.querySelector('a.morvane-applet-link:has(canvas)').getAttribute('href'),
      [...document.querySelectorAll('.morvane-applet-box a.morvane-applet-link:not(:has(canvas))')].map((a) => [a.textContent, a.target, a.rel]),
    ]);
    const hidden = [['one.htm', 'nav', 'noopener']];
    assert.deepEqual(await state(), [null, hidden]);
    await page.mouse.move(...at(5, 5));
    assert.deepEqual(await state(), [bench.server.origin + '/samples/K/one.htm', hidden]);
    await page.mouse.move(...at(295, 55));
    assert.deepEqual(await state(), [null, hidden]);
    await page.close();
  });

  test('menu items with a link are links, with their target; an item with a refused link stays a button', async () => {
    const params = { text: 'Menu', mode: 'clic', target: 'main', text1: 'One', link1: 'one.htm', text2: 'Bad', link2: 'javascript:alert(1)' };
    for (const kind of ['MenuPopUp', 'MenuFrame']) {
      const { page, click } = await openKind(bench, kind, { width: 150, height: 40, params });
      await click(75, 20);
      const items = await page.$$eval('[role=menuitem], [role=treeitem]', (nodes) => nodes.map((n) => [n.tagName, n.textContent.trim(), n.getAttribute('target'), n.getAttribute('rel')]));
      assert.deepEqual(items, [['A', 'One', 'main', 'noopener'], ['BUTTON', 'Bad', null, null]], kind);
      await page.close();
    }
  });

  test('a window opened by script under any name but the page\'s own frames loses its opener', async () => {
    const handOut = () => {
      window.handed = [];
      window.open = () => {
        const opened = { opener: window };
        window.handed.push(opened);
        return opened;
      };
    };
    for (const [target, cut] of [['news', true], ['_blank', true], ['_top', false]]) {
      const params = { number: '1', text1: 'One', link1: 'one.htm', checked1: 'yes', target };
      const { page, click } = await openKind(bench, 'CheckBoxLink', { width: 220, height: 80, params }, { setup: handOut });
      await click(200, 70);
      assert.deepEqual(await page.evaluate(() => window.handed.map((w) => w.opener === null)), [cut], target);
      await page.close();
    }
  });

  test('a middle click opens the link in a new tab and leaves the page where it is', async () => {
    const link = bench.server.page('/anchors/next.htm', '<!DOCTYPE html><title>next</title>');
    const { page, at } = await openKind(bench, 'ButtonLink', { width: 160, height: 60, params: { text: 'Go', link } });
    const opening = bench.browser.waitForTarget((target) => target.url() === link);
    await page.mouse.click(...at(80, 30), { button: 'middle' });
    const tab = await (await opening).page();
    assert.ok(page.url().includes('/samples/K/ButtonLink-'));
    await tab?.close();
    await page.close();
  });
});
