// The applet code the program writes, taken from `morvane-cli html` in a copy of the shipped
// installation, so that the tests hold the runtime and the markup against the real generator.
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { builtFile } from './built.mjs';

const data = fileURLToPath(new URL('../../data/', import.meta.url));
const NOT_KINDS = new Set(['descriptions', 'options', 'directories']);

// Every kind the shipped morvane.ini holds settings for, in its order.
export function shippedKinds() {
  const sections = readFileSync(join(data, 'morvane.ini'), 'utf8').matchAll(/^\[([^\]]+)\]\r?$/gm);
  return [...sections].map((m) => m[1]).filter((name) => !NOT_KINDS.has(name));
}

// A copy of the shipped data after its first run, removed by `remove()`; `code(kind, args)` is KIND's code lines
// (without the needed files) as `morvane-cli html ARGS... KIND` prints them there.
export function shippedInstallation() {
  const folder = mkdtempSync(join(tmpdir(), 'morvane-install-'));
  cpSync(data, folder, { recursive: true });
  const cli = builtFile('src/cli/morvane-cli');
  // The sample settings name media that the first run puts beside the samples.
  execFileSync(cli, ['first-run'], { cwd: folder });
  return {
    folder,
    code(kind, args = []) {
      const out = execFileSync(cli, ['html', ...args, kind], { cwd: folder, encoding: 'utf8' });
      return out.slice(0, out.indexOf('--- needed files\n')).trimEnd();
    },
    remove: () => rmSync(folder, { recursive: true, force: true }),
  };
}
