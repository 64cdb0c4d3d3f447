// An applet lives and dies with its element, whatever a page script does with it, in both markups:
// taken out and put back, moved, given its size or parameters after it was inserted.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { haveChromium, openPage, useBench, waitFrames } from './harness.mjs';

const MARKUPS = {
  classic: (attributes, number) => `<applet code="Stars.class" ${attributes}><param name="number" value="${number}">No Java</applet>`,
  modern: (attributes, number) =>
    `<morvane-applet code="Stars.class" ${attributes}><morvane-param name="number" value="${number}"></morvane-param>No Java</morvane-applet>`,
};

const SIZED = 'width="120" height="60"';

// Each case: the element's attributes, what the page script does (in the page, with `element`
// and the two containers #a and #b), and what holds afterwards.
const CASES = [
  {
    name: 'taken out, then put back later',
    attributes: SIZED,
    steps: [() => window.element.remove(), () => document.getElementById('a').append(window.element)],
    expected: { parent: 'a', running: true, size: [120, 60], number: 5, same: false },
  },
  {
    name: 'moved to another part of the page',
    attributes: SIZED,
    steps: [() => document.getElementById('b').append(window.element)],
    expected: { parent: 'b', running: true, size: [120, 60], number: 5, same: true },
  },
  {
    name: 'inserted without a size, given one after',
    attributes: '',
    steps: [() => window.element.setAttribute('width', '90'), () => window.element.setAttribute('height', '30')],
    expected: { parent: 'a', running: true, size: [90, 30], number: 5, same: false },
  },
  {
    name: 'its size changed',
    attributes: SIZED,
    steps: [() => window.element.setAttribute('width', '150')],
    expected: { parent: 'a', running: true, size: [150, 60], number: 5, same: false },
  },
  {
    name: 'a parameter changed',
    attributes: SIZED,
    steps: [() => window.element.firstElementChild.setAttribute('value', '7')],
    expected: { parent: 'a', running: true, size: [120, 60], number: 7, same: false },
  },
  {
    name: 'a parameter taken out',
    attributes: SIZED,
    steps: [() => window.element.firstElementChild.remove()],
    expected: { parent: 'a', running: true, size: [120, 60], number: 100, same: false },
  },
];

function insert(html) {
  document.getElementById('a').innerHTML = html;
  window.element = document.querySelector('applet, morvane-applet');
}

// What the page shows: every running applet with its canvas, and the element.
function state() {
  const element = window.element;
  const applet = element.morvaneApplet;
  const running = Boolean(applet?.instance && !applet.disposed);
  return {
    parent: element.parentElement?.id ?? null,
    running,
    size: running ? [applet.width, applet.height] : null,
    number: running ? applet.params.number : null,
    same: running && applet === window.first,
    // The canvas is shown where the element is, and only one.
    canvases: [...document.querySelectorAll('canvas.morvane-applet')].map((c) => element.parentElement?.contains(c) ?? false),
    fallbackShown: element.isConnected && element.checkVisibility(),
  };
}

describe('applets follow their elements', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();
  const page = `<!DOCTYPE html><html><head><meta charset="utf-8"><script src="/runtime/morvane-applets.js" defer></script></head>
<body><div id="a"></div><div id="b"></div></body></html>`;

  async function settle(p) {
    await waitFrames(p, 2);
    await p.waitForFunction(() => {
      const applet = window.element.morvaneApplet;
      return !window.element.isConnected || !applet || applet.instance || applet.disposed;
    });
    await waitFrames(p, 2);
  }

  test('the custom element is defined and the fallback is styled until the applet runs', async () => {
    const { page: p, problems } = await openPage(bench.browser, bench.server.page('/life/defined.htm', page));
    const defined = await p.evaluate(async () => {
      await customElements.whenDefined('morvane-applet');
      const element = document.createElement('morvane-applet');
      return [typeof customElements.get('morvane-applet'), element.matches(':defined'), element instanceof HTMLElement];
    });
    assert.deepEqual([defined, problems], [['function', true, true], []]);
    await p.close();
  });

  for (const [markup, write] of Object.entries(MARKUPS)) {
    test(`${markup}: the applet follows what page scripts do to its element`, async () => {
      for (const { name, attributes, steps, expected } of CASES) {
        const url = bench.server.page(`/life/${markup}-${name.replace(/\W+/g, '-')}.htm`, page);
        const { page: p, problems, runtimeLines } = await openPage(bench.browser, url);
        await p.evaluate(insert, write(attributes, 5));
        await settle(p);
        await p.evaluate(() => (window.first = window.element.morvaneApplet ?? null));
        for (const step of steps) {
          await p.evaluate(step);
          await settle(p);
        }
        const seen = await p.evaluate(state);
        await p.close();
        const without = runtimeLines.filter((line) => !/WIDTH and HEIGHT/.test(line));
        assert.deepEqual(
          { ...seen, problems, runtimeLines: without },
          { ...expected, canvases: [true], fallbackShown: false, problems: [], runtimeLines: [] },
          `${markup}: ${name}`,
        );
      }
    });

    test(`${markup}: an applet taken out stops and leaves nothing behind; its element shows its text again`, async () => {
      const { page: p, problems } = await openPage(bench.browser, bench.server.page(`/life/${markup}-removed.htm`, page));
      await p.evaluate(insert, write(SIZED, 5));
      await settle(p);
      await p.evaluate(() => {
        window.first = window.element.morvaneApplet;
        window.element.remove();
      });
      await settle(p);
      const seen = await p.evaluate(() => ({
        canvases: document.querySelectorAll('canvas, .morvane-applet-box').length,
        display: window.element.style.display,
        stopped: window.first.disposed,
      }));
      assert.deepEqual({ ...seen, problems }, { canvases: 0, display: '', stopped: true, problems: [] });
      await p.close();
    });
  }
});
