// Packs the occupancy sets with free-tex-packer's MaxRects "Smart" (free-tex-packer-core, the
// packer of the free-tex-packer tool: maxrects-packer with smart sizing, no rotation, padding 0)
// and writes them with its results, for bench_texture to pack the same sets beside it.
// Usage: node free-tex-packer-sets.js OUT.json   (free-tex-packer-core installed beside it)
"use strict";
const fs = require("fs");
const MaxRectsPacker = require("free-tex-packer-core/packers/MaxRectsPacker");

// A small linear congruential generator, so that the sets are the same wherever they are made.
function generator(seed) {
    let state = seed >>> 0;
    return (low, high) => {
        state = (Math.imul(state, 1664525) + 1013904223) >>> 0;
        return low + ((state >>> 8) % (high - low + 1));
    };
}

const kinds = {
    "puissances de deux, carrés": (pick) => { const s = 32 << pick(0, 3); return [s, s]; },
    "puissances de deux, rectangles": (pick) => [32 << pick(0, 3), 32 << pick(0, 3)],
    "multiples de 8 (16 à 256)": (pick) => [8 * pick(2, 32), 8 * pick(2, 32)],
};

const sets = [];
for (const [kind, make] of Object.entries(kinds)) {
    for (let seed = 1; seed <= 5; ++seed) {
        const pick = generator(seed * 7919);
        const sizes = [];
        for (let i = 0; i < 60; ++i) sizes.push(make(pick));
        const data = sizes.map(([w, h], i) => ({ name: String(i), frame: { x: 0, y: 0, w, h } }));
        const packer = new MaxRectsPacker(4096, 4096, false);
        const placed = packer.pack(data, "Smart");
        let width = 0, height = 0, area = 0;
        for (const item of placed) {
            width = Math.max(width, item.frame.x + item.frame.w);
            height = Math.max(height, item.frame.y + item.frame.h);
            area += item.frame.w * item.frame.h;
        }
        if (placed.length !== sizes.length) throw new Error("free-tex-packer left frames out");
        sets.push({ kind, seed, sizes, freeTexPacker: { width, height, occupancy: area / (width * height) } });
    }
}
fs.writeFileSync(process.argv[2], JSON.stringify({ sets }, null, 1));
for (const s of sets)
    console.log(`${s.kind} #${s.seed}: ${s.freeTexPacker.width} x ${s.freeTexPacker.height}, ` +
                `${(100 * s.freeTexPacker.occupancy).toFixed(1)} %`);
