// Every kind's code in the modern markup, as generated from the shipped settings, makes a page
// that the Nu HTML checker passes without an error. One checker run covers all the pages.
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
      assert.match(code, kind === 'WhoIsVisitor' ? /^<script/ : /^<morvane-applet code=/, kind);
      const file = join(pages, `${kind}.html`);
      writeFileSync(file, page(kind, code));
      return file;
    });
    // The classic code of one kind rides along: the checker must find its obsolete elements.
    const classic = join(pages, 'classic.html');
    writeFileSync(classic, page('classic', installation.code('Stars')));
    const run = spawnSync('java', ['-jar', vnuJar, '--errors-only', '--format', 'json', classic, ...files], { encoding: 'utf8' });
    const { messages } = JSON.parse(run.stderr);
    const errors = messages.map((m) => `${m.url.split('/').pop()}:${m.lastLine}: ${m.message}`);
    assert.ok(errors.some((e) => e.startsWith('classic.html:') && /applet/.test(e)), `the checker did not refuse <applet>: ${errors}`);
    assert.deepEqual(errors.filter((e) => !e.startsWith('classic.html:')), []);
  } finally {
    rmSync(pages, { recursive: true, force: true });
    installation.remove();
  }
});
