// The image effect kinds in the browser: sample pages, invalid and missing values, and what
// each effect does to the picture's pixels.
import assert from 'node:assert/strict';
import { copyFileSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { after, before, describe, test } from 'node:test';

import { appletPage, canvases, differs, haveChromium, launchBrowser, openPage, pixels, startServer, waitFrames } from './harness.mjs';

const SAMPLES = new URL('../../../data/samples/', import.meta.url);
const DATA = new URL('../../../data/', import.meta.url);
const GREEN = '#00FF00';
const STILL = '1000000';
const green = (r, g, b) => r < 40 && g > 215 && b < 40;

// The specific parameters of each kind that take numbers, colors or choices; `mouse`: the
// effect shows its motion only under the pointer.
const KINDS = {
  CropImages: { numbers: ['pause', 'pause2', 'step', 'strip_width'] },
  CropImages2: { numbers: ['pause', 'pause2', 'step'] },
  Deformation: { numbers: ['pause', 'amplitude', 'ondulation'] },
  ImageAxisRotation: { numbers: ['pause'] },
  ImageConvex: { numbers: ['pause', 'radiusStep', 'convexStep'] },
  ImageConvex2: { numbers: ['pause', 'radius', 'convexity'] },
  ImageExtend: {
    numbers: ['pause', 'topLeftCorner', 'topRightCorner', 'bottomRightCorner', 'bottomLeftCorner', 'topLeftStep', 'topRightStep', 'bottomRightStep', 'bottomLeftStep'],
  },
  ImageLight: { numbers: ['pause', 'light_rad', 'light_step'], colors: ['color'] },
  ImageLight2: { numbers: ['pause', 'radius'], colors: ['color'] },
  ImagePointer: { numbers: ['pause'], choices: ['out_visible'], mouse: true },
  ImageStream: { numbers: ['pause', 'pause2', 'step'] },
  ScanImage: { numbers: ['pause', 'r_lim', 'r_step'] },
  Zoom: { numbers: ['pause', 'pause2', 'step'] },
};

const BAD_NUMBERS = ['x', '0', '-7', '', '2.5', '99999999999', ' 1e3'];

// The applet element of the kind's sample page; `change(name, value)` may rewrite a parameter's
// value or drop it (null).
function sampleApplet(kind, change = (name, value) => value) {
  const html = readFileSync(new URL(`${kind}/${kind.toLowerCase()}.htm`, SAMPLES), 'utf8');
  const applet = html.match(/<applet[\s\S]*?<\/applet>/)[0];
  return applet.replace(/<param name="([^"]*)" value="([^"]*)">\n?/g, (line, name, value) => {
    const changed = change(name, value);
    return changed === null ? '' : `<param name="${name}" value="${changed}">\n`;
  });
}

function runtimePage(body) {
  return `<!DOCTYPE html><html><head><meta charset="utf-8"></head><body style="margin:0">${body}<script src="/runtime/morvane-applets.js"></script></body></html>`;
}

// True as soon as the first canvas shows something else than it shows now, false after 8 s;
// `nudge` moves the pointer over the applet meanwhile.
async function changes(page, nudge = false) {
  const seen = page.evaluate(() => new Promise((resolve) => {
    const canvas = document.querySelector('canvas.morvane-applet');
    const g = canvas.getContext('2d');
    const first = g.getImageData(0, 0, canvas.width, canvas.height).data;
    const end = performance.now() + 8000;
    const look = () => {
      const now = g.getImageData(0, 0, canvas.width, canvas.height).data;
      if (now.some((v, i) => v !== first[i])) resolve(true);
      else if (performance.now() > end) resolve(false);
      else requestAnimationFrame(look);
    };
    requestAnimationFrame(look);
  }));
  if (nudge) {
    for (const [x, y] of [[40, 40], [120, 100], [200, 60]]) await page.mouse.move(x, y, { steps: 4 });
  }
  return seen;
}

// Polls the canvas until `predicate(pixels)` holds; returns the last pixels seen.
async function until(page, predicate, tries = 80) {
  let p = await pixels(page);
  for (let i = 0; i < tries && !predicate(p); i++) {
    await waitFrames(page, 3);
    p = await pixels(page);
  }
  return p;
}

// The picture as the browser draws it at (x, y) and the given size, with the same accessors
// as `pixels`, to compare the effects with.
async function plain(page, name, width, height, x = 0, y = 0) {
  const bytes = await page.evaluate(async (args) => {
    const image = new Image();
    image.src = args.name;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = args.width;
    canvas.height = args.height;
    const g = canvas.getContext('2d');
    g.drawImage(image, args.x, args.y);
    return Array.from(g.getImageData(0, 0, args.width, args.height).data);
  }, { name, width, height, x, y });
  return { width, height, bytes, at: (px, py) => bytes.slice((py * width + px) * 4, (py * width + px) * 4 + 4) };
}

// The box [x0, y0, x1, y1] of what is not the green background, or null.
function boxOf(p) {
  let box = null;
  for (let y = 0; y < p.height; y++) {
    for (let x = 0; x < p.width; x++) {
      if (green(...p.at(x, y))) continue;
      box = box ? [Math.min(box[0], x), Math.min(box[1], y), Math.max(box[2], x), Math.max(box[3], y)] : [x, y, x, y];
    }
  }
  return box;
}

function near(actual, expected, tolerance, what) {
  const off = actual.slice(0, 3).some((v, i) => Math.abs(v - expected[i]) > tolerance);
  assert.ok(!off, `${what}: ${actual.slice(0, 3)} is not near ${expected.slice(0, 3).map(Math.round)}`);
}

// Points of the canvas that differ from the plain picture, among the points of a 10-pixel grid
// for which `where(x, y)` holds.
function differing(p, picture, where) {
  let n = 0;
  for (let y = 5; y < p.height; y += 10) {
    for (let x = 5; x < p.width; x += 10) {
      if (!where(x, y)) continue;
      const a = p.at(x, y);
      const b = picture.at(x, y);
      if (a.slice(0, 3).some((v, i) => Math.abs(v - b[i]) > 8)) n++;
    }
  }
  return n;
}

describe('image effect kinds in the browser', { skip: !haveChromium && 'no Chromium' }, () => {
  let server;
  let browser;
  before(async () => {
    server = await startServer();
    browser = await launchBrowser();
  });
  after(async () => {
    await browser?.close();
    await server?.close();
  });

  // Opens `body` as a page beside the sample media and waits for its applet canvas.
  async function open(path, body, viewport) {
    const opened = await openPage(browser, server.page(`/samples/effects/${path}.htm`, runtimePage(body)), viewport);
    await canvases(opened.page);
    return opened;
  }

  async function plainRun(kind, params, { width = 240, height = 180 } = {}) {
    const page = appletPage(kind, { width, height, params: { background_color: GREEN, ...params } });
    return open(`${kind}-${Object.values(params).join('-').replace(/\W/g, '')}`, page.slice(page.indexOf('<applet'), page.indexOf('<script')));
  }

  for (const [kind, info] of Object.entries(KINDS)) {
    test(`${kind}: the sample page runs and moves; invalid or missing values run with the defaults`, async () => {
      const variants = {
        sample: sampleApplet(kind),
        invalid: sampleApplet(kind, (name, value) => {
          if (info.numbers.includes(name)) return BAD_NUMBERS[info.numbers.indexOf(name) % BAD_NUMBERS.length];
          if (info.colors?.includes(name)) return 'red';
          if (info.choices?.includes(name)) return 'maybe';
          return value;
        }),
        missing: sampleApplet(kind, (name, value) => ([...info.numbers, ...(info.colors ?? []), ...(info.choices ?? [])].includes(name) ? null : value)),
      };
      for (const [variant, applet] of Object.entries(variants)) {
        const { page, problems, runtimeLines } = await open(`${kind}-${variant}`, applet);
        assert.ok(await changes(page, info.mouse), `${variant}: the applet moves`);
        assert.deepEqual([problems, runtimeLines], [[], []], variant);
        await page.close();
      }
    });
  }

  test('without a picture the applets show their background; a missing file is reported once', async () => {
    for (const kind of Object.keys(KINDS)) {
      const { page, problems, runtimeLines } = await open(`${kind}-nopicture`, sampleApplet(kind, (name, value) => (/^(image\d*|image_name|sprite|background_image)$/.test(name) ? null : value)));
      await waitFrames(page, 5);
      const p = await pixels(page);
      const background = sampleApplet(kind).match(/name="background_color" value="#(\w+)"/)[1];
      const [br, bg, bb] = [0, 2, 4].map((i) => Number.parseInt(background.slice(i, i + 2), 16));
      assert.equal(p.count((r, g, b) => r !== br || g !== bg || b !== bb), 0, `${kind} shows only its background`);
      assert.deepEqual([problems, runtimeLines], [[], []], kind);
      await page.close();
    }
    const { page, runtimeLines } = await open('missing-file', appletPage('ImageLight', { params: { image_name: 'nowhere.jpg' } }).match(/<applet[\s\S]*<\/applet>/)[0]);
    await waitFrames(page, 5);
    assert.deepEqual(runtimeLines.map((line) => line.replace(/^.*: /, '')), ['image nowhere.jpg not loaded']);
    assert.equal(await page.evaluate(() => document.querySelectorAll('canvas.morvane-applet').length), 1);
    await page.close();
  });

  test('slide shows: each image reaches full view centred at its own size and stays there', async () => {
    for (const kind of ['CropImages', 'CropImages2', 'ImageStream', 'Zoom']) {
      const { page, problems } = await plainRun(kind, { step: '100000', pause: '10', pause2: STILL, image1: 'chrismas_small.jpg', image_number: '1' }, { width: 200, height: 100 });
      const p = await until(page, (q) => q.count(green) === 200 * 100 - 80 * 60);
      const picture = await plain(page, 'chrismas_small.jpg', 200, 100, 60, 20);
      assert.equal(p.count(green), 200 * 100 - 80 * 60, `${kind}: green around the picture`);
      for (const [x, y] of [[61, 21], [100, 50], [138, 78]]) near(p.at(x, y), picture.at(x, y), 6, `${kind} at ${x},${y}`);
      await waitFrames(page, 10);
      assert.ok(!differs(p, await pixels(page)), `${kind}: held still for the second pause`);
      assert.deepEqual(problems, []);
      await page.close();
    }
  });

  test('ImageExtend: the corners place the picture; corners at 100 show it whole', async () => {
    const still = { topLeftStep: '0', topRightStep: '0', bottomRightStep: '0', bottomLeftStep: '0', image_name: 'chrismas2.jpg' };
    const corners = (value) => ({ topLeftCorner: value, topRightCorner: value, bottomRightCorner: value, bottomLeftCorner: value });
    const whole = await plainRun('ImageExtend', { ...corners('100'), ...still });
    const picture = await plain(whole.page, 'chrismas2.jpg', 240, 180);
    const p = await until(whole.page, (q) => q.count(green) === 0);
    assert.equal(differing(p, picture, () => true), 0);
    await whole.page.close();

    const half = await plainRun('ImageExtend', { ...corners('50'), ...still });
    const q = await until(half.page, (r) => r.count(green) < 240 * 180);
    assert.equal(q.count(green), 240 * 180 - 120 * 90, 'the picture fills the middle half');
    near(q.at(120, 90), picture.at(120, 90), 8, 'the middle stays in the middle');
    await half.page.close();
  });

  test('lenses: the picture is magnified inside the lens and untouched around it', async () => {
    const run = await plainRun('ImageConvex2', { radius: '40', convexity: '100', image_name: 'chrismas2.jpg' });
    const picture = await plain(run.page, 'chrismas2.jpg', 240, 180);
    await run.page.mouse.move(120, 70);
    const lensAt = (x, y) => (x - 120) ** 2 + (y - 70) ** 2;
    const inside = (q) => differing(q, picture, (x, y) => lensAt(x, y) < 30 ** 2);
    const outside = (q) => differing(q, picture, (x, y) => lensAt(x, y) > 42 ** 2);
    const p = await until(run.page, (q) => inside(q) > 5 && outside(q) === 0);
    assert.ok(inside(p) > 5, 'magnified under the pointer');
    assert.equal(outside(p), 0, 'unchanged outside the lens');
    await run.page.close();

    const grow = await plainRun('ImageConvex', { radiusStep: '5', convexStep: '20', image_name: 'chrismas2.jpg', pause: '10' });
    const q = await until(grow.page, (r) => differing(r, picture, (x, y) => Math.hypot(x - 120, y - 90) < 40) > 5);
    assert.ok(differing(q, picture, (x, y) => Math.hypot(x - 120, y - 90) < 40) > 5, 'the lens grows in the middle');
    assert.equal(differing(q, picture, (x, y) => Math.hypot(x - 120, y - 90) > 92), 0, 'never beyond half the applet');
    await grow.page.close();
  });

  test('lights: dark picture, lit in the light color under the pointer', async () => {
    const lightAt = async (kind, color, radiusName) => {
      const run = await plainRun(kind, { [radiusName]: '40', color, image_name: 'chrismas2.jpg', pause: '10' });
      const picture = await plain(run.page, 'chrismas2.jpg', 240, 180);
      await run.page.mouse.move(60, 60);
      // Eased lights glide to the pointer: wait until the spot is there.
      const source = picture.at(60, 60);
      const p = await until(run.page, (q) => q.at(60, 60).slice(0, 3).some((v, i) => v > source[i] * 0.8 + 2));
      near(p.at(230, 170), picture.at(230, 170).map((v) => v * 0.2), 2, `${kind}: dark away from the light`);
      await run.page.close();
      return { lit: p.at(60, 60), source };
    };
    const red = await lightAt('ImageLight2', '#FF0000', 'radius');
    near(red.lit, [red.source[0] * 1.3, red.source[1] * 0.2, red.source[2] * 0.2], 3, 'red light');
    const white = await lightAt('ImageLight2', 'not a color', 'radius');
    near(white.lit, white.source.map((v) => Math.min(255, v * 1.3)), 3, 'an invalid color gives white light');
    const soft = await lightAt('ImageLight', '#0000FF', 'light_rad');
    assert.ok(soft.lit[2] > soft.source[2] * 0.8 && soft.lit[0] < soft.source[0] * 0.5, `blue spot: ${soft.lit} from ${soft.source}`);
  });

  test('ImagePointer: the sprite follows the pointer and hides outside when asked', async () => {
    const centre = (p) => {
      const box = boxOf(p);
      return box && [(box[0] + box[2]) / 2, (box[1] + box[3]) / 2];
    };
    const hidden = await plainRun('ImagePointer', { image: 'Fish3.gif', out_visible: 'NO', pause: '10' }, { width: 320, height: 200 });
    await waitFrames(hidden.page, 5);
    assert.equal(centre(await pixels(hidden.page)), null, 'hidden until the pointer comes');
    await hidden.page.mouse.move(260, 150);
    const p = await until(hidden.page, (q) => {
      const c = centre(q);
      return c && Math.hypot(c[0] - 260, c[1] - 150) < 10;
    });
    const [x, y] = centre(p);
    assert.ok(Math.hypot(x - 260, y - 150) < 10, `the sprite reached the pointer: ${x},${y}`);
    await hidden.page.mouse.move(600, 500);
    assert.equal(centre(await until(hidden.page, (q) => !centre(q))), null, 'hidden again when the pointer leaves');
    await hidden.page.close();

    const shown = await plainRun('ImagePointer', { image: 'Fish3.gif', out_visible: 'maybe' }, { width: 320, height: 200 });
    const [cx, cy] = centre(await until(shown.page, (q) => centre(q) !== null));
    assert.ok(Math.abs(cx - 160) < 10 && Math.abs(cy - 100) < 10, `shown in the middle before the pointer comes: ${cx},${cy}`);
    await shown.page.close();
  });

  test('a page opened from the disk cannot read its pictures: the pixel effects draw them as they are', async () => {
    const folder = mkdtempSync(join(tmpdir(), 'morvane-effects-'));
    try {
      for (const name of ['chrismas2.jpg', 'Fish3.gif']) copyFileSync(fileURLToPath(new URL(`images&sounds/${name}`, DATA)), join(folder, name));
      const kinds = Object.keys(KINDS).filter((kind) => !/Crop|Stream|Zoom|Pointer/.test(kind));
      const applets = kinds.map((kind) => {
        const picture = kind === 'Deformation' ? { sprite: 'Fish3.gif' } : { image_name: 'chrismas2.jpg', image: 'chrismas2.jpg' };
        const page = appletPage(kind, { width: 240, height: 180, params: { background_color: GREEN, ...picture } });
        return page.slice(page.indexOf('<applet'), page.indexOf('<script'));
      });
      const script = pathToFileURL(fileURLToPath(new URL('runtime/morvane-applets.js', DATA))).href;
      writeFileSync(join(folder, 'page.htm'), `<!DOCTYPE html><body>${applets.join('\n')}<script src="${script}"></script></body>`);
      const { page, problems, runtimeLines } = await openPage(browser, pathToFileURL(join(folder, 'page.htm')).href, { width: 1000, height: 2400 });
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

  test('ImageAxisRotation turns edge-on; Deformation waves its sprite in the middle; ScanImage uncovers row by row', async () => {
    const turn = await plainRun('ImageAxisRotation', { image_name: 'chrismas2.jpg', pause: '30' });
    const narrow = (q) => {
      let sides = 0;
      for (let y = 0; y < 180; y += 4) {
        for (const x of [2, 30, 209, 237]) if (!green(...q.at(x, y))) sides++;
      }
      return sides === 0 && !green(...q.at(120, 90));
    };
    assert.ok(narrow(await until(turn.page, narrow, 200)), 'the picture narrows to its axis');
    await turn.page.close();

    const wave = await plainRun('Deformation', { sprite: 'Fish3.gif', amplitude: '4', pause: '10' }, { width: 320, height: 200 });
    const a = await until(wave.page, (q) => q.count(green) < 320 * 200);
    const [x0, , x1] = boxOf(a);
    assert.ok(Math.abs((x0 + x1) / 2 - 160) <= 5 && x1 - x0 <= 80 + 8, `centred within the amplitude: ${x0}..${x1}`);
    await waitFrames(wave.page, 10);
    assert.ok(differs(a, await pixels(wave.page)), 'waves');
    await wave.page.close();

    const scan = await plainRun('ScanImage', { image: 'chrismas2.jpg', r_lim: '30', r_step: '30', pause: '100' });
    const picture = await plain(scan.page, 'chrismas2.jpg', 240, 180);
    const firstRow = (q) => differing(q, picture, (x, y) => y < 30);
    const p = await until(scan.page, (q) => firstRow(q) === 0, 200);
    assert.equal(firstRow(p), 0, 'the first row is uncovered');
    assert.ok(p.count(green) > 240 * 80, 'the rows below are still covered');
    await scan.page.close();

    // A step far longer than the light still uncovers all of the way it went.
    const leap = await plainRun('ScanImage', { image: 'chrismas2.jpg', r_lim: '10', r_step: '500', pause: '1000' });
    const band = (q) => differing(q, picture, (x, y) => y < 10 && x < 220);
    assert.equal(band(await until(leap.page, (q) => band(q) === 0, 200)), 0, 'no gaps along the first row');
    await leap.page.close();
  });
});
