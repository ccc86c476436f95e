// Sprites with transparent margins packed by free-tex-packer's MaxRects "Smart" with allowTrim
// (free-tex-packer-core's own trimmer and packer, padding 0, extrude 0, no rotation), written
// with its results, for bench_texture to trim and pack the same sprites beside it.
// Each sprite is an opaque rectangle in a transparent frame: both trimmers keep exactly it.
// Usage: node free-tex-packer-trim-sets.js OUT.json   (free-tex-packer-core installed beside it)
"use strict";
const fs = require("fs");
const PackProcessor = require("free-tex-packer-core/PackProcessor");
const TextureRenderer = require("free-tex-packer-core/utils/TextureRenderer");
const MaxRectsPacker = require("free-tex-packer-core/packers/MaxRectsPacker");

// The same small generator as free-tex-packer-sets.js.
function generator(seed) {
    let state = seed >>> 0;
    return (low, high) => {
        state = (Math.imul(state, 1664525) + 1013904223) >>> 0;
        return low + ((state >>> 8) % (high - low + 1));
    };
}

// A w x h RGBA bitmap, opaque inside the rectangle, transparent elsewhere, as Jimp holds one.
function bitmap(w, h, inner) {
    const data = new Uint8Array(w * h * 4);
    for (let y = inner.y; y < inner.y + inner.h; ++y)
        for (let x = inner.x; x < inner.x + inner.w; ++x) data.set([40, 200, 60, 255], 4 * (y * w + x));
    return { width: w, height: h, bitmap: { width: w, height: h, data } };
}

const sets = [];
for (let seed = 1; seed <= 5; ++seed) {
    const pick = generator(seed * 104729);
    const sprites = [];
    for (let i = 0; i < 60; ++i) {
        const w = 8 * pick(4, 32), h = 8 * pick(4, 32);
        const left = pick(0, w >> 2), right = pick(0, w >> 2);
        const top = pick(0, h >> 2), bottom = pick(0, h >> 2);
        sprites.push({ w, h, inner: { x: left, y: top, w: w - left - right, h: h - top - bottom } });
    }
    const images = {};
    sprites.forEach((s, i) => { images[String(i).padStart(2, "0")] = bitmap(s.w, s.h, s.inner); });
    const options = { width: 4096, height: 4096, padding: 0, extrude: 0, allowRotation: false,
                      allowTrim: true, packer: MaxRectsPacker, packerMethod: "Smart" };
    let sheets;
    PackProcessor.pack(images, options, (result) => { sheets = result; },
                       (error) => { throw new Error(error.description); });
    if (sheets.length !== 1) throw new Error("free-tex-packer needed " + sheets.length + " sheets");
    const { width, height } = TextureRenderer.getSize(sheets[0], options);
    let area = 0;
    for (const item of sheets[0]) area += item.frame.w * item.frame.h;
    sets.push({ seed, sprites, freeTexPacker: { width, height, occupancy: area / (width * height) } });
}
fs.writeFileSync(process.argv[2], JSON.stringify({ sets }, null, 1));
for (const s of sets)
    console.log(`avec rognage #${s.seed}: ${s.freeTexPacker.width} x ${s.freeTexPacker.height}, ` +
                `${(100 * s.freeTexPacker.occupancy).toFixed(1)} %`);
