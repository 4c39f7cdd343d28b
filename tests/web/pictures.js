// The game's screen as the page shows it, and its comparison with the desktop program's
// pictures (binary PPM files, as its headless "picture" command writes them).
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

// RGBA pixels of an 8-bit RGB or RGBA PNG without interlacing (as Chromium writes them).
function decodePng(bytes) {
  let at = 8, width = 0, height = 0, type = 0;
  const data = [];
  while (at < bytes.length) {
    const length = bytes.readUInt32BE(at);
    const name = bytes.toString('latin1', at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (name === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      type = body[9];
      if (body[8] !== 8 || (type !== 2 && type !== 6) || body[12] !== 0)
        throw new Error('a PNG of another kind than 8-bit RGB(A)');
    } else if (name === 'IDAT') {
      data.push(body);
    }
    at += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(data));
  const step = type === 6 ? 4 : 3, stride = width * step;
  const rows = Buffer.alloc(stride * height);
  const paeth = (a, b, c) => {
    const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
  };
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; ++i) {
      const a = i >= step ? rows[y * stride + i - step] : 0;
      const b = y > 0 ? rows[(y - 1) * stride + i] : 0;
      const c = i >= step && y > 0 ? rows[(y - 1) * stride + i - step] : 0;
      const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
      rows[y * stride + i] = (line[i] + predictor) & 255;
    }
  }
  const rgba = Buffer.alloc(width * height * 4, 255);
  for (let p = 0; p < width * height; ++p) rows.copy(rgba, p * 4, p * step, p * step + 3);
  return {width, height, rgba};
}

// RGB pixels of a binary PPM.
function readPpm(file) {
  const bytes = fs.readFileSync(file);
  const head = /^P6\s+(\d+)\s+(\d+)\s+255\s/.exec(bytes.toString('latin1', 0, 32));
  if (!head) throw new Error(`${file} is not a binary PPM`);
  return {width: Number(head[1]), height: Number(head[2]), rgb: bytes.subarray(head[0].length)};
}

function writePpm(file, picture) {
  fs.writeFileSync(file, Buffer.concat([Buffer.from(`P6\n${picture.width} ${picture.height}\n255\n`),
                                        picture.rgb]));
}

// The canvas as the page shows it (the page's buttons and status line hidden for the
// picture), scaled back to the game's screen: the 320 x 240 screen's pixel (x, y) is the
// middle of its k x k block. `unevenBlocks` counts blocks whose pixels are not all the same.
async function pageScreen(page, width = 320, height = 240) {
  const box = await page.$eval('#canvas', (c) => {
    for (const id of ['bar', 'status']) document.getElementById(id).style.visibility = 'hidden';
    const r = c.getBoundingClientRect();
    return {x: r.x, y: r.y, width: r.width, height: r.height};
  });
  const png = await page.screenshot({type: 'png', clip: box});
  await page.$eval('#canvas', () => {
    for (const id of ['bar', 'status']) document.getElementById(id).style.visibility = '';
  });
  const shot = decodePng(Buffer.from(png));
  const k = Math.round(shot.width / width);
  if (k < 1 || shot.width !== k * width || shot.height !== k * height)
    throw new Error(`the canvas shows ${shot.width} x ${shot.height}, no whole factor of ` +
                    `${width} x ${height}`);
  const rgb = Buffer.alloc(width * height * 3);
  let unevenBlocks = 0;
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      const mid = ((y * k + (k >> 1)) * shot.width + x * k + (k >> 1)) * 4;
      let even = true;
      for (let dy = 0; dy < k && even; ++dy)
        for (let dx = 0; dx < k && even; ++dx) {
          const at = ((y * k + dy) * shot.width + x * k + dx) * 4;
          for (let c = 0; c < 3; ++c) if (shot.rgba[at + c] !== shot.rgba[mid + c]) even = false;
        }
      if (!even) ++unevenBlocks;
      shot.rgba.copy(rgb, (y * width + x) * 3, mid, mid + 3);
    }
  }
  return {width, height, rgb, factor: k, unevenBlocks};
}

// The differing pixels of two pictures of the same size, and their largest channel difference.
function compare(a, b) {
  let differing = 0, largest = 0;
  for (let p = 0; p < a.width * a.height; ++p) {
    let d = 0;
    for (let c = 0; c < 3; ++c) d = Math.max(d, Math.abs(a.rgb[p * 3 + c] - b.rgb[p * 3 + c]));
    if (d > 0) ++differing;
    largest = Math.max(largest, d);
  }
  return {differing, largest, pixels: a.width * a.height};
}

// The picture of `folder` nearest to `screen` (fewest differing pixels).
function nearest(screen, folder) {
  let best = null;
  for (const name of fs.readdirSync(folder).filter((n) => n.endsWith('.ppm')).sort()) {
    const picture = readPpm(path.join(folder, name));
    if (picture.width !== screen.width || picture.height !== screen.height) continue;
    const result = {name, ...compare(screen, picture)};
    if (!best || result.differing < best.differing) best = result;
  }
  if (!best) throw new Error(`no picture of ${screen.width} x ${screen.height} in ${folder}`);
  return best;
}

module.exports = {decodePng, readPpm, writePpm, pageScreen, compare, nearest};
