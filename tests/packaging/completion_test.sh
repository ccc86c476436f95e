#!/bin/bash
# The bash completion of tessella-cli, word by word, in a folder of sample files.
# Usage: completion_test.sh COMPLETION_FILE
set -u
source "$1"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" && touch a.png b.DDS c.bmp d.tga e.txt f.pdf g.KTX2 && mkdir sub
failures=0
# Each row: the words typed (the last one being completed) | the sorted answer expected.
while IFS='|' read -r typed expected; do
  read -ra COMP_WORDS <<<"$typed"
  [[ $typed == *' ' ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _tessella_cli
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
  if [[ $got != "$expected " ]]; then
    echo "FAIL: '$typed' gave '$got', expected '$expected '"
    failures=$((failures + 1))
  fi
done <<'ROWS'
tessella-cli ex|export extract
tessella-cli --v|--version
tessella-cli pack --t|--tight
tessella-cli pack --ma|--max-width
tessella-cli pack --max-width |256 512
tessella-cli pack -o |a.png d.tga sub/
tessella-cli pack --onto |a.png d.tga sub/
tessella-cli pack |a.png b.DDS c.bmp d.tga g.KTX2 sub/
tessella-cli pack --tight |a.png d.tga sub/
tessella-cli export --m|--max-size --max-width --mip-levels
tessella-cli export --s|--square --strength
tessella-cli export --b|--bc1 --bc3 --bc5
tessella-cli export -o |a.png b.DDS g.KTX2 sub/
tessella-cli export |a.png d.tga sub/
tessella-cli convert --no|--no-mipmaps
tessella-cli convert a.png |a.png b.DDS c.bmp d.tga g.KTX2 sub/
tessella-cli convert |a.png b.DDS c.bmp d.tga g.KTX2 sub/
tessella-cli convert --astc |4x4 6x6 8x8
tessella-cli convert --q|--quality
tessella-cli export --no-|--no-bleed --no-trim
tessella-cli export --alpha-c|--alpha-coverage
tessella-cli op col|color-key
tessella-cli op color-key --t|--tolerance
tessella-cli op neg|negative
tessella-cli op normal-map --|--directx --help --strength
tessella-cli op negative --|--help
tessella-cli op blur 3 |a.png b.DDS c.bmp d.tga g.KTX2 sub/
tessella-cli extract d.tga |a.png c.bmp sub/
tessella-cli extract --names d.tga |sub/
tessella-cli print -o |f.pdf sub/
tessella-cli print --l|--landscape
tessella-cli contact-sheet -o |f.pdf sub/
tessella-cli info --s|--seams
tessella-cli --l|--lang
tessella-cli --lang |en fr
tessella-cli --lang en pa|pack
tessella-cli --lang en pack --t|--tight
tessella-cli pack --lang |en fr
tessella-cli op --lang en neg|negative
ROWS
[[ $failures -eq 0 ]] && echo "OK"
exit $((failures > 0))
