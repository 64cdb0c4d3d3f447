// Images named by parameters, and their pixels where the browser lets the page read them; what
// the picture kinds share to place an image and to draw pixels of their own.

import { safeMediaUrl } from './links.js';

// Resolves to the loaded image, or null (refused address, missing or broken file).
export function loadImage(name, base, log) {
  const url = safeMediaUrl(name, base);
  if (!url) {
    log(`image ${name} not loaded (address refused)`);
    return Promise.resolve(null);
  }
  return new Promise((resolve) => {
    const image = new Image();
    image.onload = () => resolve(image);
    image.onerror = () => {
      log(`image ${name} not loaded`);
      resolve(null);
    };
    image.src = url;
  });
}

// The image's pixels at the given size, or null when the browser forbids reading them (a page
// opened from the disk cannot read its own images); pixel kinds then draw without pixel work.
export function imagePixels(image, width = image.naturalWidth, height = image.naturalHeight) {
  const canvas = document.createElement('canvas');
  canvas.width = Math.max(1, width);
  canvas.height = Math.max(1, height);
  const g = canvas.getContext('2d', { willReadFrequently: true });
  g.drawImage(image, 0, 0, canvas.width, canvas.height);
  try {
    return g.getImageData(0, 0, canvas.width, canvas.height);
  } catch {
    return null;
  }
}

// What a picture kind is without its picture: a blank applet, with one console line that says
// why, so that the page's author is not left guessing.
export function blankApplet(ctx, names) {
  const given = [names].flat().filter(Boolean);
  ctx.log(given.length ? `nothing to show: ${given.join(', ')} did not load` : 'nothing to show: no image is named');
  return { draw() {} };
}

// An image at its own size, centred, made smaller (never larger) when it exceeds the applet.
export function placeImage(image, width, height) {
  const scale = Math.min(1, width / image.naturalWidth, height / image.naturalHeight);
  const w = Math.max(1, Math.round(image.naturalWidth * scale));
  const h = Math.max(1, Math.round(image.naturalHeight * scale));
  return { image, x: Math.round((width - w) / 2), y: Math.round((height - h) / 2), w, h };
}

export function drawPlaced(g, placed) {
  g.drawImage(placed.image, placed.x, placed.y, placed.w, placed.h);
}

// A buffer of pixels drawn over the background through a canvas of its own, so that transparent
// pixels let the background (and its mouse-over color) show.
export class Surface {
  constructor(width, height) {
    this.canvas = document.createElement('canvas');
    this.canvas.width = width;
    this.canvas.height = height;
    this.g = this.canvas.getContext('2d');
    this.image = this.g.createImageData(width, height);
    this.data = this.image.data;
  }

  // At (x, y), at its own size unless given another.
  present(g, x = 0, y = 0, w = this.canvas.width, h = this.canvas.height) {
    this.g.putImageData(this.image, 0, 0);
    g.drawImage(this.canvas, x, y, w, h);
  }
}
