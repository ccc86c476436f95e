#!/usr/bin/env bash
# Checks that every tracked C++ file is formatted as .clang-format says, changing nothing.
# Prints each file that clang-format would change; exits 1 if there is any.
# The files under tests/layers/wrong/ are samples of wrong includes, left as they are.
set -euo pipefail
cd "$(dirname "$0")/.."

CLANG_FORMAT=${CLANG_FORMAT:-clang-format}
unformatted=()
while IFS= read -r -d '' file; do
  if ! "$CLANG_FORMAT" --dry-run -Werror "$file" >/dev/null 2>&1; then
    unformatted+=("$file")
  fi
done < <(git ls-files -z -- '*.cpp' '*.h' ':!:tests/layers/wrong/**')

if [ ${#unformatted[@]} -ne 0 ]; then
  printf '%s\n' "${unformatted[@]}"
  echo "${#unformatted[@]} file(s) not formatted; run: $CLANG_FORMAT -i FILE..." >&2
  exit 1
fi
echo "All C++ files are formatted."
