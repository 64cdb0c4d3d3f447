// The browser bench: a loopback web server over the installation data and headless Chromium.
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { after, before } from 'node:test';
import { tmpdir } from 'node:os';
import { basename, extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';

import puppeteer from 'puppeteer-core';

const data = fileURLToPath(new URL('../../../data/', import.meta.url));
const TYPES = {
  '.htm': 'text/html', '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.gif': 'image/gif', '.jpg': 'image/jpeg', '.png': 'image/png', '.au': 'audio/basic', '.txt': 'text/plain',
};

export const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';
export const haveChromium = existsSync(chromiumPath);

function fileFor(path) {
  const local = normalize(decodeURIComponent(path)).replace(/^(\.\.[/\\])+/, '');
  const direct = join(data, local);
  if (existsSync(direct)) return direct;
  // An installation's first run copies the sample media beside the sample pages.
  if (local.startsWith('/samples/')) {
    const media = join(data, 'images&sounds', basename(local));
    if (existsSync(media)) return media;
  }
  return null;
}

// Serves data/ as an installation, plus pages that tests add with `page(path, html)`.
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

// `autoplay: false` keeps the browser's rule that audio starts only after a user gesture.
export async function launchBrowser({ autoplay = true } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'morvane-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    userDataDir: profile,
    args: [
      '--no-sandbox', '--headless', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      ...(autoplay ? ['--autoplay-policy=no-user-gesture-required'] : []),
    ],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A page with its console lines and uncaught errors recorded.
export async function openPage(browser, url, viewport = { width: 1000, height: 800 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const problems = [];
  const runtimeLines = [];
  page.on('console', (message) => {
    const text = message.text();
    if (text.startsWith('morvane-applets:')) runtimeLines.push(text);
    if (message.type() === 'error') problems.push(text);
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

// Waits until the n-th applet canvas has run `frames` animation frames of the page.
export async function waitFrames(page, frames = 5) {
  await page.evaluate(
    (n) => new Promise((resolve) => {
      const next = (left) => (left === 0 ? resolve() : requestAnimationFrame(() => next(left - 1)));
      next(n);
    }),
    frames,
  );
}

// Waits until the page's applet canvases exist (applets start after the document is parsed).
export async function canvases(page, count = 1) {
  await page.waitForFunction((n) => document.querySelectorAll('canvas.morvane-applet').length >= n, { timeout: 10000 }, count);
}

// The canvas pixels as [r, g, b, a] rows: { width, height, at(x, y), count(predicate) }.
export async function pixels(page, index = 0) {
  const { width, height, bytes } = await page.evaluate((i) => {
    const canvas = document.querySelectorAll('canvas.morvane-applet')[i];
    const image = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
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
