// Pictures: one leading to a link chosen at random, one chosen at random, and protected ones.

import { P } from '../core/params.js';
import { drawPlaced, placeImage } from '../core/images.js';
import { pictureCanvas } from '../core/display.js';
import { linkCanvas } from '../core/common.js';
import { registerKind } from '../core/applet.js';

function pickAtRandom(list) {
  return list.length ? list[Math.floor(Math.random() * list.length)] : null;
}

registerKind('RandomLink', {
  drawsSeldom: true,
  label: () => 'A page chosen at random',
  params: { image: P.text(), target: P.text('_self'), links: P.aligned('link', { count: 'link_number' }) },
  async create(ctx) {
    pictureCanvas(ctx); // pictures only: one backing pixel per CSS pixel, as the picture kinds
    const links = ctx.params.links.filter(Boolean);
    const image = ctx.params.image ? await ctx.loadImage(ctx.params.image) : null;
    const picture = image && placeImage(image, ctx.width, ctx.height);
    // The picture is a real link to one of the pages, chosen anew once it has been followed, so
    // that the address the browser shows is the one a click opens.
    let anchor = null;
    const choose = () => {
      const link = pickAtRandom(links);
      if (link === null) return;
      const chosen = linkCanvas(ctx.canvas, link, ctx.params.target);
      if (chosen) anchor = chosen;
      else ctx.log(`link ${JSON.stringify(link)} not followed`);
    };
    choose();
    const again = () => setTimeout(choose);
    anchor?.addEventListener('click', again);
    return {
      draw(g) {
        if (picture) drawPlaced(g, picture);
      },
      dispose: () => anchor?.removeEventListener('click', again),
    };
  },
});

// The pictures of RandomImage and Protect, as many as `images_number` says.
const PICTURES = { images: P.aligned('image', { count: 'images_number' }) };

registerKind('RandomImage', {
  drawsSeldom: true,
  label: () => 'Picture',
  params: PICTURES,
  async create(ctx) {
    pictureCanvas(ctx); // pictures only: one backing pixel per CSS pixel, as the picture kinds
    const names = ctx.params.images.filter(Boolean);
    // Another picture when the chosen one is missing, so a broken entry does not leave it empty.
    const order = names.map((name) => [Math.random(), name]).sort((a, b) => a[0] - b[0]);
    let picture = null;
    for (const [, name] of order) {
      const image = await ctx.loadImage(name);
      if (image) {
        picture = placeImage(image, ctx.width, ctx.height);
        break;
      }
    }
    return {
      draw(g) {
        if (picture) drawPlaced(g, picture);
      },
    };
  },
});

// Pictures drawn on the canvas, no image element to save: the context menu and dragging are
// turned off. Several pictures follow one another.
const PROTECT_HOLD = 3000;

registerKind('Protect', {
  drawsSeldom: true,
  label: () => 'Pictures',
  params: PICTURES,
  async create(ctx) {
    pictureCanvas(ctx); // pictures only: one backing pixel per CSS pixel, as the picture kinds
    const names = ctx.params.images.filter(Boolean);
    const pictures = (await ctx.loadImages(names)).map((image) => placeImage(image, ctx.width, ctx.height));
    const canvas = ctx.canvas;
    const refuse = (event) => event.preventDefault();
    canvas.addEventListener('contextmenu', refuse);
    canvas.addEventListener('dragstart', refuse);
    canvas.style.userSelect = 'none';
    canvas.style.webkitUserSelect = 'none';
    let shown = 0;
    return {
      pause: pictures.length > 1 ? PROTECT_HOLD : 0,
      step(n) {
        shown = (shown + n) % pictures.length;
      },
      draw(g) {
        if (pictures.length) drawPlaced(g, pictures[shown]);
      },
      dispose() {
        canvas.removeEventListener('contextmenu', refuse);
        canvas.removeEventListener('dragstart', refuse);
      },
    };
  },
});
