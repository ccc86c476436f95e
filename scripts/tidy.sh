#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every tracked .cpp file that the build
# compiles (the files AUTOMOC generates are not ours), two files at a time.
# Needs a configured build folder: BUILD_DIR, default build. Exits 1 on any finding.
# Extra arguments go to clang-tidy (for example --fix).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${BUILD_DIR:-build}
CLANG_TIDY=${CLANG_TIDY:-clang-tidy}
JOBS=${JOBS:-2}
if [ ! -f "$BUILD_DIR/compile_commands.json" ]; then
  echo "No $BUILD_DIR/compile_commands.json: configure the build first." >&2
  exit 2
fi

# The build compiles with GCC; clang does not know some of its options, and warnings the compiler
# already reports must not stop clang-tidy.
database=$(mktemp -d)
trap 'rm -rf "$database"' EXIT
sed -e 's/ -Werror//g' -e 's/ -fvect-cost-model=[a-z]*//g' \
  "$BUILD_DIR/compile_commands.json" > "$database/compile_commands.json"

files=()
while IFS= read -r file; do
  if grep -qF "\"file\": \"$PWD/$file\"" "$database/compile_commands.json"; then
    files+=("$file")
  fi
done < <(git ls-files -- '*.cpp' ':!:tests/layers/wrong/**')
echo "clang-tidy on ${#files[@]} files, $JOBS at a time"

if printf '%s\0' "${files[@]}" |
    xargs -0 -n 1 -P "$JOBS" "$CLANG_TIDY" -p "$database" --quiet --warnings-as-errors='*' "$@" \
      2> >(grep -vE '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$' >&2); then
  echo "clang-tidy: no findings."
else
  echo "clang-tidy found problems (above)." >&2
  exit 1
fi
