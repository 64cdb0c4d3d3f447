// The link, menu and data kinds in the browser (their sample pages run in kinds.test.mjs):
// synthetic clicks and keys follow links with their targets, menus open and close, data files
// become graphs and tables, bad values run on the defaults, and long labels (the guest book's
// too) are cut.
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { before, describe, test } from 'node:test';

import { appletPage, canvases, differs, focusApplet, haveChromium, openKind, openPage, pixels, runtimePath, useBench, waitFrames } from './harness.mjs';

const red = (r, g, b) => r > 200 && g < 60 && b < 60;
const green = (r, g, b) => r < 60 && g > 200 && b < 60;
const blue = (r, g, b) => r < 60 && g < 60 && b > 200;
const ink = (r, g, b) => r + g + b > 300;

const MENU = {
  text1: 'Home', link1: 'index.html',
  text2: 'Photos', text21: 'Holidays', link21: 'holidays.html', text22: '-', text23: 'Family', link23: 'family.html',
  text3: 'Bad', link3: 'javascript:alert(1)',
};

// Runs in the page: the texts the canvases draw, each with whether it asked to be squeezed.
function recordTexts() {
  window.texts = [];
  // Applets that draw seldom draw off the page.
  for (const { prototype } of [CanvasRenderingContext2D, OffscreenCanvasRenderingContext2D]) {
    const fillText = prototype.fillText;
    prototype.fillText = function (text, x, y, ...maxWidth) {
      window.texts.push([String(text), maxWidth.length > 0]);
      return fillText.call(this, text, x, y, ...maxWidth);
    };
  }
}

