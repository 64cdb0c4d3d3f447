// One animation loop for every applet of the page: each applet steps at its own pause, and
// nothing steps or draws while the applet is out of view or the tab is hidden. An animation
// held still for a visitor who wants less motion is drawn when it changes, and never stepped.

import { followScreen, holdsStill } from './display.js';

// After a long stall (a slow machine, a debugger) the animation resumes instead of catching up.
const MAX_STEPS = 8;
// Each frame in which any canvas changes costs the browser a whole paint of the page, whatever
// changed. A page with more animations in view than this draws them together on every other
// frame: each keeps its speed (it takes the steps it is owed), and the page paints half as often.
const CROWD = 8;

const applets = new Set();
let frame = 0;
let observer = null;
let clock = null;
let crowded = false;
let skip = false;

// A page that defines `morvaneAppletsClock = { now: 0 }` before the script drives the time
// itself: the loop then reads the time from it, and `advance(ms)` steps every applet at once,
// so an animation goes exactly as far whatever the machine's load.
export function useManualClock(hook) {
  clock = hook;
  hook.now = Number(hook.now) || 0;
  hook.advance = (ms) => {
    hook.now += ms;
    run(hook.now);
  };
}

export function loopNow() {
  return clock ? clock.now : performance.now();
}

function tick(now) {
  frame = 0;
  run(clock ? clock.now : now);
}

function run(now) {
  if (document.hidden) return;
  followScreen();
  let again = false;
  let moving = 0;
  skip = crowded && !skip;
  for (const applet of applets) {
    if (!applet.canvas.isConnected) {
      applets.delete(applet);
      observer?.unobserve(applet.canvas);
      applet.dispose();
      continue;
    }
    if (!applet.visible) continue;
    if (holdsStill(applet)) {
      // Resumed later, it starts from its held frame rather than catching up.
      applet.last = null;
      if (applet.dirty) applet.render();
      continue;
    }
    if (applet.animated) {
      moving++;
      again = true;
      if (skip) continue;
    }
    applet.tick(now);
    if (applet.dirty) again = true;
  }
  crowded = moving > CROWD;
  if (again) wake();
}

export function wake() {
  if (!frame && !document.hidden) frame = requestAnimationFrame(tick);
}

function visibilityObserver() {
  if (!observer && typeof IntersectionObserver === 'function') {
    observer = new IntersectionObserver((entries) => {
      for (const entry of entries) {
        const applet = entry.target.morvaneApplet;
        if (applet) applet.setVisible(entry.isIntersecting);
      }
      wake();
    });
    document.addEventListener('visibilitychange', wake);
  }
  return observer;
}

export function addToLoop(applet) {
  applets.add(applet);
  const io = visibilityObserver();
  if (io) io.observe(applet.canvas);
  else applet.setVisible(true);
  wake();
}

export function removeFromLoop(applet) {
  applets.delete(applet);
  observer?.unobserve(applet.canvas);
}

// Steps owed to an applet whose last step was at `last`: [steps, new last].
export function stepsDue(now, last, pause) {
  const steps = Math.floor((now - last) / pause);
  if (steps <= 0) return [0, last];
  if (steps > MAX_STEPS) return [1, now];
  return [steps, last + steps * pause];
}
