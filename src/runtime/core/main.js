// Starts the runtime on the page. The build makes a second copy of the script on the same page
// return before it does anything.

import { startApplets } from './loader.js';
import { useManualClock } from './loop.js';

if (typeof document !== 'undefined') {
  // Known only while this script runs: its address is where the kinds' files are.
  const from = document.currentScript;
  if (typeof globalThis.morvaneAppletsClock === 'object' && globalThis.morvaneAppletsClock) useManualClock(globalThis.morvaneAppletsClock);
  // A script without `defer` may run before the applets further down are parsed.
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', () => startApplets(from));
  else startApplets(from);
}
