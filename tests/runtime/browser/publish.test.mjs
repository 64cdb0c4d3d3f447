// A published folder is complete on its own: `morvane-cli publish` writes one page, every file it
// names and the runtime, the page passes the HTML checker in the modern markup, and the folder,
// served as it is and nothing beside it, runs its applet.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { cpSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, extname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, test } from 'node:test';

import { builtFile, runtimeFile } from '../built.mjs';
import { canvases, haveChromium, launchBrowser, openPage, pixelsUntil } from './harness.mjs';

const data = fileURLToPath(new URL('../../../data/', import.meta.url));
const vnuJar = String(createRequire(import.meta.url)('vnu-jar'));
const haveJava = spawnSync('java', ['-version']).status === 0;

// Pictures, sounds, data files, a guest book's file, a menu tree, LoginBox's pass.txt.
const KINDS = ['Fade', 'Navigation', 'SoundPlayer', 'Graph', 'Table', 'GuestBook', 'MenuPopUp', 'LoginBox'];
// Those run in the browser: a slide show, two data files drawn, a form with its pass.txt.
const PLAYED = ['Fade', 'Table', 'Graph', 'LoginBox'];

const TYPES = {
  '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.gif': 'image/gif', '.jpg': 'image/jpeg',
  '.au': 'audio/basic', '.txt': 'text/plain', '.dat': 'text/plain',
};

// A copy of the shipped data with the built runtime in it, after its first run.
function installation() {
  const folder = mkdtempSync(join(tmpdir(), 'morvane-publish-'));
  cpSync(data, join(folder, 'app'), { recursive: true });
  const runtime = dirname(runtimeFile());
  mkdirSync(join(folder, 'app', 'runtime'));
  for (const file of readdirSync(runtime).filter((name) => /^morvane-applets.*\.(js|css)$/.test(name))) {
    cpSync(join(runtime, file), join(folder, 'app', 'runtime', file));
  }
  const cli = builtFile('src/cli/morvane-cli');
  const run = (...args) => execFileSync(cli, args, { cwd: join(folder, 'app'), encoding: 'utf8' });
  run('first-run');
  return { folder, run, remove: () => rmSync(folder, { recursive: true, force: true }) };
}

// Serves one folder and nothing else.
async function serve(folder) {
  const server = createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname.slice(1));
    if (name === 'favicon.ico') {
      response.writeHead(204).end();
      return;
    }
    if (name.includes('/') || !readdirSync(folder).includes(name)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'content-type': TYPES[extname(name)] ?? 'application/octet-stream' });
    response.end(readFileSync(join(folder, name)));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { origin: `http://127.0.0.1:${server.address().port}`, close: () => new Promise((resolve) => server.close(resolve) && server.closeAllConnections()) };
}

describe('a published folder', () => {
  let install;
  const published = new Map();
  before(() => {
    install = installation();
    for (const kind of KINDS) {
      const folder = join(install.folder, 'site', kind);
      install.run('publish', '--markup', 'modern', kind, folder);
      published.set(kind, folder);
    }
  });
  after(() => install?.remove());

  test('holds the page and exactly the files it names', () => {
    for (const kind of KINDS) {
      const out = install.run('html', '--markup', 'modern', '--runtime', kind);
      const needed = out.slice(out.indexOf('--- needed files\n') + 17).trim().split('\n');
      const page = `${kind.toLowerCase()}.html`;
      assert.deepEqual(readdirSync(published.get(kind)).sort(), [page, ...needed].sort(), kind);
      const html = readFileSync(join(published.get(kind), page), 'utf8');
      assert.match(html, /^<!DOCTYPE html>\r\n<html lang="en">\r\n/, kind);
      assert.ok(html.includes(out.slice(0, out.indexOf('--- needed files\n')).trimEnd().replaceAll('\n', '\r\n')), kind);
    }
  });

  test('passes the HTML checker', { skip: !haveJava && 'no Java runtime' }, () => {
    const pages = KINDS.map((kind) => join(published.get(kind), `${kind.toLowerCase()}.html`));
    const run = spawnSync('java', ['-jar', vnuJar, '--format', 'json', ...pages], { encoding: 'utf8' });
    const { messages } = JSON.parse(run.stderr);
    // Its plain infos may stay: `name` is <morvane-param>'s own attribute, unknown to the checker.
    const problems = messages
      .filter((m) => m.type !== 'info' || m.subType === 'warning')
      .map((m) => `${m.url.split('/').pop()}:${m.lastLine}: ${m.subType ?? m.type}: ${m.message}`);
    assert.deepEqual(problems, []);
  });

  describe('served alone', { skip: !haveChromium && 'no Chromium' }, () => {
    let browser;
    before(async () => {
      browser = await launchBrowser();
    });
    after(() => browser?.close());

    for (const kind of PLAYED) {
      test(`runs ${kind}`, async () => {
        const site = await serve(published.get(kind));
        try {
          // A file the page needs and the folder lacks is a console error of its own.
          const { page: opened, problems } = await openPage(browser, `${site.origin}/${kind.toLowerCase()}.html`, undefined, { realClock: true });
          await canvases(opened);
          const running = await opened.evaluate(() => Boolean(document.querySelector('canvas.morvane-applet').morvaneApplet?.instance));
          assert.ok(running, `${kind} did not start: ${problems}`);
          const drawn = await pixelsUntil(opened, (p) => p.count((r, g, b) => [r, g, b].join() !== p.at(0, 0).slice(0, 3).join()) > 0, 120);
          assert.ok(drawn.count((r, g, b) => [r, g, b].join() !== drawn.at(0, 0).slice(0, 3).join()) > 0, `${kind} drew nothing`);
          assert.deepEqual(problems, []);
          await opened.close();
        } finally {
          await site.close();
        }
      });
    }
  });
});
