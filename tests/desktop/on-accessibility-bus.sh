#!/usr/bin/env bash
# Runs label_values.py in a D-Bus session of its own, where the accessibility bus and its
# registry start on demand: parallel runs do not share a bus. Exits 77 (skipped) when D-Bus
# or pyatspi is missing. Meant to run inside on-desktop.sh, which gives it its display.
set -u
if ! command -v dbus-run-session >/dev/null; then
  echo "SKIPPED: dbus-run-session is missing (bash scripts/setup.sh installs dbus-daemon)"
  exit 77
fi
if [ ! -x /usr/libexec/at-spi-bus-launcher ]; then
  echo "SKIPPED: at-spi-bus-launcher is missing (bash scripts/setup.sh installs at-spi2-core)"
  exit 77
fi
# pyatspi comes with the system's Python, which may not be the first python3 on the path.
python=""
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import pyatspi' 2>/dev/null; then python=$candidate; break; fi
done
if [ -z "$python" ]; then
  echo "SKIPPED: no python3 with pyatspi (bash scripts/setup.sh installs python3-pyatspi)"
  exit 77
fi
# dbus-daemon complains that it may not raise its file limit; that is harmless here.
exec dbus-run-session -- "$python" "$(dirname "$0")/label_values.py" "$@" \
  2> >(grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' >&2)
