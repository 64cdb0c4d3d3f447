#!/usr/bin/env node
// Every registered kind's sample applet running at once on one page in headless Chromium:
// frames per second of the page and the JS heap, sampled over the run (default 120 s).
// Usage: MORVANE_BUILD_DIR=BUILD node bench/runtime-bench.mjs [SECONDS] [--profile]   (after npm ci)
// --profile adds the script's CPU time per module of the runtime over the first 10 s.
import { readFileSync } from 'node:fs';

import { launchBrowser, registeredKinds, runtimePath, startServer } from '../tests/runtime/browser/harness.mjs';

const args = process.argv.slice(2);
const seconds = Number(args.find((a) => !a.startsWith('--')) ?? 120);
const runtimeText = readFileSync(runtimePath, 'utf8');

// Line -> module of the joined runtime, from its "// --- path" markers.
function moduleOfLine() {
  const starts = [];
  runtimeText.split('\n').forEach((line, i) => {
    const m = /^\/\/ --- ((?:core|kinds)\/[\w.-]+\.js)$/.exec(line);
    if (m) starts.push([i, m[1]]);
  });
  return (line) => starts.findLast(([start]) => start <= line)?.[1] ?? '(header)';
}

async function profile(page, ms) {
  const cdp = await page.createCDPSession();
  await cdp.send('Profiler.enable');
  await cdp.send('Profiler.setSamplingInterval', { interval: 1000 });
  await cdp.send('Profiler.start');
  await new Promise((resolve) => setTimeout(resolve, ms));
  const { profile: result } = await cdp.send('Profiler.stop');
  const moduleOf = moduleOfLine();
  const byNode = new Map(result.nodes.map((n) => [n.id, n]));
  const time = new Map();
  const deltas = result.timeDeltas;
  result.samples.forEach((id, i) => {
    const frame = byNode.get(id).callFrame;
    const where = frame.url.endsWith('morvane-applets.js') ? moduleOf(frame.lineNumber) : frame.url ? 'other script' : `(${frame.functionName || 'browser'})`;
    time.set(where, (time.get(where) ?? 0) + (deltas[i] ?? 0) / 1000);
  });
  const rows = [...time].sort((a, b) => b[1] - a[1]).slice(0, 15);
  console.log(`CPU over ${ms / 1000} s by runtime module (ms):`);
  for (const [where, msSpent] of rows) console.log(`  ${msSpent.toFixed(0).padStart(7)}  ${where}`);
}
const kinds = registeredKinds();

const applets = kinds.map((kind) => {
  const page = readFileSync(new URL(`../data/samples/${kind}/${kind.toLowerCase()}.htm`, import.meta.url), 'utf8');
  const element = page.slice(page.indexOf('<applet'), page.indexOf('</applet>') + '</applet>'.length);
  return `<div style="margin:4px">${element}</div>`;
});
const html = `<!DOCTYPE html><html><head><meta charset="utf-8"><title>all applets</title></head>
<body style="margin:0;display:flex;flex-wrap:wrap;background:#333">${applets.join('\n')}
<script src="/runtime/morvane-applets.js"></script></body></html>`;

const server = await startServer();
const browser = await launchBrowser();
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 2400, height: 1600 });
  const problems = [];
  page.on('console', (m) => m.type() === 'error' && problems.push(m.text()));
  page.on('pageerror', (e) => problems.push(String(e)));
  page.on('response', (r) => r.status() >= 400 && problems.push(`${r.status()} ${new URL(r.url()).pathname}`));
  await page.goto(server.page('/samples/all-running.htm', html), { waitUntil: 'load' });
  // Applets with images start once their images have loaded; the count settles within seconds.
  await new Promise((resolve) => setTimeout(resolve, 3000));
  const started = await page.evaluate(() => [...document.querySelectorAll('canvas.morvane-applet')].map((c) => c.dataset.kind));
  const missing = kinds.filter((kind) => !started.includes(kind));
  if (missing.length) console.log(`not started (no canvas of their own): ${missing.join(', ')}`);
  const visible = await page.evaluate(() => [...document.querySelectorAll('canvas.morvane-applet')].filter((c) => {
    const r = c.getBoundingClientRect();
    return r.bottom > 0 && r.top < innerHeight;
  }).length);
  await page.evaluate(() => {
    window.frames_ = 0;
    const count = () => {
      window.frames_++;
      requestAnimationFrame(count);
    };
    requestAnimationFrame(count);
  });

  if (args.includes('--profile')) await profile(page, 10000);
  console.log(`${kinds.length} kinds running on one page, ${visible} in view, ${seconds} s`);
  console.log('  t(s)    fps   JS heap used (MB)');
  const samples = [];
  const step = Math.max(1, Math.min(10, seconds / 6));
  let before = await page.evaluate(() => window.frames_);
  for (let t = step; t <= seconds + 1e-9; t += step) {
    await new Promise((resolve) => setTimeout(resolve, step * 1000));
    const frames = await page.evaluate(() => window.frames_);
    await page.evaluate(() => globalThis.gc?.());
    const { JSHeapUsedSize } = await page.metrics();
    const fps = (frames - before) / step;
    before = frames;
    samples.push({ fps, heap: JSHeapUsedSize / 1048576 });
    console.log(`${t.toFixed(0).padStart(6)} ${fps.toFixed(1).padStart(6)} ${(JSHeapUsedSize / 1048576).toFixed(2).padStart(10)}`);
  }
  const fpsValues = samples.map((s) => s.fps).sort((a, b) => a - b);
  const heaps = samples.map((s) => s.heap);
  console.log(`median fps ${fpsValues[Math.floor(fpsValues.length / 2)].toFixed(1)} (target >= 50); ` +
    `heap first ${heaps[0].toFixed(2)} MB, last ${heaps.at(-1).toFixed(2)} MB, max ${Math.max(...heaps).toFixed(2)} MB`);
  if (problems.length) console.log(`problems: ${problems.join(' | ')}`);
} finally {
  await browser.close();
  await server.close();
}
