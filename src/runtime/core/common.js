// The parameters every kind shares: background, sounds, tooltip, mouse-over effects, click link.

import { P } from './params.js';
import { loadImage } from './images.js';
import { safeLink, windowTarget } from './links.js';

export const COMMON_PARAMS = {
  background_color: P.color('#000000'),
  background_image: P.text(),
  status_bar_text: P.text(),
  sound_name: P.text(),
  loop_sound: P.choice(['yes', 'no'], 'no'),
  enter_sound_name: P.text(),
  enter_background_color: P.color(null),
  enter_text: P.text(),
  enter_text_color: P.color('#000000'),
  enter_text_height: P.int(10, { max: 2000 }),
  clic_sound_name: P.text(),
  link: P.text(),
  target: P.text('_self'),
};

// Opens a link the way a click on the applet does: null when the link is refused, else
// { url, opened }, opened false when the browser blocked the window it would need.
export function openLink(link, target, base) {
  const url = safeLink(link, base);
  if (!url) return null;
  const name = windowTarget(target);
  if (name === '_self') {
    window.location.assign(url);
    return { url, opened: true };
  }
  // "noopener" would make every answer null, so a blocked window could not be told apart: the
  // new page is cut from this one by hand instead, in a named window as in a new one.
  const opened = window.open(url, name);
  if (typeof opened === 'object' && opened !== null && opensApart(name)) {
    try {
      opened.opener = null;
    } catch {
      // a window of another site already has no hold on this page
    }
  }
  return { url, opened: Boolean(opened) };
}

// A new or named window, as against this page's own frames.
const opensApart = (name) => !['_self', '_parent', '_top'].includes(name);

// Makes `anchor` a link to the checked address `url` in the window `target` names; a page it
// opens apart from this one gets no hold on it.
export function linkTo(anchor, url, target) {
  const name = windowTarget(target);
  anchor.href = url;
  if (name === '_self') anchor.removeAttribute('target');
  else anchor.target = name;
  if (opensApart(name)) anchor.rel = 'noopener';
  else anchor.removeAttribute('rel');
  return anchor;
}

// Puts the applet's canvas inside a real link (the browser opens it, in a new tab too, shows its
// address and offers it to crawlers), or points the one it is in at another address. Null when
// the link is refused, which leaves the canvas as it was.
export function linkCanvas(canvas, link, target) {
  const url = safeLink(link, document.baseURI);
  if (!url) return null;
  let anchor = canvas.parentElement;
  if (!anchor?.matches('a.morvane-applet-link')) {
    anchor = document.createElement('a');
    anchor.className = 'morvane-applet-link';
    // A drag on the picture belongs to the applet, not to the browser's dragging of links.
    anchor.draggable = false;
    canvas.before(anchor);
    anchor.append(canvas);
  }
  return linkTo(anchor, url, target);
}

// `kindParams` names the parameters the kind declares itself: a kind whose own "link" is a
// button's link keeps it from acting as the click link.
// A press that became a drag (a sprite led across the applet, a speed bar moved) is no click on
// the link: the drag ends where the visitor let go, on this page.
const DRAG_SLOP = 10;
function followsDrags(anchor, applet) {
  let from = null;
  applet.canvas.addEventListener('pointerdown', (event) => (from = [event.clientX, event.clientY]));
  anchor.addEventListener('click', (event) => {
    if (from && Math.hypot(event.clientX - from[0], event.clientY - from[1]) > DRAG_SLOP) event.preventDefault();
    from = null;
  });
}

export class Common {
  constructor(applet, values, kindParams) {
    this.applet = applet;
    const own = (name) => Object.hasOwn(kindParams, name);
    const v = (name) => (own(name) ? COMMON_PARAMS[name].def : values[name]);
    this.background = v('background_color');
    this.hoverBackground = v('enter_background_color');
    this.message = v('enter_text');
    this.messageColor = v('enter_text_color');
    this.messageHeight = v('enter_text_height');
    this.link = v('link');
    this.target = v('target');
    this.pattern = null;

    const canvas = applet.canvas;
    if (v('status_bar_text')) canvas.title = v('status_bar_text');
    // A refused link leaves the applet no link at all; a click says why in the console.
    this.anchor = this.link ? linkCanvas(canvas, this.link, this.target) : null;
    if (this.anchor) followsDrags(this.anchor, applet);
    const sound = (name) => (v(name) ? applet.loadSound(v(name)) : null);
    this.loadSound = sound('sound_name');
    this.enterSound = sound('enter_sound_name');
    this.clickSound = sound('clic_sound_name');
    this.loadSound?.play({ loop: v('loop_sound') === 'yes', waitForGesture: true });

    if (v('background_image')) {
      this.imageReady = applet.loadImage(v('background_image')).then((image) => {
        if (image) this.pattern = applet.g.createPattern(image, 'repeat');
        applet.invalidate();
      });
    }
  }

  enter() {
    this.enterSound?.play();
    if (this.hoverBackground || this.message) this.applet.invalidate();
  }

  leave() {
    if (this.hoverBackground || this.message) this.applet.invalidate();
  }

  // The link around the canvas opens itself.
  click() {
    this.clickSound?.play();
    if (this.link && !this.anchor) this.applet.log(`link ${JSON.stringify(this.link)} not followed`);
  }

  paintBackground(g, width, height) {
    const color = (this.applet.hovered && this.hoverBackground) || this.background;
    if (!this.pattern) {
      g.fillStyle = color;
      g.fillRect(0, 0, width, height);
      return;
    }
    // Tiling the picture samples it anew for every backing pixel of every frame, four times the
    // pixels on a dense screen; what it gives changes only with the color, the canvas's size and
    // the transform, so it is painted once for them and copied pixel for pixel from then on.
    const t = g.getTransform();
    const key = `${g.canvas.width} ${g.canvas.height} ${t.a} ${t.b} ${t.c} ${t.d} ${t.e} ${t.f}`;
    if (this.painted?.key !== key) this.painted = { key, byColor: new Map() };
    let painted = this.painted.byColor.get(color);
    if (!painted) {
      painted = document.createElement('canvas');
      painted.width = g.canvas.width;
      painted.height = g.canvas.height;
      // The color under the picture leaves no pixel transparent: a canvas known to be opaque
      // is copied without blending.
      const pg = painted.getContext('2d', { alpha: false });
      pg.setTransform(t);
      for (const fill of [color, this.pattern]) {
        pg.fillStyle = fill;
        pg.fillRect(0, 0, width, height);
      }
      this.painted.byColor.set(color, painted);
    }
    g.save();
    g.setTransform(1, 0, 0, 1, 0, 0);
    g.drawImage(painted, 0, 0);
    g.restore();
  }

  paintOverlay(g, width, height) {
    if (!this.applet.hovered || !this.message) return;
    g.save();
    g.font = `${this.messageHeight}px sans-serif`;
    g.textAlign = 'center';
    g.textBaseline = 'middle';
    g.fillStyle = this.messageColor;
    g.fillText(this.message, width / 2, height / 2);
    g.restore();
  }

  dispose() {
    for (const sound of [this.loadSound, this.enterSound, this.clickSound]) sound?.stop();
    this.painted = null;
  }
}
