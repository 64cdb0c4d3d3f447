// Slide shows: images that arrive one over the other, each in its own way, and stay in full
// view for a while before the next one comes.

import { P } from '../core/params.js';
import { blankApplet, drawPlaced, placeImage } from '../core/images.js';
import { slideShowLabel } from '../core/kit.js';
import { pictureCanvas } from '../core/display.js';
import { registerKind } from '../core/applet.js';

// Part of a placed image: the applet rectangle (x, y, w, h) clipped to the picture.
function drawPart(g, p, x, y, w, h) {
  const x0 = Math.max(x, p.x);
  const y0 = Math.max(y, p.y);
  const x1 = Math.min(x + w, p.x + p.w);
  const y1 = Math.min(y + h, p.y + p.h);
  if (x1 <= x0 || y1 <= y0) return;
  const sx = p.image.naturalWidth / p.w;
  const sy = p.image.naturalHeight / p.h;
  g.drawImage(p.image, (x0 - p.x) * sx, (y0 - p.y) * sy, (x1 - x0) * sx, (y1 - y0) * sy, x0, y0, x1 - x0, y1 - y0);
}

// Each show's transition: how many pixels of progress it takes on an applet of this size, and
// how the arriving image `next` is drawn over the leaving one (already drawn) at `done` pixels.
const TRANSITIONS = {
  // Vertical strips that all widen from their left edge until they meet.
  CropImages: {
    length: (size, p) => p.strip,
    draw(g, next, done, size, p) {
      const open = Math.min(done, p.strip);
      for (let x = 0; x < size.width; x += p.strip) drawPart(g, next, x, 0, open, size.height);
    },
  },
  // A window on the arriving image that grows from the centre.
  CropImages2: {
    length: (size) => Math.ceil(Math.max(size.width, size.height) / 2),
    draw(g, next, done, size) {
      const fx = Math.min(1, done / (size.width / 2));
      const fy = Math.min(1, done / (size.height / 2));
      const w = size.width * fx;
      const h = size.height * fy;
      drawPart(g, next, (size.width - w) / 2, (size.height - h) / 2, w, h);
    },
  },
  // The arriving image slides in from the right and covers the other one.
  ImageStream: {
    length: (size) => size.width,
    draw(g, next, done, size) {
      const shift = size.width - Math.min(done, size.width);
      g.drawImage(next.image, next.x + shift, next.y, next.w, next.h);
    },
  },
  // The arriving image grows from a point in the centre to its full size.
  Zoom: {
    length: (size) => Math.ceil(size.width / 2),
    draw(g, next, done, size) {
      const f = Math.min(1, done / (size.width / 2));
      const w = next.w * f;
      const h = next.h * f;
      if (w >= 1 && h >= 1) g.drawImage(next.image, next.x + (next.w - w) / 2, next.y + (next.h - h) / 2, w, h);
    },
  },
};

// The state of a show, apart from drawing: which image leaves, which arrives, how far it is.
export function createShow(count, length) {
  return {
    from: -1, // nothing before the first image: it arrives over the background
    to: 0,
    done: 0,
    holding: false,
    // Advances n steps of `step` pixels; `holding` once the arriving image is in full view.
    step(n, step) {
      if (count === 0) return;
      if (this.holding) {
        this.holding = false;
        this.from = this.to;
        this.to = (this.to + 1) % count;
        this.done = 0;
      }
      this.done = Math.min(length, this.done + n * step);
      if (this.done >= length) this.holding = true;
    },
    // The arriving image in full view at once.
    complete() {
      if (count === 0) return;
      this.done = length;
      this.holding = true;
    },
  };
}

// The definition of a slide show kind with the given transition and parameters of its own.
function slideShow(transition, ownParams = {}) {
  return {
    params: { pause: P.int(50), pause2: P.int(1000), step: P.int(2), image: P.list('image_number'), ...ownParams },
    label: (p) => slideShowLabel(p.image),
    async create(ctx) {
      pictureCanvas(ctx);
      const size = { width: ctx.width, height: ctx.height };
      const { pause, pause2, step, image: names } = ctx.params;
      const placed = (await ctx.loadImages(names)).map((image) => placeImage(image, size.width, size.height));
      const options = { strip: ctx.params.strip_width ?? 10 };
      const show = createShow(placed.length, Math.max(1, transition.length(size, options)));
      if (placed.length === 0) return blankApplet(ctx, names);
      return {
        // Nothing moves while an image is held in full view: step again only after the long pause.
        get pause() {
          return show.holding ? pause2 : pause;
        },
        step: (n) => show.step(n, step),
        rest: () => show.complete(),
        draw(g) {
          if (show.from >= 0) drawPlaced(g, placed[show.from]);
          if (show.holding) drawPlaced(g, placed[show.to]);
          else transition.draw(g, placed[show.to], show.done, size, options);
        },
      };
    },
  };
}

registerKind('CropImages', slideShow(TRANSITIONS.CropImages, { strip_width: P.int(10) }));
registerKind('CropImages2', slideShow(TRANSITIONS.CropImages2));
registerKind('ImageStream', slideShow(TRANSITIONS.ImageStream));
registerKind('Zoom', slideShow(TRANSITIONS.Zoom));
