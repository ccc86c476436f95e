#!/usr/bin/env bash
# Runs a program on a desktop of its own: Xvfb on a display it picks free (parallel runs and
# the sanitizer build do not collide) with openbox as window manager. Exits 77 (skipped) when
# the desktop tools are missing.
set -u
for tool in Xvfb openbox xprop xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (bash scripts/setup.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

# Waits up to 10 s for a command to succeed.
wait_for() {
  for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
  return 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
if ! wait_for test -s "$work/display"; then
  echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"
export HOME="$work"  # openbox keeps its state there, not in the user's home

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
if ! wait_for sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'; then
  echo "openbox did not start:"; cat "$work/openbox.log"; exit 1
fi

QT_QPA_PLATFORM=xcb "$@"
