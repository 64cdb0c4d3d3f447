// Players: a picture viewer with its slide show and a player for sound clips, each with its row
// of buttons and its keys. Each tells what it shows in the canvas's accessible name.

import { P } from '../core/params.js';
import { buttonRow, describeApplet, drawButton, drawMessage, fitText, fitted, hits, inkOn, listenKeys } from '../core/kit.js';
import { registerKind } from '../core/applet.js';

const FONT = 'px sans-serif';

// Buttons below a picture or a title: their rectangles, the pressed one, and clicks. `held()`
// names the button that stays sunk while its action lasts (a slide show, a clip playing).
function buttonBar(ctx, labels, actions, top, held) {
  const rects = buttonRow(labels.length, 0, top + 2, ctx.width, ctx.height - top - 4);
  let pressed = -1;
  return {
    rects,
    pointer(type, x, y, event) {
      const hit = rects.findIndex((r) => hits(ctx, x, y, r, event));
      if (type === 'down') pressed = hit;
      else if (type === 'up' || type === 'leave') pressed = -1;
      else if (type === 'click' && hit >= 0) actions[hit]();
      ctx.invalidate();
    },
    draw(g) {
      const sunk = held();
      rects.forEach((r, i) => drawButton(g, r, labels[i], i === pressed || i === sunk));
    },
  };
}

// --- ImageViewer: one picture at a time with its name; Prev, Slide on, Slide off and Next.

registerKind('ImageViewer', {
  drawsSeldom: true,
  params: {
    pause2: P.int(2000, { min: 500 }),
    next_label: P.text('Next'),
    prev_label: P.text('Prev'),
    play_label: P.text('Slide on'),
    stop_label: P.text('Slide off'),
    auto_slide: P.choice(['1', '0'], '1'),
    files: P.aligned('image'),
    names: P.aligned('image_name'),
  },
  async create(ctx) {
    const p = ctx.params;
    const { files, names } = p;
    const images = await Promise.all(files.map((file) => (file ? ctx.loadImage(file) : null)));
    const count = files.length;
    const ink = inkOn(ctx.background);
    const bar = Math.max(16, Math.min(26, Math.round(ctx.height / 9)));
    const caption = Math.max(12, Math.min(18, Math.round(ctx.height / 14)));
    const picture = { x: 4, y: 4, w: ctx.width - 8, h: ctx.height - bar - caption - 8 };
    let index = 0;
    let sliding = p.auto_slide === '1' && count > 1;
    let shownAt = ctx.now();

    const show = (i) => {
      if (count === 0) return;
      index = (i + count) % count;
      shownAt = ctx.now();
      describeApplet(ctx, `${names[index] || files[index]} (${index + 1} of ${count})${sliding ? ', slide show' : ''}`);
      ctx.invalidate();
    };
    const slide = (on) => {
      sliding = on && count > 1;
      instance.pause = sliding ? Math.min(250, p.pause2) : 0;
      show(index);
    };
    const buttons = buttonBar(ctx, [p.prev_label, p.play_label, p.stop_label, p.next_label], [
      () => show(index - 1), () => slide(true), () => slide(false), () => show(index + 1),
    ], ctx.height - bar, () => (sliding ? 1 : -1));
    const stop = listenKeys(ctx, (key) => {
      const keys = { ArrowLeft: () => show(index - 1), ArrowRight: () => show(index + 1), ' ': () => slide(!sliding) };
      return key in keys && (keys[key](), true);
    });

    const instance = {
      pause: 0,
      // Checked at a fraction of the delay, so a picture chosen by hand also stays its full time;
      // only a new picture (which asks to be drawn) changes what shows.
      step() {
        if (sliding && ctx.now() - shownAt >= p.pause2 - 10) show(index + 1);
        return false;
      },
      pointer: buttons.pointer,
      draw(g) {
        buttons.draw(g);
        if (count === 0) {
          drawMessage(g, ctx, 'No image', ink);
          return;
        }
        const image = images[index];
        if (image && picture.w > 0 && picture.h > 0) {
          const r = fitted(image, picture);
          g.drawImage(image, r.x, r.y, r.w, r.h);
        } else {
          g.strokeStyle = ink;
          g.strokeRect(picture.x + 0.5, picture.y + 0.5, picture.w - 1, picture.h - 1);
        }
        g.font = `${caption - 3}${FONT}`;
        g.textAlign = 'center';
        g.textBaseline = 'middle';
        g.fillStyle = ink;
        const name = names[index] || (image ? '' : `${files[index]} (missing)`);
        g.fillText(fitText(g, name, Math.max(1, ctx.width - 8)), ctx.width / 2, ctx.height - bar - caption / 2);
      },
      dispose: stop,
    };
    slide(sliding);
    return instance;
  },
});

