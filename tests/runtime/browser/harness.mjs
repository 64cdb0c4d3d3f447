// The browser bench: a loopback web server over the installation data and headless Chromium.
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { after, before } from 'node:test';
import { tmpdir } from 'node:os';
import { basename, dirname, extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';

import puppeteer from 'puppeteer-core';

import { runtimeFile } from '../built.mjs';

const data = fileURLToPath(new URL('../../../data/', import.meta.url));
// The installation's runtime comes from the build, beside data/.
export const runtimePath = runtimeFile();
const TYPES = {
  '.htm': 'text/html', '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.gif': 'image/gif', '.jpg': 'image/jpeg', '.png': 'image/png', '.au': 'audio/basic', '.txt': 'text/plain',
};

const WAIT_MS = 60000;

export const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';
export const haveChromium = existsSync(chromiumPath);

function fileFor(path) {
  const local = normalize(decodeURIComponent(path)).replace(/^(\.\.[/\\])+/, '');
  // The runtime's core, its sheet and its kinds' files, as the build joined them: under
  // /runtime/ as in an installation, or beside any page, as a published page has them.
  if (/^morvane-applets([\w-]*\.js|\.css)$/.test(basename(local))) {
    const built = join(dirname(runtimePath), basename(local));
    return existsSync(built) ? built : null;
  }
  const direct = join(data, local);
  if (existsSync(direct)) return direct;
  // An installation's first run copies the sample media beside the sample pages.
  if (local.startsWith('/samples/')) {
    const media = join(data, 'images&sounds', basename(local));
    if (existsSync(media)) return media;
  }
  return null;
}

// Serves data/ and the runtime as an installation, plus pages that tests add with `page(path, html)`.
export async function startServer() {
  const pages = new Map();
  const server = createServer((request, response) => {
    const path = new URL(request.url, 'http://localhost').pathname;
    if (path === '/favicon.ico') {
      response.writeHead(204).end();
      return;
    }
    const page = pages.get(path);
    const file = page === undefined ? fileFor(path) : null;
    if (page === undefined && !file) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'content-type': TYPES[extname(path)] ?? 'application/octet-stream' });
    response.end(page ?? readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const origin = `http://127.0.0.1:${server.address().port}`;
  return {
    origin,
    page(path, html) {
      pages.set(path, html);
      return origin + path;
    },
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

// `autoplay: false` keeps the browser's rule that audio starts only after a user gesture;
// `popups: false` its popup blocker, which puppeteer turns off.
export async function launchBrowser({ autoplay = true, popups = true } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'morvane-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    userDataDir: profile,
    ignoreDefaultArgs: popups ? [] : ['--disable-popup-blocking'],
    args: [
      '--no-sandbox', '--headless', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      ...(autoplay ? ['--autoplay-policy=no-user-gesture-required'] : []),
    ],
  });
  // Waits for a page state are generous: a loaded machine is slow, never wrong.
  const newPage = browser.newPage.bind(browser);
  browser.newPage = async (...args) => {
    const page = await newPage(...args);
    page.setDefaultTimeout(WAIT_MS);
    return page;
  };
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A page with its console lines and uncaught errors recorded. Its applets run on a manual
// clock (see `waitFrames`) unless `realClock`; `setup` (one function or a list) runs in the page
// before its scripts.
// Console errors matching `ignore` are not problems. `prepare(page)` runs before the page is
// asked for, e.g. to hold back a request.
export async function openPage(browser, url, viewport = { width: 1000, height: 800 }, { realClock = false, setup = null, ignore = null, prepare = null } = {}) {
  const page = await browser.newPage();
  await prepare?.(page);
  await page.setViewport(viewport);
  if (!realClock) await page.evaluateOnNewDocument(() => (window.morvaneAppletsClock = { now: 0 }));
  for (const script of [setup].flat()) if (script) await page.evaluateOnNewDocument(script);
  const problems = [];
  const runtimeLines = [];
  page.on('console', (message) => {
    const text = message.text();
    if (text.startsWith('morvane-applets:')) runtimeLines.push(text);
    if (message.type() === 'error' && !ignore?.test(text)) problems.push(text);
  });
  page.on('pageerror', (error) => problems.push(String(error)));
  await page.goto(url, { waitUntil: 'load' });
  return { page, problems, runtimeLines };
}

// An applet page: the element exactly as the generator writes it, then the script line.
export function appletPage(kind, { width = 200, height = 100, params = {}, noJava = 'Please activate Java...', before = '', after = '' } = {}) {
  const lines = [`<applet code="${kind}.class" WIDTH="${width}" HEIGHT="${height}">`];
  for (const [name, value] of Object.entries(params)) lines.push(`<param name="${name}" value="${value}">`);
  lines.push(noJava, '</applet>', '<script src="/runtime/morvane-applets.js"></script>');
  return `<!DOCTYPE html><html><head><meta charset="utf-8"></head><body style="margin:0">${before}\n${lines.join('\n')}\n${after}</body></html>`;
}

// The time one frame moves the manual clock on.
export const FRAME_MS = 16;

// Lets the page run `frames` animation frames; on the manual clock each one moves the applets
// on by exactly FRAME_MS, so an animation goes as far however slowly the machine draws.
export async function waitFrames(page, frames = 5) {
  await page.evaluate(
    (n, ms) => new Promise((resolve) => {
      const next = (left) => {
        if (left === 0) return resolve();
        window.morvaneAppletsClock?.advance?.(ms);
        requestAnimationFrame(() => next(left - 1));
      };
      next(n);
    }),
    frames,
    FRAME_MS,
  );
}

// Runs frames until `condition(arg)`, evaluated in the page, holds; false when it never does
// within `frames` frames (the page's own timers, image loads and events go on meanwhile).
export async function framesUntil(page, condition, arg, frames = 600) {
  for (let done = 0; done < frames; done += 3) {
    if (await page.evaluate(condition, arg)) return true;
    await waitFrames(page, 3);
  }
  return page.evaluate(condition, arg);
}

// Runs frames until the canvas pixels satisfy `predicate`, then returns them; the last pixels
// looked at when they never do.
export async function pixelsUntil(page, predicate, frames = 600, index = 0) {
  let p = await pixels(page, index);
  for (let done = 0; done < frames && !predicate(p); done += 3) {
    await waitFrames(page, 3);
    p = await pixels(page, index);
  }
  return p;
}

// Whether the canvas comes to show something other than it shows now.
export async function changes(page, frames = 600, index = 0) {
  const first = await pixels(page, index);
  return differs(first, await pixelsUntil(page, (p) => differs(first, p), frames, index));
}

// Waits until the page's applet canvases exist (applets start after the document is parsed)
// and each has finished starting (its images loaded) or given up.
export async function canvases(page, count = 1) {
  await page.waitForFunction((n) => document.querySelectorAll('canvas.morvane-applet').length >= n, {}, count);
  await page.waitForFunction(() => [...document.querySelectorAll('canvas.morvane-applet')].every((c) => c.morvaneApplet?.instance || c.morvaneApplet?.disposed));
}

// Waits until the n-th applet is in view as its loop sees it, so that frames from now on move it.
export async function inView(page, index = 0) {
  await page.waitForFunction((i) => document.querySelectorAll('canvas.morvane-applet')[i]?.morvaneApplet?.visible, {}, index);
}

// The pixels the canvas shows, as [r, g, b, a] rows: { width, height, at(x, y), count(predicate) }.
// Read through a copy, as an applet that draws seldom hands its canvas whole pictures and gives
// it no 2D context.
export async function pixels(page, index = 0) {
  const { width, height, bytes } = await page.evaluate((i) => {
    const canvas = document.querySelectorAll('canvas.morvane-applet')[i];
    const copy = Object.assign(document.createElement('canvas'), { width: canvas.width, height: canvas.height }).getContext('2d');
    copy.drawImage(canvas, 0, 0);
    const image = copy.getImageData(0, 0, canvas.width, canvas.height);
    return { width: image.width, height: image.height, bytes: Array.from(image.data) };
  }, index);
  const at = (x, y) => bytes.slice((y * width + x) * 4, (y * width + x) * 4 + 4);
  const count = (predicate) => {
    let n = 0;
    for (let i = 0; i < bytes.length; i += 4) if (predicate(bytes[i], bytes[i + 1], bytes[i + 2])) n++;
    return n;
  };
  return { width, height, bytes, at, count };
}

export function differs(a, b) {
  return a.bytes.some((value, i) => value !== b.bytes[i]);
}

// The server and the browser of one test file, started before its tests and closed after.
export function useBench() {
  const bench = {};
  before(async () => {
    bench.server = await startServer();
    bench.browser = await launchBrowser();
  });
  after(async () => {
    await bench.browser?.close();
    await bench.server?.close();
  });
  return bench;
}

// Serves `appletPage(kind, options)` at `path`, opens it and lets it run `frames` frames.
export async function openApplet(bench, path, kind, options, frames = 10) {
  const opened = await openPage(bench.browser, bench.server.page(path, appletPage(kind, options)));
  await canvases(opened.page);
  await inView(opened.page);
  await waitFrames(opened.page, frames);
  return opened;
}

// Every kind the runtime's modules register, in name order.
export function registeredKinds() {
  const folder = new URL('../../../src/runtime/kinds/', import.meta.url);
  return readdirSync(folder)
    .filter((name) => name.endsWith('.js'))
    .flatMap((name) => [...readFileSync(new URL(name, folder), 'utf8').matchAll(/registerKind\('(\w+)'/g)].map((m) => m[1]))
    .sort();
}

// Gives the keys to the applet, as a Tab would: its canvas when that takes the focus, else its
// first control; left where it is when it is already there.
export async function focusApplet(page) {
  await page.$eval('.morvane-applet-box', (box) => {
    if (!box.contains(document.activeElement)) box.querySelector('a[href], canvas[tabindex], input, select, button, textarea')?.focus();
  });
}

// Runs in the page: window.open records what it was asked to open instead of opening it, and so
// does an applet's link that the browser would follow into another window.
export function recordOpens() {
  window.opened = [];
  window.open = (address, target) => {
    window.opened.push([address, target]);
    return {};
  };
  document.addEventListener('click', (event) => {
    const link = event.target.closest?.('a.morvane-applet-link[target]');
    if (!link || event.defaultPrevented) return;
    event.preventDefault();
    window.opened.push([link.href, link.target]);
  });
}

// A kind's page under /samples/`folder`/, started and run 5 frames, with what a test drives it
// by: `at(x, y)` (page coordinates of an applet point), `click(x, y)` and `key(name)` (each
// followed by 2 frames), `label()` (the applet's accessible name) and `opened()` (see recordOpens).
export async function openKind(bench, kind, options = {}, { folder = 'K', setup = null, ignore = null } = {}) {
  const path = `/samples/${folder}/${kind}-${Math.random().toString(36).slice(2)}.htm`;
  const url = bench.server.page(path, appletPage(kind, options));
  const opened = await openPage(bench.browser, url, { width: 800, height: 600 }, { setup: [recordOpens, setup], ignore });
  const { page } = opened;
  await canvases(page);
  await inView(page);
  await waitFrames(page, 5);
  const box = await page.$eval('canvas.morvane-applet', (c) => {
    const r = c.getBoundingClientRect();
    return { x: r.x, y: r.y };
  });
  const at = (x, y) => [box.x + x, box.y + y];
  return {
    ...opened,
    at,
    async click(x, y) {
      await page.mouse.click(...at(x, y));
      await waitFrames(page, 2);
    },
    async key(name) {
      await focusApplet(page);
      await page.keyboard.press(name);
      await waitFrames(page, 2);
    },
    label: () => page.$eval('.morvane-applet-box', (box) => box.getAttribute('aria-label') ?? ''),
    opened: () => page.evaluate(() => window.opened),
  };
}
