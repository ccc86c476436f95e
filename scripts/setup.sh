#!/usr/bin/env bash
# Installs the Debian packages Tessella needs, only those missing. Idempotent, non-interactive.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6test6 libqt6printsupport6 qt6-qpa-plugins
  libjpeg62-turbo-dev
  # PNG writing: one-call deflate.
  libdeflate-dev
  # GPU textures: BC1, BC3, BC5 and ASTC blocks; nvcompress and astcenc are the benchmark's peers.
  libsquish-dev libnvtt-bin libstb-dev libastcenc-dev astcenc
  # Translations: lupdate and lrelease, and CMake's qt_add_translations.
  qt6-l10n-tools qt6-tools-dev
  libmagick++-6.q16-dev libmagickcore-6.q16-6-extra
  libgtest-dev googletest libbenchmark-dev
  qt6-translations-l10n qt6-image-formats-plugins
  xvfb xauth imagemagick poppler-utils fonts-dejavu-core
  clang-14 libclang-rt-14-dev
  # The desktop tests: a window manager, the X tools that ask it and click, accessibility.
  openbox x11-utils xdotool at-spi2-core python3-pyatspi dbus-daemon dbus-x11 libvips-tools
  # Peers of the process benchmark; libtiff for silencing the TIFF reader.
  graphicsmagick libtiff-dev
  # The format check and the tidy script.
  clang-format clang-tidy
  # The Debian package and the checks of it, its manual pages and its desktop entries.
  dpkg-dev fakeroot lintian appstream desktop-file-utils man-db
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

echo "Installation des paquets manquants : ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
