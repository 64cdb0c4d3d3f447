// How applets meet the screen: canvases as dense as the screen, and animations held still for a
// visitor who asked for less motion.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { appletPage, canvases, changes, differs, haveChromium, inView, openKind, openPage, pixels, useBench, waitFrames } from './harness.mjs';

const REDUCE = [{ name: 'prefers-reduced-motion', value: 'reduce' }];
const NO_PREFERENCE = [{ name: 'prefers-reduced-motion', value: 'no-preference' }];

// A Scrolling applet: black "I"s on white; held still, its text stands in the middle.
const scrolling = (params = {}) => appletPage('Scrolling', {
  width: 200, height: 80,
  params: { text: 'I I I', text_height: '60', text_color: '#000000', background_color: '#FFFFFF', pause: '20', step: '2', ...params },
});

describe('applets on the screen', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();

  async function open(html, { scale = 1, reduce = false } = {}) {
    const url = bench.server.page(`/display/${Math.random().toString(36).slice(2)}.htm`, html);
    const opened = await openPage(bench.browser, url, { width: 400, height: 300, deviceScaleFactor: scale });
    if (reduce) await opened.page.emulateMediaFeatures(REDUCE);
    await canvases(opened.page);
    await inView(opened.page);
    await waitFrames(opened.page, 2);
    return opened;
  }

  // The gray levels, in screen pixels, of the row across the middle of the first applet.
  async function screenRow(page) {
    const box = await page.$eval('canvas.morvane-applet', (c) => c.getBoundingClientRect().toJSON());
    const shot = await page.screenshot({ clip: { x: box.x, y: box.y + box.height / 2, width: box.width, height: 1 }, encoding: 'base64' });
    return page.evaluate(async (png) => {
      const image = new Image();
      image.src = `data:image/png;base64,${png}`;
      await image.decode();
      const g = Object.assign(document.createElement('canvas'), { width: image.width, height: 1 }).getContext('2d');
      g.drawImage(image, 0, 0);
      const d = g.getImageData(0, 0, image.width, 1).data;
      return Array.from({ length: image.width }, (_, i) => d[i * 4 + 1]);
    }, shot);
  }

  test('the canvas has the screen pixels of its place, and its text edges are as sharp at any ratio', async () => {
    for (const scale of [1, 1.5, 2, 3]) {
      const { page, problems } = await open(scrolling(), { scale, reduce: true });
      const size = await page.$eval('canvas.morvane-applet', (c) => [c.width, c.height, c.getBoundingClientRect().width]);
      assert.deepEqual(size, [Math.round(200 * scale), Math.round(80 * scale), 200], `ratio ${scale}`);
      // Each stem of an "I" has two edges; a canvas stretched to the screen blurs each of them
      // over about `scale` pixels, a sharp one over one or two whatever the ratio.
      const row = await screenRow(page);
      const grey = row.filter((v) => v > 40 && v < 215).length;
      const stems = row.filter((v, i) => v <= 40 && (i === 0 || row[i - 1] > 40)).length;
      assert.equal(stems, 3, `ratio ${scale}: three stems in ${row}`);
      assert.ok(grey <= 2 * stems * 2, `ratio ${scale}: ${grey} blurred pixels at ${2 * stems} edges`);
      assert.deepEqual(problems, []);
      await page.close();
    }
  });

  test('the canvas follows a change of the pixel ratio', async () => {
    const { page } = await open(scrolling(), { reduce: true });
    await page.setViewport({ width: 400, height: 300, deviceScaleFactor: 2 });
    await waitFrames(page, 2);
    assert.equal(await page.$eval('canvas.morvane-applet', (c) => c.width), 400);
    const p = await pixels(page);
    assert.ok(p.count((r, g, b) => r < 40 && g < 40 && b < 40) > 0, 'redrawn at the new size');
    await page.close();
  });

  test('with reduced motion the animation holds a frame and runs only while pointed at or focused', async () => {
    const { page } = await open(scrolling({ link: 'https://example.com/' }), { reduce: true });
    const held = await pixels(page);
    assert.ok(held.count((r) => r < 40) > 100, 'the held frame shows the text');
    await waitFrames(page, 30);
    assert.ok(!differs(held, await pixels(page)), 'held while nobody points at it');

    const box = await page.$eval('canvas.morvane-applet', (c) => c.getBoundingClientRect().toJSON());
    await page.mouse.move(box.x + 100, box.y + 40);
    assert.ok(await changes(page, 30), 'runs while pointed at');
    await page.mouse.move(box.x + 100, box.y + 200);
    await waitFrames(page, 2);
    const left = await pixels(page);
    await waitFrames(page, 30);
    assert.ok(!differs(left, await pixels(page)), 'held again once the pointer leaves');

    // The applet's link takes the focus for it.
    await page.focus('a.morvane-applet-link');
    assert.ok(await changes(page, 30), 'runs while focused');
    await page.evaluate(() => document.activeElement.blur());

    // The preference followed live, both ways.
    await page.emulateMediaFeatures(NO_PREFERENCE);
    assert.ok(await changes(page, 30), 'runs once motion is welcome');
    await page.emulateMediaFeatures(REDUCE);
    await waitFrames(page, 2);
    const again = await pixels(page);
    await waitFrames(page, 30);
    assert.ok(!differs(again, await pixels(page)), 'held once motion is reduced again');
    await page.close();
  });

  // The background is painted once and copied: each copy must be what painting it then would give.
  test('a tiled background picture is drawn as if painted on each frame', async () => {
    const params = { text_height: '10', background_color: '#0000FF', enter_background_color: '#FF0000', background_image: '/samples/Fish3.gif' };
    const { page } = await open(scrolling(params), { reduce: true });
    const box = await page.$eval('canvas.morvane-applet', (c) => c.getBoundingClientRect().toJSON());
    const steps = [
      ['ratio 1', '#0000FF', () => {}],
      ['ratio 2', '#0000FF', () => page.setViewport({ width: 400, height: 300, deviceScaleFactor: 2 })],
      ['pointed at', '#FF0000', () => page.mouse.move(box.x + 100, box.y + 40)],
    ];
    for (const [when, color, act] of steps) {
      await act();
      await waitFrames(page, 3);
      // Bytes of the rows above the text that differ from the same fills made directly.
      const wrong = await page.evaluate(async (color) => {
        const canvas = document.querySelector('canvas.morvane-applet');
        const picture = Object.assign(new Image(), { src: '/samples/Fish3.gif' });
        await picture.decode();
        const direct = Object.assign(document.createElement('canvas'), { width: canvas.width, height: canvas.height }).getContext('2d');
        direct.setTransform(canvas.getContext('2d').getTransform());
        for (const fill of [color, direct.createPattern(picture, 'repeat')]) Object.assign(direct, { fillStyle: fill }).fillRect(0, 0, 200, 80);
        const rows = (g) => g.getImageData(0, 0, canvas.width, Math.round(canvas.height / 4)).data;
        const painted = rows(direct);
        return rows(canvas.getContext('2d')).filter((v, i) => v !== painted[i]).length;
      }, color);
      assert.equal(wrong, 0, when);
    }
    await page.close();
  });
  test('an applet that draws seldom shows, handed over whole, what it would draw in place: opened, at ratio 2, after the visitor acts', async () => {
    const cases = [
      ['CheckBoxLink', { number: '2', text1: 'One', link1: 'a.htm', text2: 'Two', link2: 'b.htm' }, (k) => k.click(10, 10)],
      ['HexColor', {}, (k) => k.click(150, 20)],
      ['Table', { data_file: 'data.txt', title_mode: '2' }, (k) => k.page.mouse.wheel({ deltaY: 40 })],
      ['ButtonLink', { text: 'Go there', link: 'a.htm' }, async (k) => {
        await k.page.mouse.move(...k.at(50, 30));
        await k.page.mouse.down();
      }],
    ];
    // Without OffscreenCanvas the runtime draws every applet in place.
    const inPlace = () => delete window.OffscreenCanvas;
    for (const [kind, params, act] of cases) {
      const shown = [];
      for (const setup of [null, inPlace]) {
        const k = await openKind(bench, kind, { width: 200, height: 100, params }, { setup });
        const pictures = [await pixels(k.page)];
        await k.page.setViewport({ width: 800, height: 600, deviceScaleFactor: 2 });
        await waitFrames(k.page, 3);
        pictures.push(await pixels(k.page));
        await act(k);
        await waitFrames(k.page, 3);
        pictures.push(await pixels(k.page));
        const drawnOnThePage = await k.page.$eval('canvas.morvane-applet', (c) => c.getContext('2d') !== null);
        shown.push({ drawnOnThePage, pictures });
        await k.page.close();
      }
      const [handed, direct] = shown;
      assert.deepEqual([handed.drawnOnThePage, direct.drawnOnThePage], [false, true], kind);
      assert.equal(handed.pictures[1].width, 400, `${kind} at ratio 2`);
      handed.pictures.forEach((picture, i) => assert.ok(!differs(picture, direct.pictures[i]), `${kind}, picture ${i}`));
      assert.ok(differs(handed.pictures[1], handed.pictures[2]) || kind === 'Table', `${kind} answers the visitor`);
    }
  });
});
