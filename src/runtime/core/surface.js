// Where an applet draws, and how its picture reaches the page.
//
// A browser that composites in software copies every 2D canvas in view each time anything on
// the page changes, whether that canvas changed or not: on a page of animations, the applets
// that sit still (buttons, forms, tables, games waiting for a move) cost as much as the moving
// ones. An applet whose kind changes its picture seldom therefore draws on a canvas of its own,
// off the page, and hands each finished picture to the page's canvas whole; the browser keeps a
// handed picture until the next one comes. Moving kinds draw in place: handing over a picture
// costs more than the copy it saves when a new one comes every frame.

// The page's canvas drawn on directly.
function inPlaceSurface(canvas) {
  return {
    g: canvas.getContext('2d'),
    resize(width, height) {
      canvas.width = width;
      canvas.height = height;
    },
    present() {},
  };
}

function handedSurface(canvas) {
  const offscreen = new OffscreenCanvas(canvas.width, canvas.height);
  const g = offscreen.getContext('2d');
  // Asked only once the offscreen canvas can draw: a canvas keeps the first kind of context.
  const screen = g && canvas.getContext('bitmaprenderer');
  if (!screen) return null;
  return {
    g,
    resize(width, height) {
      canvas.width = width;
      canvas.height = height;
      offscreen.width = width;
      offscreen.height = height;
    },
    present() {
      // Handing the picture over leaves the offscreen canvas blank; it is drawn back, so that a
      // kind finds its last picture under its next drawing as it would on the page's canvas.
      const picture = offscreen.transferToImageBitmap();
      g.save();
      g.setTransform(1, 0, 0, 1, 0, 0);
      g.globalCompositeOperation = 'copy';
      g.globalAlpha = 1;
      g.shadowColor = 'transparent';
      g.filter = 'none';
      g.drawImage(picture, 0, 0);
      g.restore();
      screen.transferFromImageBitmap(picture);
    },
  };
}

// The surface of an applet whose canvas is `canvas`: `g` to draw with, `resize(w, h)` for its
// backing pixels (which clears it), and `present()` once a picture is finished.
export function drawingSurface(canvas, seldom) {
  const handed = seldom && typeof OffscreenCanvas === 'function' && typeof ImageBitmapRenderingContext === 'function';
  return (handed && handedSurface(canvas)) || inPlaceSurface(canvas);
}
