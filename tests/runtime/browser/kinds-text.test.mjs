// The text and drawing kinds in the browser (their sample pages run in kinds.test.mjs): defaults,
// colors and texts, directions, pauses, the speed bar and the title scroller.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { appletPage, canvases, changes, differs, haveChromium, inView, openPage, pixels, pixelsUntil as until, recordOpens, useBench, waitFrames } from './harness.mjs';

const STILL = '1000000';

const red = (r, g, b) => r > 200 && g < 60 && b < 60;
const white = (r, g, b) => r > 200 && g > 200 && b > 200;
const lit = (r, g, b) => r + g + b > 150;

// Numeric and color parameters of each kind, to feed them invalid values.
const KINDS = {
  CyclingColorsText: { numbers: ['text_height', 'height_shift', 'width_shift', 'pause'] },
  DateText: { numbers: ['text_height', 'height_shift', 'width_shift'], colors: ['text_color'] },
  Flickering: { numbers: ['text_height', 'height_shift', 'width_shift', 'pause'], colors: ['text_color'] },
  FontImageScrolling: { numbers: ['text_height', 'text_step', 'pause'], choices: ['direction'] },
  ScrollUpDown: { numbers: ['text_height', 'width_shift', 'pause', 'height_space', 'text_step'], colors: ['text_color'], choices: ['direction'] },
  StarsText: { numbers: ['pause', 'number', 'step_mean', 'text_height', 'height_step', 'height_step2'], colors: ['star_color'], choices: ['scrollbar'] },
  StarsText2: { numbers: ['pause', 'number', 'step_mean', 'text_height', 'height_step', 'height_step2', 'letters_height'], colors: ['star_color'], choices: ['scrollbar'] },
  StatusBarScroller: { numbers: ['pause'] },
  TextStream: { numbers: ['text_height', 'height_shift', 'pause', 'pause2', 'width_shift'], colors: ['text_color'] },
  WaveText: { numbers: ['text_height', 'height_shift', 'pause', 'amplitude', 'angle_step', 'phir_step', 'step'], colors: ['text_color'] },
  Polygons: { numbers: ['pause', 'pause2', 'order', 'order_max', 'step', 'triangles_number', 'triangles_number_max', 'coefficient', 'repetitions_number'], colors: ['color'], choices: ['mode'] },
};

// [first, last] rows (or columns) that hold a pixel matching `predicate`; [-1, -1] when none.
function extent(p, predicate, columns = false) {
  const [outer, inner] = columns ? [p.width, p.height] : [p.height, p.width];
  let first = -1;
  let last = -1;
  for (let i = 0; i < outer; i++) {
    for (let j = 0; j < inner; j++) {
      if (predicate(...(columns ? p.at(i, j) : p.at(j, i)))) {
        if (first < 0) first = i;
        last = i;
        break;
      }
    }
  }
  return [first, last];
}

const rowsOf = (p, predicate) => extent(p, predicate);
const columnsOf = (p, predicate) => extent(p, predicate, true);

