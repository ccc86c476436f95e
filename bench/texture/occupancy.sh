#!/usr/bin/env bash
# The rectangle packer beside free-tex-packer's MaxRects "Smart" on the same sets: installs
# free-tex-packer-core from the npm registry into the build folder, packs the sets with it, then
# runs bench_texture's occupancy rows on them: plain rectangles, and sprites with transparent
# margins trimmed (free-tex-packer with allowTrim).
# Usage: bench/texture/occupancy.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
peer="$build/bench/texture/free-tex-packer"
mkdir -p "$peer"
if [ ! -d "$peer/node_modules/free-tex-packer-core" ]; then
  (cd "$peer" && npm init -y >/dev/null && npm install --no-audit --no-fund free-tex-packer-core@0.3.9 >/dev/null)
fi
cp "$here/free-tex-packer-sets.js" "$here/free-tex-packer-trim-sets.js" "$peer/"
(cd "$peer" && node free-tex-packer-sets.js "$peer/sets.json")
(cd "$peer" && node free-tex-packer-trim-sets.js "$peer/trim-sets.json")
TESSELLA_OCCUPANCY_SETS="$peer/sets.json" TESSELLA_TRIM_SETS="$peer/trim-sets.json" \
  "$build/bench/texture/bench_texture" \
  --benchmark_filter=Occupancy --benchmark_counters_tabular=true
