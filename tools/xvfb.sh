# Sourced by the scripts that run the real program without a display.
# start_xvfb starts a private X server on a free display and exports DISPLAY;
# its first argument is the screen size (1024x768x24 by default), any further
# ones go to Xvfb. stop_xvfb ends it.

start_xvfb() {
  local display_file screen=${1:-1024x768x24}
  shift || true
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp "$@" 3>"$display_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 1 100); do
    if [ -s "$display_file" ]; then break; fi
    sleep 0.1
  done
  if [ ! -s "$display_file" ]; then
    echo "Xvfb did not start" >&2
    rm -f "$display_file"
    return 1
  fi
  export DISPLAY=":$(tr -d '[:space:]' <"$display_file")"
  rm -f "$display_file"
}

stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# Waits up to $2 seconds for a window whose title is $1; prints its id.
wait_for_window() {
  local title=$1 seconds=$2 id=""
  for _ in $(seq 1 $((seconds * 10))); do
    id=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Waits up to $2 seconds for process $1 to end; returns 1 if it is still running.
wait_for_exit() {
  local pid=$1 seconds=$2
  for _ in $(seq 1 $((seconds * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then return 0; fi
    sleep 0.1
  done
  return 1
}
