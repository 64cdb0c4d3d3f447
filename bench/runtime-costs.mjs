#!/usr/bin/env node
// What the applets cost the page's main thread, on the browser's real clock: for each scene the
// share of the time the main thread was busy (tasks, script, painting), the share of it the
// thread had the processor (on a loaded machine, busy time also counts the waits for it), the
// script's share, the page's frames per second, how often the applets drew, and the backing
// pixels of all their canvases and of those drawn in place (a browser compositing in software
// copies every canvas drawn in place that is in view, on each frame that changes anything, so
// this is what each such frame costs at the least; a canvas handed whole pictures is not copied).
// Usage: MORVANE_BUILD_DIR=BUILD node bench/runtime-costs.mjs [SECONDS per scene] [--scale=N]
//   [--only=TEXT]   (after npm ci; --scale sets the device pixel ratio the page is shown at,
//   default 1; --only runs the scenes whose name holds TEXT)
// Scenes: every kind's sample on one 2400x1600 page; one Scrolling applet with 100,000
// characters; ImageConvex at 1024x768 and at 4096x4096.
import { readFileSync } from 'node:fs';

import { launchBrowser, registeredKinds, startServer } from '../tests/runtime/browser/harness.mjs';

const args = process.argv.slice(2);
const seconds = Number(args.find((a) => !a.startsWith('--')) ?? 10);
const scale = Number(args.find((a) => a.startsWith('--scale='))?.slice(8) ?? 1);
const only = args.find((a) => a.startsWith('--only='))?.slice(7) ?? '';

function sampleElement(kind) {
  const page = readFileSync(new URL(`../data/samples/${kind}/${kind.toLowerCase()}.htm`, import.meta.url), 'utf8');
  // A sample that writes its element from a script (it has no canvas to show) is left out.
  return page.includes('<applet') ? page.slice(page.indexOf('<applet'), page.indexOf('</applet>') + '</applet>'.length) : '';
}

function applet(kind, width, height, params) {
  const lines = Object.entries(params).map(([name, value]) => `<param name="${name}" value="${value}">`);
  return `<applet code="${kind}.class" WIDTH="${width}" HEIGHT="${height}">\n${lines.join('\n')}\n</applet>`;
}

function page(body, background = '#333') {
  return `<!DOCTYPE html><html><head><meta charset="utf-8"></head>
<body style="margin:0;display:flex;flex-wrap:wrap;background:${background}">${body}
<script src="/runtime/morvane-applets.js"></script></body></html>`;
}

const longText = Array.from({ length: 10000 }, (_, i) => `Word ${String(i).padStart(4, '0')} `).join('').slice(0, 100000);
const convex = { pause: 10, radiusStep: 2, convexStep: 4, image_name: 'chrismas2.jpg' };
const scenes = [
  ['49 samples, 2400x1600', page(registeredKinds().map(sampleElement).filter(Boolean).map((e) => `<div style="margin:4px">${e}</div>`).join('\n'))],
  ['Scrolling, 100,000 characters', page(applet('Scrolling', 600, 40, { text: longText, text_height: 20, pause: 10, step: 2 }))],
  ['ImageConvex 1024x768', page(applet('ImageConvex', 1024, 768, convex))],
  ['ImageConvex 4096x4096', page(applet('ImageConvex', 4096, 4096, convex))],
];

// Runs in the page: counts animation frames, and every applet's draws.
function countFrames() {
  window.benchFrames = 0;
  window.benchDraws = 0;
  const count = () => {
    window.benchFrames++;
    requestAnimationFrame(count);
  };
  requestAnimationFrame(count);
  for (const canvas of document.querySelectorAll('canvas.morvane-applet')) {
    const instance = canvas.morvaneApplet?.instance;
    if (!instance) continue;
    const draw = instance.draw.bind(instance);
    instance.draw = (...a) => {
      window.benchDraws++;
      return draw(...a);
    };
  }
}

async function measure(browser, server, name, html) {
  const tab = await browser.newPage();
  await tab.setViewport({ width: 2400, height: 1600, deviceScaleFactor: scale });
  const problems = [];
  tab.on('pageerror', (e) => problems.push(String(e)));
  const cdp = await tab.createCDPSession();
  await cdp.send('Performance.enable');
  await tab.goto(server.page(`/samples/bench-${Math.random().toString(36).slice(2)}.htm`, html), { waitUntil: 'load' });
  await new Promise((resolve) => setTimeout(resolve, 3000));
  await tab.evaluate(countFrames);
  const read = async () => {
    const { metrics } = await cdp.send('Performance.getMetrics');
    const m = Object.fromEntries(metrics.map((x) => [x.name, x.value]));
    const counts = await tab.evaluate(() => [
      window.benchFrames,
      window.benchDraws,
      ...[() => true, (c) => c.getContext('2d') !== null].map((drawnOn) =>
        [...document.querySelectorAll('canvas.morvane-applet')].filter(drawnOn).reduce((sum, c) => sum + c.width * c.height, 0)),
    ]);
    return { t: m.Timestamp, task: m.TaskDuration, cpu: m.ThreadTime, script: m.ScriptDuration, frames: counts[0], draws: counts[1], pixels: counts[2], inPlace: counts[3] };
  };
  const a = await read();
  await new Promise((resolve) => setTimeout(resolve, seconds * 1000));
  const b = await read();
  const wall = b.t - a.t;
  const row = {
    busy: (100 * (b.task - a.task)) / wall,
    cpu: (100 * (b.cpu - a.cpu)) / wall,
    script: (100 * (b.script - a.script)) / wall,
    fps: (b.frames - a.frames) / wall,
    draws: (b.draws - a.draws) / wall,
  };
  console.log(`${name.padEnd(32)} busy ${row.busy.toFixed(0).padStart(3)} %  cpu ${row.cpu.toFixed(0).padStart(3)} %  script ${row.script.toFixed(0).padStart(3)} %  ` +
    `page ${row.fps.toFixed(1).padStart(5)} fps  draws ${row.draws.toFixed(1).padStart(6)}/s  canvases ${(b.pixels / 1e6).toFixed(2)} Mpx (in place ${(b.inPlace / 1e6).toFixed(2)})${problems.length ? `  problems: ${problems.join(' | ')}` : ''}`);
  await tab.close();
}

const server = await startServer();
const browser = await launchBrowser();
try {
  console.log(`device pixel ratio ${scale}, ${seconds} s per scene`);
  for (const [name, html] of scenes) if (name.includes(only)) await measure(browser, server, name, html);
} finally {
  await browser.close();
  await server.close();
}