describe('link, menu and data kinds in the browser', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();
  before(() => bench.server.page('/samples/K/landing.htm', '<!DOCTYPE html><title>landing</title>'));
  const open = (kind, options) => openKind(bench, kind, options);

  const origin = (path) => `${bench.server.origin}/samples/K/${path}`;

  test('missing and invalid values run on the defaults, without errors', async () => {
    const cases = [
      ['ButtonLink', { text: 'Go', button_width: 'abc', button_height: '-3', button_color: 'red', link: '' }],
      ['CheckBoxLink', { number: 'x', text1: 'A', link1: 'a.htm', checked1: 'maybe' }],
      ['ListLink', { number: '-1', text1: 'A', text3: 'C' }],
      ['MenuFrame', { frame_width: '0', frame_height: '', frame_X: 'abc', frame_Y: '1e9', text1: 'A' }],
      ['MenuPopUp', { text_height: 'big', mode: 'hover', location: 'nowhere', text_color: '#12', text: 'Menu' }],
      ['Navigation', { direction: 'diagonal', number: 'zz', link1: 'a.htm', image1: 'missing.gif' }],
      ['Graph', { border: '-1', xmin: 'abc', ymin: '', linked: 'maybe', data_file: 'data.dat' }],
      ['Table', { border: 'x', title_mode: '7', skip_first_row: 'yes', data_file: 'data.txt', columns_color3: 'blue' }],
      ['IPViewer', {}],
      ['HexColor', {}],
      ['RandomLink', { link_number: 'x', image: '' }],
      ['RandomImage', { images_number: '-', image1: 'river.jpg' }],
      ['Protect', { images_number: 'two' }],
    ];
    for (const [kind, params] of cases) {
      const { page, problems, runtimeLines } = await open(kind, { width: 240, height: 120, params });
      const ignored = runtimeLines.filter((line) => !/not loaded/.test(line));
      assert.deepEqual([problems.filter((p) => !/404/.test(p)), ignored], [[], []], kind);
      assert.equal(await page.$$eval('canvas.morvane-applet', (c) => c.length), 1, `${kind} still runs`);
      await page.close();
    }
  });

  test('clicks and keys follow the links with their targets; javascript: links never', async () => {
    const list = { text1: 'One', link1: 'one.htm', text2: 'Two', link2: 'two.htm', text3: 'Three', link3: 'javascript:alert(1)', number: '3' };
    const eight = { number: '8', target: '_blank' };
    for (let i = 1; i <= 8; i++) Object.assign(eight, { [`text${i}`]: `Item ${i}`, [`link${i}`]: `l${i}.htm`, [`checked${i}`]: 'no' });
    const cases = [
      // [kind, params, size, actions, expected window.open calls]
      ['ButtonLink', { text: 'Go', link: 'https://example.com/b', target: '_blank' }, [160, 60], ['click', 80, 30], [['https://example.com/b', '_blank']]],
      ['ButtonLink', { text: 'Go', link: 'javascript:alert(1)', target: '_blank' }, [160, 60], ['click', 80, 30], []],
      ['ButtonLink', { text: 'Go', link: 'x.htm', target: 'main', button_width: '40', button_height: '20' }, [160, 60], ['click', 5, 5], []],
      ['ButtonLink', { text: 'Go', link: 'x.htm', target: 'main' }, [160, 60], ['key', 'Enter'], [[origin('x.htm'), 'main']]],
      // Row 1 ticked by a click; row 3, ticked, holds a javascript: link that stays closed.
      ['CheckBoxLink', { ...list, checked1: 'no', target: 'news' }, [220, 80], ['click', 30, 10, 'click', 200, 70], [[origin('one.htm'), 'news'], [origin('two.htm'), 'news']]],
      ['CheckBoxLink', { ...list, checked2: 'no', target: '_blank' }, [220, 80], ['key', 'ArrowDown', 'key', ' ', 'key', 'Enter'], [[origin('one.htm'), '_blank'], [origin('two.htm'), '_blank']]],
      // Eight rows, none ticked, five in view: the keys and the wheel scroll to the hidden ones.
      ['CheckBoxLink', eight, [200, 60], [...Array(7).fill(['key', 'ArrowDown']).flat(), 'key', ' ', 'key', 'Enter'], [[origin('l8.htm'), '_blank']]],
      ['CheckBoxLink', eight, [200, 60], ['wheel', 3, 'click', 20, 5, 'click', 180, 55], [[origin('l4.htm'), '_blank']]],
      ['ListLink', { ...list, target: 'side' }, [200, 100], ['click', 20, 30], []],
      ['ListLink', { ...list, target: 'side' }, [200, 100], ['dblclick', 20, 30, 'dblclick', 20, 45], [[origin('two.htm'), 'side']]],
      ['ListLink', { ...list, target: 'side' }, [200, 100], ['key', 'ArrowDown', 'key', 'Enter'], [[origin('two.htm'), 'side']]],
      ['Navigation', { link1: 'one.htm', link2: 'two.htm', number: '2', image1: 'button11.gif', image2: 'button12.gif', image_focused1: 'button21.gif', image_focused2: 'button22.gif', target: 'nav' }, [300, 30], ['click', 150, 15], [[origin('two.htm'), 'nav']]],
      ['Navigation', { link1: 'one.htm', link2: 'two.htm', number: '2', image1: 'button11.gif', image2: 'button12.gif', target: 'nav' }, [300, 30], ['key', 'ArrowRight', 'key', 'Enter'], [[origin('two.htm'), 'nav']]],
      ['RandomLink', { image: 'river.jpg', link1: 'https://example.com/r', link_number: '1', target: '_blank' }, [200, 100], ['click', 100, 50], [['https://example.com/r', '_blank']]],
    ];
    for (const [kind, params, [width, height], actions, expected] of cases) {
      const { page, at, opened } = await open(kind, { width, height, params });
      for (let i = 0; i < actions.length; ) {
        const action = actions[i];
        if (action === 'wheel') {
          await page.mouse.move(...at(20, 20));
          for (let k = 0; k < actions[i + 1]; k++) await page.mouse.wheel({ deltaY: 100 });
          i += 2;
        } else if (action === 'key') {
          await focusApplet(page);
          await page.keyboard.press(actions[i + 1]);
          i += 2;
        } else {
          await page.mouse.click(...at(actions[i + 1], actions[i + 2]), { count: action === 'dblclick' ? 2 : 1 });
          i += 3;
        }
        await waitFrames(page, 2);
      }
      assert.deepEqual(await opened(), expected, `${kind} ${JSON.stringify(actions)}`);
      await page.close();
    }
  });

  test('a button whose target is the page itself goes there', async () => {
    const { page, at } = await open('ButtonLink', { width: 160, height: 60, params: { text: 'Go', link: 'landing.htm', target: '_self' } });
    await Promise.all([page.waitForNavigation(), page.mouse.click(...at(80, 30))]);
    assert.equal(await page.title(), 'landing');
    await page.close();
  });

  test('the pop-up menu opens on mouse over, shows its submenu and separator, and follows a link with its target', async () => {
    const { page, at, opened, runtimeLines } = await open('MenuPopUp', { width: 150, height: 40, params: { ...MENU, target: 'main', mode: 'enter', location: 'mouse' } });
    assert.equal(await page.$('[role=menu]'), null, 'closed at first');
    await page.mouse.move(...at(-10, 20));
    await page.mouse.move(...at(20, 20));
    await page.waitForSelector('[role=menu]');
    const captions = await page.$$eval('[role=menu] [role=menuitem]', (items) => items.map((i) => i.textContent));
    assert.deepEqual(captions, ['Home', 'Photos\u25B8', 'Bad']);
    const photos = (await page.$$('[role=menu] [role=menuitem]'))[1];
    await photos.hover();
    await page.waitForFunction(() => document.querySelectorAll('[role=menu]').length === 2);
    assert.equal(await page.$$eval('[role=separator]', (s) => s.length), 1);
    const family = await page.evaluateHandle(() => [...document.querySelectorAll('[role=menuitem]')].find((b) => b.textContent === 'Family'));
    await family.hover();
    await family.click();
    assert.deepEqual(await opened(), [[origin('family.html'), 'main']]);
    assert.equal(await page.$('[role=menu]'), null, 'closes after following');

    // The javascript: item is refused and says so.
    await page.mouse.move(...at(-10, 20));
    await page.mouse.move(...at(20, 20));
    await page.waitForSelector('[role=menu]');
    const bad = await page.evaluateHandle(() => [...document.querySelectorAll('[role=menuitem]')].find((b) => b.textContent === 'Bad'));
    await bad.click();
    assert.equal((await opened()).length, 1);
    assert.ok(runtimeLines.some((line) => line.includes('javascript:alert(1)')));

    // Leaving the applet and the menu closes it, each time it was opened.
    for (let round = 0; round < 2; round++) {
      await page.mouse.move(...at(-10, 20));
      await page.mouse.move(...at(20, 20));
      await page.waitForSelector('[role=menu]');
      await page.mouse.move(...at(40, 25));
      await page.mouse.move(700, 550);
      await page.waitForFunction(() => !document.querySelector('[role=menu]'));
    }
    await page.close();
  });

  test('a click menu opens on click only, keys walk it, and Escape closes it', async () => {
    const { page, at, opened } = await open('MenuPopUp', { width: 150, height: 40, params: { ...MENU, target: '_blank', mode: 'clic', location: 'center' } });
    await page.mouse.move(...at(20, 20));
    await waitFrames(page, 3);
    assert.equal(await page.$('[role=menu]'), null, 'mouse over does not open it');
    await page.mouse.click(...at(20, 20));
    await page.waitForSelector('[role=menu]');
    await page.keyboard.press('Escape');
    assert.equal(await page.$('[role=menu]'), null);

    await page.focus('canvas.morvane-applet');
    await page.keyboard.press('Enter');
    await page.waitForSelector('[role=menu]');
    for (const key of ['ArrowDown', 'ArrowRight', 'ArrowDown', 'Enter']) await page.keyboard.press(key);
    assert.deepEqual(await opened(), [[origin('family.html'), '_blank']]);
    await page.close();
  });

  test('the frame menu opens its window of the given size and place, opens branches and follows links', async () => {
    const { page, at, opened } = await open('MenuFrame', { width: 120, height: 30, params: { ...MENU, frame_width: '220', frame_height: '180', frame_X: '300', frame_Y: '120', target: 'content' } });
    await page.mouse.click(...at(60, 15));
    const frame = await page.waitForSelector('[role=dialog]');
    const box = await frame.boundingBox();
    assert.deepEqual([box.x, box.y, box.width, box.height], [300, 120, 220, 180]);
    const row = (caption) => page.evaluateHandle((c) => [...document.querySelectorAll('[role=treeitem]')].find((b) => b.textContent.endsWith(c)), caption);
    assert.equal(await (await row('Family')).isVisible(), false, 'branches start closed');
    await (await row('Photos')).click();
    const separators = await page.$$eval('[role=tree] [role=separator]', (lines) => lines.filter((l) => l.checkVisibility()).length);
    const dashRows = await page.$$eval('[role=treeitem]', (rows) => rows.filter((r) => r.textContent.trim() === '-').length);
    assert.deepEqual([separators, dashRows], [1, 0], 'a "-" item is a line, not a row');
    await (await row('Family')).click();
    assert.deepEqual(await opened(), [[origin('family.html'), 'content']]);
    await page.click('[role=dialog] [aria-label=Close]');
    assert.equal(await page.$('[role=dialog]'), null);
    await page.close();
  });

  test('colors and texts are drawn as given', async () => {
    const cases = [
      ['ButtonLink', { text: 'Go', button_color: '#FF0000', button_width: '100', button_height: '40', background_color: '#000000' }, red, 2500],
      ['MenuPopUp', { text: 'WWWW', text_height: '30', text_color: '#FF0000', text1: 'A' }, red, 200],
      ['Graph', { data_file: 'data.dat', title: 'T', xlabel_title: 'X', ylabel_title: 'Y', border: '4', border_color: '#FF0000' }, red, 4 * 2 * (300 + 200) - 64],
      ['Table', { data_file: 'data.txt', columns_color: '#000000', columns_color2: '#FF0000', background_color: '#FFFFFF' }, red, 100],
      ['Table', { data_file: 'data.txt', background_color2: '#00FF00' }, green, 2000],
    ];
    for (const [kind, params, color, least] of cases) {
      const { page } = await open(kind, { width: 300, height: 200, params });
      await waitFrames(page, 5);
      const count = (await pixels(page)).count(color);
      assert.ok(count >= least, `${kind}: ${count} pixels of the color, at least ${least} wanted`);
      await page.close();
    }
    const texts = [];
    for (const text of ['Your IP:', 'A much longer label here']) {
      const { page } = await open('IPViewer', { width: 300, height: 60, params: { text } });
      texts.push(await pixels(page));
      await page.close();
    }
    assert.ok(texts[1].count(ink) > texts[0].count(ink), 'a longer label covers more');
  });

  test('a label too long for its room is cut with an ellipsis, never squeezed', async () => {
    const long = 'Visitors of the whole year, month by month';
    const cases = [
      ['CheckBoxLink', { number: '1', text1: long, link1: 'a.htm' }, [120, 60]],
      ['ListLink', { number: '1', text1: long, link1: 'a.htm' }, [120, 60]],
      ['IPViewer', { text: long }, [120, 60]],
      ['Graph', { data_file: 'data.dat', title: long, xlabel_title: long, ylabel_title: long }, [200, 150]],
      ['Table', { data_file: 'data.txt', title_mode: '2', title_row: `${long},B,C` }, [240, 100]],
      ['GuestBook', { email: 'owner@example.com', text1: long }, [300, 200], 'NoBook'],
      ['ImageViewer', { image1: 'none.jpg', image_name1: long }, [160, 120]],
    ];
    for (const [kind, params, [width, height], folder = 'K'] of cases) {
      const { page } = await openKind(bench, kind, { width, height, params }, { folder, setup: recordTexts });
      const texts = await page.evaluate(() => window.texts);
      assert.deepEqual(texts.filter(([, squeezed]) => squeezed), [], `${kind} squeezes none`);
      assert.ok(texts.some(([text]) => text.endsWith('\u2026') && long.startsWith(text.slice(0, -1))), `${kind} cuts the long label`);
      await page.close();
    }
  });

  test('graph curves come from the data file: one per Y column, dots linked or not', async () => {
    const counts = {};
    for (const linked of ['yes', 'no']) {
      const { page } = await open('Graph', { width: 400, height: 300, params: { data_file: 'data.dat', linked, background_color: '#FFFFFF', title: 'Visitors' } });
      await waitFrames(page, 5);
      const p = await pixels(page);
      counts[linked] = [p.count(blue), p.count(red)];
      await page.close();
    }
    assert.ok(counts.yes[0] > 300 && counts.yes[1] > 300, `two curves: ${counts.yes}`);
    assert.ok(counts.no[0] > 40 && counts.no[0] < counts.yes[0] / 2, `dots only: ${counts.no}`);
  });

  test('table rows follow the title mode, and the alternated color marks every second row', async () => {
    const greenRows = [];
    for (const mode of ['0', '1']) {
      const { page } = await open('Table', { width: 400, height: 300, params: { data_file: 'data.txt', title_mode: mode, skip_first_row: '1', background_color2: '#00FF00' } });
      await waitFrames(page, 5);
      const p = await pixels(page);
      greenRows.push([...Array(p.height).keys()].filter((y) => green(...p.at(2, y))));
      await page.close();
    }
    // Without a title, the second row (February) is green right below the first; with the
    // title and its blank row, it moves two rows down.
    assert.ok(greenRows[0].length > 0 && greenRows[1].length > 0);
    assert.equal(greenRows[1][0] - greenRows[0][0], 2 * 18);
  });

  test('the color picker shows the clicked color and its code; keys move the pick', async () => {
    const { page, at } = await open('HexColor', { width: 200, height: 150 });
    const swatch = (p) => p.at(10, p.height - 10);
    await page.mouse.click(...at(5, 60));
    await waitFrames(page, 3);
    const picked = await pixels(page);
    await page.mouse.move(...at(190, 200));
    await waitFrames(page, 3);
    assert.deepEqual(swatch(await pixels(page)), swatch(picked), 'the pick stays when the mouse leaves');
    assert.ok(swatch(picked)[0] > 150 && swatch(picked)[2] < 100, `reddish at the left: ${swatch(picked)}`);
    await page.focus('canvas.morvane-applet');
    for (let i = 0; i < 8; i++) await page.keyboard.press('ArrowRight', { delay: 0 });
    await page.keyboard.down('Shift');
    for (let i = 0; i < 8; i++) await page.keyboard.press('ArrowRight');
    await page.keyboard.up('Shift');
    await waitFrames(page, 3);
    assert.ok(differs(picked, await pixels(page)), 'the pick moved');
    await page.close();
  });

  test('image buttons light up under the mouse, side by side or one under the other', async () => {
    const images = { number: '2', link1: 'a.htm', link2: 'b.htm', image1: 'button11.gif', image2: 'button12.gif', image_focused1: 'button21.gif', image_focused2: 'button22.gif' };
    for (const direction of ['horizontal', 'vertical']) {
      const { page, at } = await open('Navigation', { width: 300, height: 100, params: { ...images, direction, background_color: '#FF0000' } });
      const still = await pixels(page);
      // The second button stands right of the first, or under it: red background shows elsewhere.
      const second = direction === 'horizontal' ? [150, 10] : [10, 40];
      assert.ok(!red(...still.at(...second)), `${direction}: a button at ${second}`);
      await page.mouse.move(...at(10, 10));
      await waitFrames(page, 3);
      const lit = await pixels(page);
      assert.ok(differs(still, lit), `${direction}: lit under the mouse`);
      await page.mouse.move(...at(290, 95));
      await waitFrames(page, 3);
      assert.deepEqual((await pixels(page)).bytes, still.bytes, `${direction}: back when the mouse leaves`);
      await page.close();
    }
  });

  test('protected pictures refuse the context menu', async () => {
    const { page } = await open('Protect', { width: 200, height: 150, params: { image1: 'river.jpg', images_number: '1' } });
    const refused = await page.evaluate(() => {
      const event = new MouseEvent('contextmenu', { bubbles: true, cancelable: true });
      document.querySelector('canvas.morvane-applet').dispatchEvent(event);
      return event.defaultPrevented;
    });
    assert.equal(refused, true);
    await page.close();
  });

  test('a data file that cannot be read leaves a one-line message, also on a page opened from the disk', async () => {
    const missing = await open('Table', { width: 300, height: 40, params: { data_file: 'nothing.txt', background_color: '#000000' } });
    await waitFrames(missing.page, 5);
    assert.ok((await pixels(missing.page)).count(ink) > 20, 'message drawn');
    await missing.page.close();

    const folder = mkdtempSync(join(tmpdir(), 'morvane-disk-'));
    try {
      const script = pathToFileURL(runtimePath).href;
      const html = appletPage('Graph', { width: 300, height: 40, params: { data_file: 'data.dat' } }).replace('/runtime/morvane-applets.js', script);
      writeFileSync(join(folder, 'graph.htm'), html);
      const { page, problems, runtimeLines } = await openPage(bench.browser, pathToFileURL(join(folder, 'graph.htm')).href);
      await canvases(page);
      await waitFrames(page, 10);
      assert.ok((await pixels(page)).count(ink) > 20, 'message drawn');
      assert.deepEqual(problems, []);
      assert.ok(runtimeLines.some((line) => line.includes('web server')));
      await page.close();
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  });
});
