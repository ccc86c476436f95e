#!/bin/sh
# Builds the Debian package, unpacks it into a scratch root with dpkg -x, checks where each file
# went, and runs tessella-cli from there: the launcher must find its helpers under the scratch
# root's lib/tessella, since the installed programs know no path of the build.
# Usage: package_test.sh BUILD_DIR VERSION CPACK
set -eu
build=$1
version=$2
cpack=$3
for tool in "$cpack" dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool manquant (paquets cmake, dpkg-dev)"
    exit 77
  fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$scratch/out/tessella_${version}_amd64.deb
[ -f "$deb" ] || fail "no $deb: $(ls "$scratch/out")"
dpkg-deb -f "$deb" Depends | grep -q 'qt6-image-formats-plugins' || fail "Depends lacks the Qt plugins"
dpkg-deb -f "$deb" Depends | grep -q 'libmagick++-6' || fail "Depends lacks dpkg-shlibdeps' libraries"

root=$scratch/root
dpkg -x "$deb" "$root"
usr=$root/usr
listing() { (cd "$1" && find . -mindepth 1 -maxdepth 1 | sed 's|^\./||' | sort | tr '\n' ' '); }
[ "$(listing "$usr/bin")" = "tessella tessella-cli " ] || fail "bin/ holds: $(listing "$usr/bin")"
[ "$(listing "$usr/lib/tessella")" = "tessella-cli-full tessella-cli-quick tessella-decode " ] ||
  fail "lib/tessella/ holds: $(listing "$usr/lib/tessella")"
[ "$(listing "$usr/share/tessella")" = "Clips_Textures Tessella.rtf Tessella_en.rtf TextureFond " ] ||
  fail "share/tessella/ holds: $(listing "$usr/share/tessella")"
[ "$(ls "$usr/share/tessella/Clips_Textures" | grep -c '\.bmp$')" -ge 12 ] || fail "catalogue"
[ "$(ls "$usr/share/tessella/TextureFond" | grep -c '\.bmp$')" -ge 6 ] || fail "backgrounds"
for file in share/man/man1/tessella.1.gz share/man/man1/tessella-cli.1.gz \
  share/man/fr/man1/tessella.1.gz share/man/fr/man1/tessella-cli.1.gz \
  share/applications/org.example.Tessella.desktop share/metainfo/org.example.Tessella.metainfo.xml \
  share/icons/hicolor/128x128/apps/tessella.png share/bash-completion/completions/tessella-cli \
  share/doc/tessella/copyright share/doc/tessella/changelog.gz; do
  [ -f "$usr/$file" ] || fail "missing /usr/$file"
done
# The manual pages in English by default, in French under fr/, each naming its program.
for page in tessella tessella-cli; do
  gzip -dc "$usr/share/man/man1/$page.1.gz" | grep -q '^\.SH NAME$' || fail "man1/$page.1 is not English"
  gzip -dc "$usr/share/man/fr/man1/$page.1.gz" | grep -q '^\.SH NOM$' || fail "fr/man1/$page.1 is not French"
  for lang in man1 fr/man1; do
    gzip -dc "$usr/share/man/$lang/$page.1.gz" | grep -q "\"Tessella $version\"" ||
      fail "$lang/$page.1 does not name version $version"
  done
done
# man picks each by the locale's language (-L stands for the locale, which needs no locale data).
if command -v man >/dev/null 2>&1; then
  for pick in "fr_FR.UTF-8 fr/man1" "fr fr/man1" "en_US.UTF-8 man1" "C man1"; do
    set -- $pick
    found=$(MANPATH=$usr/share/man man -L "$1" -w tessella-cli) || fail "man -L $1 finds no page"
    [ "$found" = "$usr/share/man/$2/tessella-cli.1.gz" ] ||
      fail "man -L $1 found $found"
  done
else
  echo "man missing: the choice of the page by language is not checked"
fi

# From elsewhere, with a PATH that holds no Tessella program.
cd "$scratch"
out=$(env PATH=/usr/bin:/bin "$usr/bin/tessella-cli" --version) || fail "--version: $out"
[ "$out" = "tessella-cli $version" ] || fail "--version printed: $out"

# A 2x1 24-bit BMP, pixels blue-green-red (10,20,30) and (200,100,0), rows padded to 8 bytes.
printf 'BM\076\000\000\000\000\000\000\000\066\000\000\000\050\000\000\000\002\000\000\000\001\000\000\000\001\000\030\000\000\000\000\000\010\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\012\024\036\310\144\000\000\000' >in.bmp
env PATH=/usr/bin:/bin "$usr/bin/tessella-cli" op negative in.bmp out.bmp || fail "op negative"
offset=$(od -An -tu4 -j10 -N4 out.bmp | tr -d ' ')
pixels=$(od -An -tu1 -j"$offset" -N6 out.bmp | tr -s ' ' | sed 's/^ //')
[ "$pixels" = "245 235 225 55 155 255" ] || fail "negative gave: $pixels"
# The decoder too comes from the scratch root (the programs would fall back on the build's).
if command -v strace >/dev/null 2>&1 && command -v convert >/dev/null 2>&1; then
  convert -size 4x2 xc:'#0080ff' in.pcx
  strace -f -qq -e trace=execve -o trace.log "$usr/bin/tessella-cli" convert in.pcx out.bmp ||
    fail "convert in.pcx"
  grep -q "execve(\"$usr/lib/tessella/tessella-decode\"" trace.log ||
    fail "tessella-decode not started from $usr/lib/tessella: $(grep -o 'execve("[^"]*"' trace.log)"
  offset=$(od -An -tu4 -j10 -N4 out.bmp | tr -d ' ')
  pixels=$(od -An -tu1 -j"$offset" -N3 out.bmp | tr -s ' ' | sed 's/^ //')
  [ "$pixels" = "255 128 0" ] || fail "in.pcx read as: $pixels"
else
  echo "strace or ImageMagick missing: the decoder's path is not checked"
fi
echo "OK: $(basename "$deb"), $(dpkg-deb -f "$deb" Installed-Size) KiB installed"
