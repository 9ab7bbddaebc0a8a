#!/usr/bin/env bash
# Runs a command with a PulseAudio server of its own that has one null sink, in a temporary
# runtime folder, so tests run side by side and never touch a player's server; stops the server
# by its process id at the end. With --no-server first, the command gets a server address where
# nothing answers instead.
set -euo pipefail
work=$(mktemp -d)
chmod 700 "$work"
server=""
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR="$work"
export PULSE_RUNTIME_PATH="$work/runtime"
if [ "${1:-}" = --no-server ]; then
  shift
  export PULSE_SERVER="unix:$work/none"
else
  mkdir -p "$work/home"
  HOME="$work/home" PULSE_STATE_PATH="$work/state" \
    pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --disallow-exit \
    --load="module-null-sink sink_name=ci_null" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/native" \
    >"$work/server.log" 2>&1 &
  server=$!
  export PULSE_SERVER="unix:$work/native"
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  pactl info >/dev/null 2>&1 || { cat "$work/server.log" >&2; echo "FAIL: no PulseAudio server" >&2; exit 1; }
fi
status=0
"$@" || status=$?
exit $status