describe('text and drawing kinds in the browser', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();

  async function open(path, html, viewport, options) {
    const opened = await openPage(bench.browser, bench.server.page(path, html), viewport, options);
    await canvases(opened.page);
    await inView(opened.page);
    return opened;
  }

  for (const kind of Object.keys(KINDS)) {
    test(`${kind}: missing and invalid values run with the defaults`, async () => {
      const { numbers = [], colors = [], choices = [] } = KINDS[kind];
      const invalid = {};
      numbers.forEach((name, i) => (invalid[name] = ['abc', '-5', '', '1.5', '99999999999'][i % 5]));
      for (const name of colors) invalid[name] = 'red';
      for (const name of choices) invalid[name] = 'sideways';
      for (const params of [{}, invalid]) {
        const { page, problems, runtimeLines } = await open(`/samples/${kind}/defaults.htm`, appletPage(kind, { width: 240, height: 120, params }));
        await waitFrames(page, 3);
        if (kind !== 'StatusBarScroller') assert.ok(await changes(page), `${kind} animates with ${JSON.stringify(params)}`);
        assert.deepEqual([problems, runtimeLines], [[], []]);
        await page.close();
      }
    });
  }

  test('a very long text still animates', async () => {
    const long = 'Lorem ipsum dolor sit amet '.repeat(8000);
    const kinds = ['CyclingColorsText', 'Flickering', 'ScrollUpDown', 'StarsText', 'StarsText2', 'TextStream', 'WaveText', 'FontImageScrolling'];
    for (const kind of kinds) {
      const params = { text: `${long}#${long}`, pause: '10' };
      const { page, problems } = await open(`/samples/${kind}/long.htm`, appletPage(kind, { width: 300, height: 100, params }));
      assert.ok(await changes(page), kind);
      assert.deepEqual(problems, [], kind);
      await page.close();
    }
  });

  test('text colors are drawn as given, and the default white is not', async () => {
    const still = { pause: STILL, text: 'WWWWW', text_height: '30' };
    const cases = [
      ['DateText', { text_color: '#FF0000', text_height: '30' }],
      ['Flickering', { ...still, text_color: '#FF0000' }],
      ['ScrollUpDown', { text: 'WWWW#WWWW', text_color: '#FF0000', pause: '10', text_step: '5' }],
      ['TextStream', { text: 'WWWW', text_height: '30', text_color: '#FF0000', pause: '10' }],
      ['WaveText', { text: 'WWWW', text_height: '30', text_color: '#FF0000', pause: '10', amplitude: '5' }],
      ['StarsText', { text: 'WWWW', text_height: '30', star_color: '#FF0000', pause: '10', height_step: '30' }],
      ['StarsText2', { text: 'WWWW', text_height: '30', star_color: '#FF0000', pause: '10', height_step: '100' }],
      ['Polygons', { color: '#FF0000', pause: '10' }],
    ];
    for (const [kind, params] of cases) {
      const { page } = await open(`/kinds-text/color-${kind}.htm`, appletPage(kind, { width: 300, height: 120, params }));
      const p = await until(page, (q) => q.count(red) > 100);
      assert.ok(p.count(red) > 100, `${kind} draws in red`);
      assert.equal(p.count(white), 0, `${kind} draws no white`);
      await page.close();
    }
  });

  test('a longer text covers more of the applet', async () => {
    for (const kind of ['CyclingColorsText', 'Flickering']) {
      const counts = [];
      for (const text of ['I', 'WWWWWW']) {
        const { page } = await open(`/kinds-text/text-${kind}.htm`, appletPage(kind, { width: 300, height: 60, params: { pause: STILL, text, text_height: '30' } }));
        await waitFrames(page, 3);
        counts.push((await pixels(page)).count(lit));
        await page.close();
      }
      assert.ok(counts[0] > 20 && counts[1] > counts[0] * 5, `${kind}: ${counts}`);
    }
  });

  test('offsets place the text; left out, it is centred', async () => {
    const params = { pause: STILL, text: 'WW', text_height: '20' };
    for (const kind of ['CyclingColorsText', 'Flickering']) {
      const placed = await open(`/kinds-text/placed-${kind}.htm`, appletPage(kind, { width: 300, height: 100, params: { ...params, width_shift: '10', height_shift: '5' } }));
      await waitFrames(placed.page, 3);
      const p = await pixels(placed.page);
      const [left] = columnsOf(p, lit);
      const [top, bottom] = rowsOf(p, lit);
      assert.ok(left >= 8 && left <= 16 && top >= 5 && bottom <= 30, `${kind} placed: ${left} ${top}-${bottom}`);
      await placed.page.close();

      const centred = await open(`/kinds-text/centred-${kind}.htm`, appletPage(kind, { width: 300, height: 100, params }));
      await waitFrames(centred.page, 3);
      const q = await pixels(centred.page);
      const [l, r] = columnsOf(q, lit);
      const [t, b] = rowsOf(q, lit);
      assert.ok(Math.abs(l + r - 300) < 12 && Math.abs(t + b - 100) < 12, `${kind} centred: ${l}-${r} ${t}-${b}`);
      await centred.page.close();
    }
  });

  test('lines scroll in from the bottom going up, from the top going down', async () => {
    for (const [direction, fromTop] of [['up', false], ['down', true]]) {
      const params = { text: 'WWW', text_height: '20', text_step: '2', pause: '20', direction };
      const { page } = await open(`/kinds-text/scroll-${direction}.htm`, appletPage('ScrollUpDown', { width: 200, height: 200, params }));
      const p = await until(page, (q) => q.count(lit) > 30);
      const [top, bottom] = rowsOf(p, lit);
      assert.ok(fromTop ? bottom < 100 : top > 100, `${direction}: rows ${top}-${bottom}`);
      await page.close();
    }
  });

  test('letters from the image enter at the side the text moves from', async () => {
    for (const [direction, fromRight] of [['left', true], ['right', false]]) {
      const params = { text: 'WWWWWWWWWW', letters_image: 'letters.gif', pause: '20', text_step: '4', direction };
      const { page, problems } = await open(`/samples/FontImageScrolling/dir-${direction}.htm`, appletPage('FontImageScrolling', { width: 400, height: 30, params }));
      const p = await until(page, (q) => q.count(lit) > 30);
      const [left, right] = columnsOf(p, lit);
      assert.ok(fromRight ? left > 200 : right < 200, `${direction}: columns ${left}-${right}`);
      assert.deepEqual(problems, []);
      await page.close();
    }
  });

  test('without its letters image the scrolling text is still shown, with one console line', async () => {
    const params = { text: 'HELLO', letters_image: 'nothing-here.gif', pause: '10', text_step: '8' };
    const { page, runtimeLines } = await open('/kinds-text/no-letters.htm', appletPage('FontImageScrolling', { width: 300, height: 40, params }));
    const p = await until(page, (q) => q.count(white) > 30);
    assert.ok(p.count(white) > 30);
    assert.equal(runtimeLines.length, 1);
    assert.match(runtimeLines[0], /nothing-here\.gif/);
    await page.close();
  });

  test('a typed line stays for the end-line pause before the next line starts', async () => {
    const params = { text: 'WWW#WWW', text_height: '20', pause: '5', pause2: STILL };
    const { page } = await open('/kinds-text/stream.htm', appletPage('TextStream', { width: 200, height: 100, params }));
    await waitFrames(page, 30);
    const full = await pixels(page);
    assert.ok(columnsOf(full, lit)[1] > 40, 'the first line is typed');
    await waitFrames(page, 20);
    const later = await pixels(page);
    assert.ok(!differs(full, later), 'nothing more is typed');
    const [top, bottom] = rowsOf(later, lit);
    assert.ok(top >= 0 && bottom < 25, `one line: rows ${top}-${bottom}`);
    await page.close();
  });

  test('the wave amplitude spreads the letters up and down', async () => {
    const spans = [];
    for (const amplitude of ['1', '30']) {
      const params = { text: 'WWWWWWWWWW', text_height: '16', amplitude, angle_step: '40', pause: '10', step: '6' };
      const { page } = await open(`/kinds-text/wave-${amplitude}.htm`, appletPage('WaveText', { width: 300, height: 100, params }));
      const whole = (q) => {
        const [left, right] = columnsOf(q, lit);
        return left >= 0 && right - left > 140;
      };
      const p = await until(page, whole);
      assert.ok(whole(p), 'the whole text came in view');
      const [top, bottom] = rowsOf(p, lit);
      spans.push(bottom - top);
      await page.close();
    }
    assert.ok(spans[0] < 22 && spans[1] > 40, `spans ${spans}`);
  });

  test('the speed bar sets the pace by mouse or keys; a click on it does not follow the link', async () => {
    const params = { scrollbar: 'true', pause: '100', link: 'https://example.test/', target: '_blank', background_color: '#000000', number: '1' };
    const { page, problems } = await open('/kinds-text/speed.htm', appletPage('StarsText', { width: 200, height: 100, params }));
    await page.evaluate(recordOpens);
    await waitFrames(page, 3);
    const bar = await pixels(page);
    assert.ok(bar.count((r, g, b) => r === 0x40 && g === 0x40 && b === 0x40) > 200, 'bar drawn at the bottom');
    const pause = () => page.evaluate(() => document.querySelector('canvas').morvaneApplet.instance.pause);
    assert.equal(await pause(), 100);
    await page.mouse.click(198, 95);
    assert.ok((await pause()) < 40, 'right end is faster');
    await page.mouse.click(2, 95);
    assert.ok((await pause()) > 250, 'left end is slower');
    await page.focus('canvas');
    for (let i = 0; i < 5; i++) await page.keyboard.press('ArrowRight');
    assert.ok(Math.abs((await pause()) - 100) < 20, 'five steps right come back to about the speed of the page');
    assert.deepEqual(await page.evaluate(() => window.opened.length), 0);
    await page.mouse.click(100, 20);
    assert.deepEqual(await page.evaluate(() => window.opened.length), 1);
    assert.deepEqual(problems, []);
    await page.close();

    const plain = await open('/kinds-text/no-bar.htm', appletPage('StarsText', { width: 200, height: 100, params: { ...params, scrollbar: 'false' } }));
    await waitFrames(plain.page, 3);
    assert.equal((await pixels(plain.page)).count((r, g, b) => r === 0x40 && g === 0x40 && b === 0x40), 0);
    await plain.page.close();
  });

  test('a finished drawing stays for the pause between drawings', async () => {
    for (const mode of ['0', '1']) {
      const params = { mode, order: '3', step: '120', triangles_number: '4', repetitions_number: '2', pause: '5', pause2: STILL };
      const { page } = await open(`/kinds-text/polygons-${mode}.htm`, appletPage('Polygons', { width: 200, height: 200, params }));
      await waitFrames(page, 30);
      const done = await pixels(page);
      assert.ok(done.count(white) > 100, `mode ${mode} drew lines`);
      await waitFrames(page, 30);
      assert.ok(!differs(done, await pixels(page)), `mode ${mode} holds`);
      await page.close();
    }
  });

  test('the title scrolls the text and comes back when the last scroller leaves', async () => {
    const two = appletPage('StatusBarScroller', { width: 1, height: 1, params: { text: 'ABCDEF', pause: '200' } })
      .replace('<head>', '<head><title>My page</title>')
      .replace('</body>', '<div id="second"><applet code="StatusBarScroller.class" width="1" height="1"><param name="text" value="XYZ"></applet></div></body>');
    const { page, problems } = await open('/kinds-text/title.htm', two);
    const mutation = { polling: 'mutation' };
    const gap = '\u00A0'.repeat(5);
    await page.waitForFunction((g) => document.title === `BCDEF${g}A`, mutation, gap);
    await page.waitForFunction((g) => document.title === `CDEF${g}AB`, mutation, gap);
    await page.evaluate(() => document.querySelector('applet').remove());
    // The second one takes over: its own text, which has no X.
    await page.waitForFunction(() => document.title.includes('XYZ'), mutation);
    await page.evaluate(() => document.getElementById('second').remove());
    await page.waitForFunction(() => document.title === 'My page', mutation);
    await waitFrames(page, 10);
    assert.equal(await page.title(), 'My page');
    assert.deepEqual(problems, []);
    await page.close();
  });
});
