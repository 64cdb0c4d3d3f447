#!/usr/bin/env node
// What a page of applets downloads and how soon it shows them: the bytes of script the page
// fetched, the time from the start of navigation to the first frame in which every applet in
// view has drawn, and the script time until then, on a processor slowed 4 times (a phone), as
// the median of RUNS loads. The page of every sample is also measured once scrolled to its end.
// Usage: MORVANE_BUILD_DIR=BUILD node bench/runtime-loading.mjs [RUNS] [--slowdown=N]
//   (after npm ci; default 5 runs, slowdown 4)
import { readFileSync } from 'node:fs';

import { launchBrowser, registeredKinds, startServer } from '../tests/runtime/browser/harness.mjs';

const args = process.argv.slice(2);
const runs = Number(args.find((a) => !a.startsWith('--')) ?? 5);
const slowdown = Number(args.find((a) => a.startsWith('--slowdown='))?.slice(11) ?? 4);

const SCRIPT = '<script src="/runtime/morvane-applets.js" defer></script>';
const stars = '<applet code="Stars.class" width="300" height="120"><param name="number" value="200">No Java</applet>';

function sampleElement(kind) {
  const page = readFileSync(new URL(`../data/samples/${kind}/${kind.toLowerCase()}.htm`, import.meta.url), 'utf8');
  return page.includes('<applet') ? page.slice(page.indexOf('<applet'), page.indexOf('</applet>') + '</applet>'.length) : '';
}

const page = (body) => `<!DOCTYPE html><html><head><meta charset="utf-8"></head>
<body style="margin:0;display:flex;flex-wrap:wrap">${body}</body></html>`;

const samples = registeredKinds().map(sampleElement).filter(Boolean).map((e) => `<div style="margin:4px">${e}</div>`);
const scenes = [
  ['one Stars applet', page(stars + SCRIPT)],
  ['ten pasted Stars snippets', page(Array(10).fill(stars + SCRIPT).join('\n'))],
  [`${samples.length} samples, 2400x1600`, page(samples.join('\n') + SCRIPT), true],
];

// Runs in the page before its scripts: the time of the first frame in which every applet
// element in view has a running applet (a started element is hidden behind its canvas).
function watchFirstFrame() {
  const inView = (node) => {
    const r = node.getBoundingClientRect();
    return r.width > 0 && r.bottom > 0 && r.top < innerHeight;
  };
  const check = () => {
    const elements = [...document.querySelectorAll('applet, morvane-applet')];
    const started = elements.filter((e) => e.morvaneApplet?.instance);
    const waiting = elements.filter((e) => !e.morvaneApplet?.instance && inView(e));
    if (document.readyState !== 'loading' && started.length > 0 && waiting.length === 0) window.benchFirstFrame = performance.now();
    else requestAnimationFrame(check);
  };
  requestAnimationFrame(check);
}

const scripts = () => performance.getEntriesByType('resource').filter((e) => e.name.endsWith('.js'))
  .reduce((sum, e) => ({ files: sum.files + 1, bytes: sum.bytes + e.decodedBodySize }), { files: 0, bytes: 0 });

async function load(browser, server, html, scrolled) {
  const tab = await browser.newPage();
  await tab.setViewport({ width: 2400, height: 1600 });
  const cdp = await tab.createCDPSession();
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: slowdown });
  await cdp.send('Performance.enable');
  await tab.evaluateOnNewDocument(watchFirstFrame);
  await tab.goto(server.page(`/samples/load-${Math.random().toString(36).slice(2)}.htm`, html), { waitUntil: 'load' });
  await tab.waitForFunction(() => window.benchFirstFrame !== undefined, { timeout: 120000 });
  const first = await tab.evaluate(() => window.benchFirstFrame);
  const { metrics } = await cdp.send('Performance.getMetrics');
  const script = metrics.find((m) => m.name === 'ScriptDuration').value * 1000;
  await new Promise((resolve) => setTimeout(resolve, 1000));
  const fetched = await tab.evaluate(scripts);
  let all = null;
  if (scrolled) {
    await tab.evaluate(async () => {
      for (let y = 0; y <= document.body.scrollHeight; y += innerHeight / 2) {
        window.scrollTo(0, y);
        await new Promise((resolve) => setTimeout(resolve, 300));
      }
    });
    await new Promise((resolve) => setTimeout(resolve, 1000));
    all = await tab.evaluate(scripts);
  }
  await tab.close();
  return { first, script, fetched, all };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const server = await startServer();
const browser = await launchBrowser();
try {
  console.log(`CPU slowed ${slowdown}x, median of ${runs} loads`);
  for (const [name, html, scrolled] of scenes) {
    const results = [];
    for (let i = 0; i < runs; i++) results.push(await load(browser, server, html, scrolled));
    const { fetched, all } = results[0];
    console.log(`${name.padEnd(28)} script ${String(fetched.bytes).padStart(7)} bytes in ${fetched.files} file(s)` +
      `${all ? ` (${all.bytes} bytes in ${all.files} once scrolled to the end)` : ''}` +
      `  first frame ${median(results.map((r) => r.first)).toFixed(0).padStart(5)} ms  script ${median(results.map((r) => r.script)).toFixed(0).padStart(5)} ms`);
  }
} finally {
  await browser.close();
  await server.close();
}
