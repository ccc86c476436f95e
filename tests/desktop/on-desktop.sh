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

export HOME="$work"  # openbox keeps its state there, not in the user's home

# Starts Xvfb on a free display and openbox on it. Two servers started at the same moment can
# race for one display number and one of them gives up: then start again.
start_desktop() {
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
  wait_for grep -q '^[0-9][0-9]*$' "$work/display" || return 1
  export DISPLAY=":$(head -n1 "$work/display")"
  # The server must answer before the window manager connects.
  wait_for xprop -root _NET_SUPPORTED >/dev/null 2>&1 || return 1
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wait_for sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
}

started=no
for _ in 1 2 3; do
  if start_desktop; then started=yes; break; fi
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  pids=()
done
if [ "$started" != yes ]; then
  echo "The desktop did not start:"; cat "$work/xvfb.log" "$work/openbox.log" 2>/dev/null; exit 1
fi

QT_QPA_PLATFORM=xcb "$@"
