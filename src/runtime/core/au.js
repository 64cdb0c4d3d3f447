// AU sound files (".snd" header; mu-law, 8-bit or 16-bit linear, big-endian): browsers do not
// play them, so they are decoded here into float samples for Web Audio.

const MAGIC = 0x2e736e64;
const HEADER_SIZE = 24;
const UNKNOWN_SIZE = 0xffffffff;
const ENCODINGS = { 1: 'mulaw', 2: 'linear8', 3: 'linear16' };

export function muLawToLinear(code) {
  const u = ~code & 0xff;
  const exponent = (u >> 4) & 7;
  const magnitude = ((((u & 0x0f) << 3) + 0x84) << exponent) - 0x84;
  return u & 0x80 ? -magnitude : magnitude;
}

const MU_LAW = Float32Array.from({ length: 256 }, (_, code) => muLawToLinear(code) / 32768);

export class AuError extends Error {}

// Returns { sampleRate, channels: Float32Array[] }. Throws AuError on anything it cannot play;
// no header field is trusted beyond the bytes really present.
export function decodeAu(buffer) {
  const view = new DataView(buffer);
  if (view.byteLength < HEADER_SIZE || view.getUint32(0) !== MAGIC) throw new AuError('not an AU file');
  const offset = view.getUint32(4);
  const declared = view.getUint32(8);
  const encoding = ENCODINGS[view.getUint32(12)];
  const sampleRate = view.getUint32(16);
  const channelCount = view.getUint32(20);
  if (!encoding) throw new AuError(`unsupported AU encoding ${view.getUint32(12)}`);
  if (offset < HEADER_SIZE || offset > view.byteLength) throw new AuError('bad AU data offset');
  if (channelCount < 1 || channelCount > 8) throw new AuError('bad AU channel count');
  if (sampleRate < 1000 || sampleRate > 384000) throw new AuError('bad AU sample rate');

  const available = view.byteLength - offset;
  const size = declared === UNKNOWN_SIZE ? available : Math.min(declared, available);
  const bytesPerSample = encoding === 'linear16' ? 2 : 1;
  const frames = Math.floor(size / (bytesPerSample * channelCount));
  if (frames === 0) throw new AuError('empty AU file');

  const channels = Array.from({ length: channelCount }, () => new Float32Array(frames));
  let at = offset;
  for (let f = 0; f < frames; f++) {
    for (let c = 0; c < channelCount; c++) {
      let sample;
      if (encoding === 'mulaw') sample = MU_LAW[view.getUint8(at)];
      else if (encoding === 'linear8') sample = view.getInt8(at) / 128;
      else sample = view.getInt16(at) / 32768;
      channels[c][f] = sample;
      at += bytesPerSample;
    }
  }
  return { sampleRate, channels };
}

export function isAu(buffer) {
  return buffer.byteLength >= 4 && new DataView(buffer).getUint32(0) === MAGIC;
}
