// Starts the runtime once per page, however many times the page includes the script.

import { startApplets, watchPage } from './loader.js';
import { useManualClock } from './loop.js';

const STARTED = Symbol.for('morvane-applets');

function start() {
  startApplets(document);
  watchPage();
}

if (typeof document !== 'undefined' && !globalThis[STARTED]) {
  globalThis[STARTED] = true;
  if (typeof globalThis.morvaneAppletsClock === 'object' && globalThis.morvaneAppletsClock) useManualClock(globalThis.morvaneAppletsClock);
  // Applets further down the page are still being parsed: wait for the whole document.
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
}
