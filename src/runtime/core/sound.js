// Sounds through Web Audio. Browsers keep audio suspended until the visitor's first gesture:
// sounds asked to wait for it (the on-load sound) start then; the others are dropped meanwhile.

import { decodeAu, isAu } from './au.js';
import { safeMediaUrl } from './links.js';

let audio = null;
const waiting = new Set();
const GESTURES = ['pointerdown', 'keydown', 'touchend'];

function unlock() {
  if (!audio) return;
  audio.resume().then(() => {
    for (const start of waiting) start();
    waiting.clear();
    for (const type of GESTURES) document.removeEventListener(type, unlock, true);
  }, () => {});
}

function audioContext() {
  if (audio) return audio;
  const Context = globalThis.AudioContext ?? globalThis.webkitAudioContext;
  if (!Context) return null;
  audio = new Context();
  for (const type of GESTURES) document.addEventListener(type, unlock, true);
  return audio;
}

async function decode(context, bytes) {
  if (isAu(bytes)) {
    const { sampleRate, channels } = decodeAu(bytes);
    const buffer = context.createBuffer(channels.length, channels[0].length, sampleRate);
    channels.forEach((samples, c) => buffer.copyToChannel(samples, c));
    return buffer;
  }
  return context.decodeAudioData(bytes);
}

// A sound named by a parameter, loaded in the background. play() before it has loaded plays it
// as soon as it has; a sound that cannot load stays silent and logs one line.
export class Sound {
  constructor(name, base, log) {
    this.source = null;
    this.pending = null;
    this.stopped = false;
    const url = safeMediaUrl(name, base);
    const context = url && audioContext();
    this.ready = !context
      ? Promise.resolve(null)
      : fetch(url)
          .then((response) => {
            if (!response.ok) throw new Error(`HTTP ${response.status}`);
            return response.arrayBuffer();
          })
          .then((bytes) => decode(context, bytes))
          .catch((error) => {
            log(`sound ${name} not played (${error.message})`);
            return null;
          });
    this.ready.then((buffer) => {
      this.buffer = buffer;
      if (buffer && this.pending) this.play(this.pending);
    });
  }

  // options: { loop, waitForGesture }
  play(options = {}) {
    if (this.stopped) return;
    if (!this.buffer) {
      this.pending = options;
      return;
    }
    this.pending = null;
    const start = () => {
      if (this.stopped) return;
      if (options.loop) this.stopSource();
      const source = audio.createBufferSource();
      source.buffer = this.buffer;
      source.loop = Boolean(options.loop);
      source.connect(audio.destination);
      source.start();
      // The latest source, so that stop() and stopSource() also end a clip still playing.
      this.source = source;
    };
    if (audio.state === 'running') start();
    else if (options.waitForGesture) waiting.add(start);
  }

  stopSource() {
    if (this.source) {
      try {
        this.source.stop();
      } catch {
        // already ended
      }
      this.source = null;
    }
  }

  stop() {
    this.stopped = true;
    this.stopSource();
  }
}
