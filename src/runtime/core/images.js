// Images named by parameters, and their pixels where the browser lets the page read them.

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
