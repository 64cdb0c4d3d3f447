// Every kind's code in the modern markup, as generated from the shipped settings, makes a page
// that the Nu HTML checker passes without an error or a warning. Its plain infos may stay: it
// tells that `name` is not an attribute it knows on <morvane-param>, which is that element's own
// attribute. One checker run covers all the pages.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

import { shippedInstallation, shippedKinds } from './generated.mjs';

const vnuJar = String(createRequire(import.meta.url)('vnu-jar'));
const haveJava = spawnSync('java', ['-version']).status === 0;

function page(kind, code) {
  return `<!DOCTYPE html>
<html lang="en">
<head><meta charset="utf-8"><title>${kind}</title></head>
<body>
${code}
</body>
</html>
`;
}

test('every kind\'s modern code passes the HTML checker', { skip: !haveJava && 'no Java runtime' }, () => {
  const kinds = shippedKinds();
  assert.equal(kinds.length, 50);
  const installation = shippedInstallation();
  const pages = mkdtempSync(join(tmpdir(), 'morvane-markup-'));
  try {
    const files = kinds.map((kind) => {
      const code = installation.code(kind, ['--markup', 'modern', '--runtime']);
      assert.match(code, /^<link rel="stylesheet" href="morvane-applets\.css">\n<morvane-applet code=/, kind);
      assert.doesNotMatch(code, /<script(?! src="morvane-applets\.js" defer>)/, kind);
      const file = join(pages, `${kind}.html`);
      writeFileSync(file, page(kind, code));
      return file;
    });
    // The classic code of one kind rides along: the checker must find its obsolete elements.
    const classic = join(pages, 'classic.html');
    writeFileSync(classic, page('classic', installation.code('Stars')));
    const run = spawnSync('java', ['-jar', vnuJar, '--format', 'json', classic, ...files], { encoding: 'utf8' });
    const { messages } = JSON.parse(run.stderr);
    const problems = messages
      .filter((m) => m.type !== 'info' || m.subType === 'warning')
      .map((m) => `${m.url.split('/').pop()}:${m.lastLine}: ${m.subType ?? m.type}: ${m.message}`);
    assert.ok(problems.some((e) => e.startsWith('classic.html:') && /error: .*applet/.test(e)), `the checker did not refuse <applet>: ${problems}`);
    assert.deepEqual(problems.filter((e) => !e.startsWith('classic.html:')), []);
  } finally {
    rmSync(pages, { recursive: true, force: true });
    installation.remove();
  }
});
