// How an applet meets the visitor's screen: a canvas with as many pixels as the screen shows in
// its place (so its text is as crisp as the page's own), and animations that keep still for a
// visitor who asked the system for less motion, except while that visitor points at or focuses
// the applet.

import { wake } from './loop.js';

// A canvas this large already costs 64 MB; a denser screen gets no more backing pixels than that.
const MAX_BACKING_PIXELS = 4096 * 4096;

const shown = new Set();
// Applets that asked for fewer backing pixels: applet -> the most they want.
const limits = new WeakMap();
let ratioQuery = null;
let fittedRatio = 1;
let motionQuery = null;
let focusedCanvas = null;
// Applets that have been set at their representative frame since motion was last reduced.
let rested = new WeakSet();

// Backing pixels per CSS pixel for a canvas of width × height at the screen's pixel ratio, with
// at most `most` backing pixels.
export function backingScale(width, height, ratio, most = MAX_BACKING_PIXELS) {
  const wanted = Number.isFinite(ratio) && ratio > 0 ? ratio : 1;
  return Math.min(wanted, Math.sqrt(most / (width * height)));
}

function screenRatio() {
  return typeof devicePixelRatio === 'number' ? devicePixelRatio : 1;
}

// The CSS width each applet is shown at, once the page has laid it out: an applet fits its
// container, so it may be shown smaller than its own size, and its backing pixels follow.
const shownWidths = new WeakMap();
let resizes = null;

// Sizes the canvas for the screen and sets the transform that lets kinds draw in CSS pixels of
// their own size, whatever the size shown. Resizing clears the canvas and its state, so the
// applet is drawn again.
function fitCanvas(applet) {
  const canvas = applet.canvas;
  const shrunk = (shownWidths.get(applet) ?? applet.width) / applet.width;
  const scale = backingScale(applet.width, applet.height, screenRatio() * shrunk, limits.get(applet));
  const width = Math.max(1, Math.round(applet.width * scale));
  const height = Math.max(1, Math.round(applet.height * scale));
  if (canvas.width !== width || canvas.height !== height) applet.surface.resize(width, height);
  applet.g.setTransform(width / applet.width, 0, 0, height / applet.height, 0, 0);
}

// One observer for every canvas; it reports a canvas once laid out and again whenever its
// container makes it wider or narrower. A canvas not shown (a hidden tab) keeps its pixels.
function followSize(applet) {
  if (typeof ResizeObserver !== 'function') return;
  resizes ??= new ResizeObserver((entries) => {
    for (const entry of entries) {
      const shownApplet = entry.target.morvaneApplet;
      const width = entry.contentBoxSize?.[0]?.inlineSize ?? entry.contentRect.width;
      if (!shownApplet || shownApplet.disposed || !(width > 0)) continue;
      if (Math.abs((shownWidths.get(shownApplet) ?? shownApplet.width) - width) < 0.5) continue;
      shownWidths.set(shownApplet, width);
      fitCanvas(shownApplet);
      shownApplet.invalidate();
    }
  });
  resizes.observe(applet.canvas);
}

// A resolution query matches only the ratio it names: when it stops matching, the ratio changed
// (a zoom, the window moved to another screen), and the next query names the new one.
function followRatio() {
  if (typeof matchMedia !== 'function') return;
  fittedRatio = screenRatio();
  ratioQuery?.removeEventListener('change', followRatio);
  ratioQuery = matchMedia(`(resolution: ${fittedRatio}dppx)`);
  ratioQuery.addEventListener('change', followRatio);
  if (shown.size === 0) return;
  for (const applet of shown) {
    if (!applet.canvas.isConnected || applet.disposed) {
      shown.delete(applet);
      resizes?.unobserve(applet.canvas);
      continue;
    }
    fitCanvas(applet);
    applet.invalidate();
  }
}

function followMotion() {
  if (!motionQuery || typeof matchMedia !== 'function') return;
  if (motionQuery.matches) rested = new WeakSet();
  for (const applet of shown) applet.invalidate?.();
  wake();
}

// The applet whose canvas has the focus, or whose focused wrapper holds it alone.
function appletCanvasOf(element) {
  if (!element || element === document.body || element === document.documentElement) return null;
  if (element.matches?.('canvas.morvane-applet')) return element;
  const inside = element.querySelectorAll?.('canvas.morvane-applet');
  return inside?.length === 1 ? inside[0] : null;
}

function listenOnce() {
  if (ratioQuery || typeof matchMedia !== 'function') return;
  followRatio();
  motionQuery = matchMedia('(prefers-reduced-motion: reduce)');
  motionQuery.addEventListener('change', followMotion);
  document.addEventListener('focusin', (event) => {
    focusedCanvas = appletCanvasOf(event.target);
    wake();
  });
  document.addEventListener('focusout', () => {
    focusedCanvas = null;
    wake();
  });
}

// Gives a new applet's canvas its backing pixels and keeps them matched to the screen.
export function showOnScreen(applet) {
  listenOnce();
  // Applets the page took away are let go here, so that a page that keeps changing them holds
  // no more than it shows.
  for (const gone of shown) {
    if (!gone.disposed) continue;
    shown.delete(gone);
    resizes?.unobserve(gone.canvas);
  }
  shown.add(applet);
  fitCanvas(applet);
  followSize(applet);
  // A held animation runs while pointed at: the loop has to hear of it, even when it sleeps.
  applet.canvas.addEventListener('pointerenter', wake);
  applet.canvas.addEventListener('pointerleave', wake);
}

// Some ratio changes come with no query change (an emulated screen): the loop looks each frame.
export function followScreen() {
  if (ratioQuery && screenRatio() !== fittedRatio) followRatio();
}

// For kinds that work on every pixel each frame: the canvas gets at most `count` backing pixels
// (the browser stretches it to its place, far cheaper than a stretching draw), and kinds keep
// drawing in CSS pixels. Returns the backing pixels per CSS pixel when it is fewer than one.
export function limitPixels(canvas, count) {
  const applet = canvas?.morvaneApplet;
  if (!applet) return 1;
  limits.set(applet, count);
  fitCanvas(applet);
  return Math.min(1, backingScale(applet.width, applet.height, 1, count));
}

// For kinds that show pictures: a picture has no more pixels than the applet's CSS pixels, so a
// denser canvas would only stretch it at a higher cost.
export function pictureCanvas(ctx) {
  limitPixels(ctx.canvas, ctx.width * ctx.height);
}

export function motionReduced() {
  return Boolean(motionQuery?.matches);
}

// Whether the applet's animation keeps still now. The first time it does, a kind whose opening
// frame shows little (a text that has yet to come in) is set at a frame that shows what it does.
export function holdsStill(applet) {
  if (!motionReduced() || applet.hovered || focusedCanvas === applet.canvas) return false;
  if (!rested.has(applet)) {
    rested.add(applet);
    if (applet.instance?.rest) {
      applet.guard(() => applet.instance.rest());
      applet.dirty = true;
    }
  }
  return true;
}