// --- SoundPlayer: the clip's title scrolls between its prefix and suffix; Prev, Play, Stop, Next.

registerKind('SoundPlayer', {
  params: {
    pause: P.int(200),
    next_label: P.text('Next'),
    prev_label: P.text('Prev'),
    play_label: P.text('Play'),
    stop_label: P.text('Stop'),
    prefix: P.text('***'),
    auto_play: P.choice(['1', '0'], '1'),
    files: P.aligned('clip'),
    names: P.aligned('clip_name'),
  },
  create(ctx) {
    const p = ctx.params;
    const { files, names } = p;
    const count = files.length;
    const sounds = new Array(count).fill(null);
    const ink = inkOn(ctx.background);
    const bar = Math.max(16, Math.min(26, Math.round(ctx.height / 3)));
    const size = Math.max(9, Math.min(24, Math.round((ctx.height - bar) * 0.45)));
    const font = `bold ${size}${FONT}`;
    let index = 0;
    let playing = -1;
    let offset = 0;
    let title = '';
    let titleWidth = 0;
    let ending = 0;
    let plays = 0;

    const retitle = () => {
      const name = count ? names[index] || files[index] : 'No clip';
      title = `${p.prefix} ${name} ${p.prefix}`;
      ctx.g.font = font;
      titleWidth = ctx.g.measureText(title).width;
      offset = Math.max(0, ctx.width - 8); // starts in view, then comes round from the right
      describeApplet(ctx, `${name}${count ? ` (${index + 1} of ${count})` : ''}${playing === index ? ', playing' : ''}`);
      ctx.invalidate();
    };
    const stopClip = () => {
      clearTimeout(ending);
      const sound = sounds[playing];
      if (sound) {
        sound.pending = null; // still loading: it must not start once loaded
        sound.stopSource();
      }
      playing = -1;
    };
    // Clips load the first time they are played; a browser that waits for a gesture plays then.
    const play = () => {
      if (count === 0 || !files[index]) return;
      stopClip();
      sounds[index] ??= ctx.loadSound(files[index]);
      const sound = sounds[index];
      sound.play({ waitForGesture: true });
      playing = index;
      // Once loaded, the clip's length tells when it is over, unless another play came since.
      const token = ++plays;
      sound.ready.then((buffer) => {
        if (buffer && token === plays && playing >= 0) ending = setTimeout(stopped, buffer.duration * 1000 + 100);
      });
      retitle();
    };
    const move = (by) => {
      const wasPlaying = playing >= 0;
      stopClip();
      index = count ? (index + by + count) % count : 0;
      if (wasPlaying) play();
      else retitle();
    };
    const stopped = () => {
      stopClip();
      retitle();
    };
    const buttons = buttonBar(ctx, [p.prev_label, p.play_label, p.stop_label, p.next_label], [() => move(-1), play, stopped, () => move(1)], ctx.height - bar, () => (playing >= 0 ? 1 : -1));
    const stopKeys = listenKeys(ctx, (key) => {
      const keys = { ArrowLeft: () => move(-1), ArrowRight: () => move(1), ' ': () => (playing >= 0 ? stopped() : play()) };
      return key in keys && (keys[key](), true);
    });
    retitle();
    if (p.auto_play === '1') play();

    return {
      pause: p.pause,
      step(n) {
        const span = titleWidth + ctx.width;
        offset = (offset + 2 * n) % Math.max(1, span);
      },
      pointer: buttons.pointer,
      draw(g) {
        buttons.draw(g);
        g.save();
        g.beginPath();
        g.rect(0, 0, ctx.width, ctx.height - bar);
        g.clip();
        g.font = font;
        g.textAlign = 'left';
        g.textBaseline = 'middle';
        g.fillStyle = ink;
        g.fillText(title, ctx.width - offset, (ctx.height - bar) / 2);
        g.restore();
      },
      dispose() {
        stopKeys();
        clearTimeout(ending);
        for (const sound of sounds) sound?.stop();
      },
    };
  },
});
