// The image effect kinds in the browser: invalid and missing values, pages without pictures or
// opened from the disk, and what each effect does to the picture's pixels.
import assert from 'node:assert/strict';
import { copyFileSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { describe, test } from 'node:test';

import { appletPage, canvases, differs, haveChromium, openPage, pixels, pixelsUntil, runtimePath, useBench, waitFrames } from './harness.mjs';

const DATA = new URL('../../../data/', import.meta.url);
const KINDS = [
  'CropImages', 'CropImages2', 'Deformation', 'ImageAxisRotation', 'ImageConvex', 'ImageConvex2', 'ImageExtend',
  'ImageLight', 'ImageLight2', 'ImagePointer', 'ImageStream', 'ScanImage', 'Zoom',
];
const PICTURE = /^(image\d*|image_name|sprite|background_image)$/;
const BAD_NUMBERS = ['x', '0', '-7', '', '2.5', '99999999999', ' 1e3'];
const green = (r, g, b) => r < 40 && g > 215 && b < 40;

// The applet element of the kind's sample page; `change(name, value)` may rewrite a parameter's
// value or drop it (null).
function sampleApplet(kind, change = (name, value) => value) {
  const html = readFileSync(new URL(`samples/${kind}/${kind.toLowerCase()}.htm`, DATA), 'utf8');
  return html.match(/<applet[\s\S]*?<\/applet>/)[0].replace(/<param name="([^"]*)" value="([^"]*)">\n?/g, (line, name, value) => {
    const changed = change(name, value);
    return changed === null ? '' : `<param name="${name}" value="${changed}">\n`;
  });
}

// A specific value of a sample: a number, a color other than the background's, or a choice.
const specific = (name, value) => !/^(background_color|image_number)$/.test(name) && /^(-?\d+|#\w{6}|yes|no)$/.test(value);

function appletOnly(kind, params, width = 240, height = 180) {
  const page = appletPage(kind, { width, height, params: { background_color: '#00FF00', ...params } });
  return page.slice(page.indexOf('<applet'), page.indexOf('<script'));
}

// Runs frames until `predicate(pixels)` holds, and fails with `message` when it never does.
async function eventually(page, predicate, message) {
  const p = await pixelsUntil(page, predicate);
  assert.ok(predicate(p), message);
  return p;
}

// Points of a 10-pixel grid, among those where `where(x, y)` holds, at which the canvas is not
// the plain picture.
function differing(p, picture, where) {
  let n = 0;
  for (let y = 5; y < p.height; y += 10) {
    for (let x = 5; x < p.width; x += 10) {
      if (where(x, y) && p.at(x, y).slice(0, 3).some((v, i) => Math.abs(v - picture.at(x, y)[i]) > 8)) n++;
    }
  }
  return n;
}

// The centre of what is not the green background, or null.
function centreOf(p) {
  let box = null;
  for (let y = 0; y < p.height; y++) {
    for (let x = 0; x < p.width; x++) {
      if (green(...p.at(x, y))) continue;
      box = box ? [Math.min(box[0], x), Math.min(box[1], y), Math.max(box[2], x), Math.max(box[3], y)] : [x, y, x, y];
    }
  }
  return box && [(box[0] + box[2]) / 2, (box[1] + box[3]) / 2, box[2] - box[0]];
}

function near(actual, expected, tolerance, what) {
  const close = actual.slice(0, 3).every((v, i) => Math.abs(v - expected[i]) <= tolerance);
  assert.ok(close, `${what}: ${actual.slice(0, 3)} is not near ${expected.slice(0, 3).map(Math.round)}`);
}

describe('image effect kinds in the browser', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();

  // Runs `check(page, picture)` on a page of `body` beside the sample media (picture: the plain
  // 240 × 180 picture the effects start from), then checks the page logged nothing.
  async function onPage(body, check, { quiet = true } = {}) {
    const html = `<!DOCTYPE html><html><body style="margin:0">${body}<script src="/runtime/morvane-applets.js"></script></body></html>`;
    const { page, problems, runtimeLines } = await openPage(bench.browser, bench.server.page('/samples/effects/page.htm', html));
    await canvases(page);
    const bytes = await page.evaluate(async () => {
      const image = new Image();
      image.src = 'chrismas2.jpg';
      await image.decode();
      const g = Object.assign(document.createElement('canvas'), { width: 240, height: 180 }).getContext('2d');
      g.drawImage(image, 0, 0);
      return Array.from(g.getImageData(0, 0, 240, 180).data);
    });
    await check(page, { at: (x, y) => bytes.slice((y * 240 + x) * 4, (y * 240 + x) * 4 + 4) });
    if (quiet) assert.deepEqual([problems, runtimeLines], [[], []]);
    await page.close();
    return runtimeLines;
  }

  for (const kind of KINDS) {
    test(`${kind}: invalid or missing values run with the defaults`, async () => {
      let n = 0;
      const invalid = (value) => (value.startsWith('#') ? 'red' : /\d/.test(value) ? BAD_NUMBERS[n++ % BAD_NUMBERS.length] : 'maybe');
      const variants = [
        sampleApplet(kind, (name, value) => (specific(name, value) ? invalid(value) : value)),
        sampleApplet(kind, (name, value) => (specific(name, value) ? null : value)),
      ];
      for (const applet of variants) {
        await onPage(applet, async (page) => {
          const first = await pixels(page);
          if (kind === 'ImagePointer') await page.mouse.move(250, 150, { steps: 5 });
          await eventually(page, (p) => differs(first, p), 'the applet moves');
        });
      }
    });
  }

  test('without a picture the applets show their background and say why, once', async () => {
    for (const kind of [...KINDS, 'Fade', 'ImageWhirl']) {
      const lines = await onPage(sampleApplet(kind, (name, value) => (PICTURE.test(name) ? null : value)), async (page) => {
        await waitFrames(page, 5);
        const p = await pixels(page);
        const hex = sampleApplet(kind).match(/background_color" value="#(\w+)/)[1];
        const [r, g, b] = [0, 2, 4].map((i) => Number.parseInt(hex.slice(i, i + 2), 16));
        assert.equal(p.count((pr, pg, pb) => pr !== r || pg !== g || pb !== b), 0, kind);
      }, { quiet: false });
      assert.deepEqual(lines, [`morvane-applets: ${kind}: nothing to show: no image is named`]);
    }
    const lines = await onPage(appletOnly('ImageLight', { image_name: 'nowhere.jpg' }), (page) => waitFrames(page, 5), { quiet: false });
    assert.deepEqual(lines.map((line) => line.replace(/^morvane-applets: ImageLight: /, '')), ['image nowhere.jpg not loaded', 'nothing to show: nowhere.jpg did not load']);
  });

  test('slide shows: each image reaches full view centred at its own size and stays there', async () => {
    for (const kind of ['CropImages', 'CropImages2', 'ImageStream', 'Zoom']) {
      const params = { step: '100000', pause: '10', pause2: '1000000', image1: 'chrismas2.jpg', image_number: '1' };
      await onPage(appletOnly(kind, params, 300, 200), async (page, picture) => {
        const full = await eventually(page, (p) => p.count(green) === 300 * 200 - 240 * 180, `${kind}: green around the picture`);
        for (const [x, y] of [[31, 11], [150, 100], [268, 188]]) near(full.at(x, y), picture.at(x - 30, y - 10), 6, `${kind} at ${x},${y}`);
        await waitFrames(page, 10);
        assert.ok(!differs(full, await pixels(page)), `${kind}: held still for the second pause`);
      });
    }
  });

  test('ImageExtend: the corners place the picture; corners at 100 show it whole', async () => {
    const corners = (v) => ({
      topLeftCorner: v, topRightCorner: v, bottomRightCorner: v, bottomLeftCorner: v,
      topLeftStep: '0', topRightStep: '0', bottomRightStep: '0', bottomLeftStep: '0', image_name: 'chrismas2.jpg',
    });
    await onPage(appletOnly('ImageExtend', corners('100')), (page, picture) => eventually(page, (p) => differing(p, picture, () => true) === 0, 'the whole picture'));
    await onPage(appletOnly('ImageExtend', corners('50')), async (page, picture) => {
      const p = await eventually(page, (q) => q.count(green) === 240 * 180 - 120 * 90, 'the picture fills the middle half');
      near(p.at(120, 90), picture.at(120, 90), 8, 'the middle stays in the middle');
    });
  });

  test('lenses: the picture is magnified inside the lens and untouched around it', async () => {
    await onPage(appletOnly('ImageConvex2', { radius: '40', convexity: '100', image_name: 'chrismas2.jpg' }), async (page, picture) => {
      await page.mouse.move(120, 70);
      const lensAt = (x, y) => Math.hypot(x - 120, y - 70);
      const inside = (p) => differing(p, picture, (x, y) => lensAt(x, y) < 30);
      const outside = (p) => differing(p, picture, (x, y) => lensAt(x, y) > 42);
      await eventually(page, (p) => inside(p) > 5 && outside(p) === 0, 'magnified under the pointer only');
    });
    await onPage(appletOnly('ImageConvex', { radiusStep: '5', convexStep: '20', image_name: 'chrismas2.jpg', pause: '10' }), async (page, picture) => {
      const p = await eventually(page, (q) => differing(q, picture, (x, y) => Math.hypot(x - 120, y - 90) < 40) > 5, 'the lens grows in the middle');
      assert.equal(differing(p, picture, (x, y) => Math.hypot(x - 120, y - 90) > 92), 0, 'never beyond half the applet');
    });
  });

  test('lights: dark picture, lit in the light color under the pointer', async () => {
    const lightAt = async (kind, params) => {
      let lit;
      let source;
      await onPage(appletOnly(kind, { image_name: 'chrismas2.jpg', pause: '10', ...params }), async (page, picture) => {
        await page.mouse.move(60, 60);
        source = picture.at(60, 60);
        // Eased lights glide to the pointer: wait until the spot is there.
        const p = await eventually(page, (q) => q.at(60, 60).slice(0, 3).some((v, i) => v > source[i] * 0.8 + 2), `${kind}: lit under the pointer`);
        near(p.at(230, 170), picture.at(230, 170).map((v) => v * 0.2), 2, `${kind}: dark away from the light`);
        lit = p.at(60, 60);
      });
      return [lit, source];
    };
    const [red, source] = await lightAt('ImageLight2', { radius: '40', color: '#FF0000' });
    near(red, [source[0] * 1.3, source[1] * 0.2, source[2] * 0.2], 3, 'red light');
    const [white] = await lightAt('ImageLight2', { radius: '40', color: 'not a color' });
    near(white, source.map((v) => Math.min(255, v * 1.3)), 3, 'an invalid color gives white light');
    const [blue] = await lightAt('ImageLight', { light_rad: '40', color: '#0000FF' });
    assert.ok(blue[2] > source[2] * 0.8 && blue[0] < source[0] * 0.5, `blue spot: ${blue} from ${source}`);
  });

  test('ImagePointer: the sprite follows the pointer and hides outside when asked', async () => {
    const at = (x, y) => (p) => {
      const c = centreOf(p);
      return c !== null && Math.hypot(c[0] - x, c[1] - y) < 10;
    };
    await onPage(appletOnly('ImagePointer', { image: 'Fish3.gif', out_visible: 'NO', pause: '10' }, 320, 200), async (page) => {
      await waitFrames(page, 5);
      assert.equal(centreOf(await pixels(page)), null, 'hidden until the pointer comes');
      await page.mouse.move(260, 150);
      await eventually(page, at(260, 150), 'the sprite reached the pointer');
      await page.mouse.move(600, 500);
      await eventually(page, (p) => centreOf(p) === null, 'hidden again when the pointer leaves');
    });
    await onPage(appletOnly('ImagePointer', { image: 'Fish3.gif', out_visible: 'maybe' }, 320, 200), (page) => eventually(page, at(160, 100), 'shown in the middle before the pointer comes'));
  });

  test('ImageAxisRotation narrows to its axis; Deformation waves its sprite in the middle', async () => {
    await onPage(appletOnly('ImageAxisRotation', { image_name: 'chrismas2.jpg', pause: '30' }), (page) => eventually(page, (p) => {
      for (let y = 0; y < 180; y += 4) if ([2, 30, 209, 237].some((x) => !green(...p.at(x, y)))) return false;
      return !green(...p.at(120, 90));
    }, 'the sides show the background while the middle shows the picture'));
    await onPage(appletOnly('Deformation', { sprite: 'Fish3.gif', amplitude: '4', pause: '10' }, 320, 200), async (page) => {
      const a = await eventually(page, (p) => centreOf(p) !== null, 'the sprite shows');
      const [x, , width] = centreOf(a);
      assert.ok(Math.abs(x - 160) <= 5 && width <= 80 + 8, `centred within the amplitude: ${x}, ${width} wide`);
      await eventually(page, (p) => differs(a, p), 'waves');
    });
  });

  test('ScanImage uncovers row by row, without gaps however long its step', async () => {
    await onPage(appletOnly('ScanImage', { image: 'chrismas2.jpg', r_lim: '30', r_step: '30', pause: '100' }), async (page, picture) => {
      const p = await eventually(page, (q) => differing(q, picture, (x, y) => y < 30) === 0, 'the first row is uncovered');
      assert.ok(p.count(green) > 240 * 80, 'the rows below are still covered');
    });
    await onPage(appletOnly('ScanImage', { image: 'chrismas2.jpg', r_lim: '10', r_step: '500', pause: '1000' }), (page, picture) =>
      eventually(page, (q) => differing(q, picture, (x, y) => y < 10 && x < 220) === 0, 'no gaps along the first row'));
  });

  test('a page opened from the disk cannot read its pictures: the pixel effects draw them as they are', async () => {
    const folder = mkdtempSync(join(tmpdir(), 'morvane-effects-'));
    try {
      for (const name of ['chrismas2.jpg', 'Fish3.gif']) copyFileSync(fileURLToPath(new URL(`images&sounds/${name}`, DATA)), join(folder, name));
      const kinds = KINDS.filter((kind) => !/Crop|Stream|Zoom|Pointer/.test(kind));
      const picture = (kind) => (kind === 'Deformation' ? { sprite: 'Fish3.gif' } : { image_name: 'chrismas2.jpg', image: 'chrismas2.jpg' });
      const applets = kinds.map((kind) => appletOnly(kind, picture(kind)));
      const script = pathToFileURL(runtimePath).href;
      writeFileSync(join(folder, 'page.htm'), `<!DOCTYPE html><body>${applets.join('\n')}<script src="${script}"></script></body>`);
      const { page, problems, runtimeLines } = await openPage(bench.browser, pathToFileURL(join(folder, 'page.htm')).href, { width: 1000, height: 2400 });
      await canvases(page, kinds.length);
      await waitFrames(page, 10);
      // Only the picture itself can taint an applet's canvas: a tainted canvas shows it was drawn.
      const tainted = await page.evaluate(() => [...document.querySelectorAll('canvas.morvane-applet')].map((canvas) => {
        try {
          canvas.toDataURL();
          return false;
        } catch {
          return true;
        }
      }));
      assert.deepEqual(tainted, kinds.map(() => true));
      assert.deepEqual([problems, runtimeLines], [[], []]);
      await page.close();
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  });
});
