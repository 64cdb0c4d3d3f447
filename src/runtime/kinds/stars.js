// A flight through a field of stars: stars leave the centre and speed up towards the edges.

import { P } from '../core/params.js';
import { registerKind } from '../core/applet.js';

// Stars starting closer than this to the centre would crawl for a long time before showing.
const MIN_START = 0.05;

export function createStarField(width, height, count, meanStep, random = Math.random) {
  const reach = Math.hypot(width, height) / 2;
  const stars = Array.from({ length: count }, () => spawn({}, reach, random, true));

  function spawn(star, reach, random, anywhere) {
    const angle = random() * 2 * Math.PI;
    star.dx = Math.cos(angle);
    star.dy = Math.sin(angle);
    star.r = reach * (anywhere ? random() : MIN_START + random() * 0.1);
    // Step proportional to the distance: a star's mean step over its flight is `meanStep`.
    star.speed = (0.5 + random()) * meanStep;
    return star;
  }

  return {
    stars,
    step(n) {
      for (let i = 0; i < n; i++) {
        for (const star of stars) {
          star.r += star.speed * (0.25 + (1.5 * star.r) / reach);
          if (star.r > reach) spawn(star, reach, random, false);
        }
      }
    },
    draw(g, color) {
      const cx = width / 2;
      const cy = height / 2;
      g.fillStyle = color;
      // One shape of all the stars: a fill each would cost the browser more than its pixels.
      g.beginPath();
      for (const star of stars) {
        const near = star.r / reach;
        const size = near < 0.3 ? 1 : near < 0.7 ? 2 : 3;
        g.rect(Math.round(cx + star.dx * star.r), Math.round(cy + star.dy * star.r), size, size);
      }
      g.fill();
    },
  };
}

registerKind('Stars', {
  label: () => 'Starry sky',
  params: {
    pause: P.int(50),
    number: P.int(100, { max: 20000 }),
    step_mean: P.int(({ width }) => Math.max(1, Math.round(width / 10))),
    star_color: P.color('#FFFFFF'),
  },
  create(ctx) {
    const { pause, number, step_mean: meanStep, star_color: color } = ctx.params;
    const field = createStarField(ctx.width, ctx.height, number, meanStep);
    return {
      pause,
      step: (n) => field.step(n),
      draw: (g) => field.draw(g, color),
    };
  },
});
