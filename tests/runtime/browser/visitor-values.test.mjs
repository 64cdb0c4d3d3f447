// WhoIsVisitor's classic code writes its applet from a script, its valid markup is the element
// alone: whatever its addresses hold, the page runs that script whole and no other, and the
// applet gets the addresses as typed, in both markups (the classic one with the referrer).
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';

import { canvases, haveChromium, openPage, useBench } from './harness.mjs';
import { shippedInstallation } from '../generated.mjs';

// Each would run a script of its own, or break the page's, were it written into the script as it is.
const HOSTILE = [
  '</script><script>window.__pwned = 1</script>',
  '<!--<script>window.__pwned = 2</script>',
  '"><img src="none.gif" onerror="window.__pwned = 3">',
  '\');window.__pwned = 4;//"); window.__pwned = 5; //',
  'ends in a backslash\\',
  'line\u2028and\u2029paragraph',
  'Tom & Jerry <tom@example.com>',
];

const pageOf = (code) => `<!DOCTYPE html><html><head><meta charset="utf-8"></head><body>
${code}
<script src="/runtime/morvane-applets.js"></script></body></html>`;

describe('WhoIsVisitor values in the browser', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();
  let installation;
  let ini;
  before(() => {
    installation = shippedInstallation();
    ini = readFileSync(join(installation.folder, 'morvane.ini'), 'utf8');
  });
  after(() => installation?.remove());

  // The code `morvane-cli html` writes for these addresses.
  function codeFor(recipient, sender, markup) {
    const section = ini.replace(/^\[WhoIsVisitor\]\r\n(?:[^[].*\r\n)*/m, (text) => text
      .replace(/^Recipient=.*$/m, () => `Recipient=${recipient}`)
      .replace(/^Sender=.*$/m, () => `Sender=${sender}`));
    assert.notEqual(section, ini);
    writeFileSync(join(installation.folder, 'morvane.ini'), section);
    return installation.code('WhoIsVisitor', ['--markup', markup]);
  }

  test('no address runs a script or breaks the page, and the applet gets both as typed', async () => {
    for (const markup of ['applet', 'modern']) {
      for (const [i, value] of HOSTILE.entries()) {
        const sender = `(sender) ${value}`;
        const code = codeFor(value, sender, markup);
        const url = bench.server.page(`/samples/visitor/${markup}-${i}.htm`, pageOf(code));
        const { page, problems } = await openPage(bench.browser, url);
        await canvases(page);
        const seen = await page.evaluate(() => ({
          pwned: window.__pwned ?? null,
          params: [...document.querySelectorAll('applet > param, morvane-applet > morvane-param')]
            .map((p) => [p.getAttribute('name'), p.getAttribute('value')])
            .filter(([name]) => name !== 'generator'),
          images: document.images.length,
        }));
        await page.close();
        assert.deepEqual(
          { ...seen, problems },
          {
            pwned: null,
            params: [['recipient', value], ['sender', sender], ...(markup === 'applet' ? [['lastvisited', '']] : [])],
            images: 0,
            problems: [],
          },
          `${markup}: ${JSON.stringify(value)}\n${code}`,
        );
      }
    }
  });
});
