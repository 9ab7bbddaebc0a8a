# A private PulseAudio server with a null sink for the sound tests, and a log of the playback
# streams programs open on it. Sourced after x_session.bash (it uses XS_WORK, XS_PIDS, xs_fail).
# Each test has its own runtime folder and socket, so tests run side by side and never touch a
# player's own server.

NS_DIR="$XS_WORK/pulse"

# Starts the server and points this shell's clients at it (PULSE_SERVER, XDG_RUNTIME_DIR).
ns_start_server() {
  mkdir -p "$NS_DIR/home"
  chmod 700 "$NS_DIR"
  HOME="$NS_DIR/home" XDG_RUNTIME_DIR="$NS_DIR" PULSE_RUNTIME_PATH="$NS_DIR/runtime" \
    PULSE_STATE_PATH="$NS_DIR/state" \
    pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --disallow-exit \
    --load="module-null-sink sink_name=ci_null" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$NS_DIR/native" \
    >"$NS_DIR/server.log" 2>&1 &
  XS_PIDS+=("$!")
  export PULSE_SERVER="unix:$NS_DIR/native"
  export XDG_RUNTIME_DIR="$NS_DIR"
  export PULSE_RUNTIME_PATH="$NS_DIR/runtime"
  server_answers() { pactl info >/dev/null 2>&1; }
  xs_wait_until 30 server_answers && return 0
  cat "$NS_DIR/server.log" >&2
  xs_fail "the PulseAudio server did not start"
}

# Points this shell's clients at a server that does not exist.
ns_no_server() {
  mkdir -p "$NS_DIR"
  chmod 700 "$NS_DIR"
  export PULSE_SERVER="unix:$NS_DIR/none"
  export XDG_RUNTIME_DIR="$NS_DIR"
  export PULSE_RUNTIME_PATH="$NS_DIR/runtime"
}

# Logs every stream opened on the sink or closed, as "<seconds since the epoch> new|remove <id>
# <channels>", the channel count read as the stream opens (0 when it was already gone).
ns_watch_streams() {
  NS_EVENTS="$NS_DIR/streams.log"
  : >"$NS_EVENTS"
  (
    stdbuf -oL pactl subscribe 2>/dev/null | while read -r _ kind _ what id; do
      if [ "$what" = "sink" ]; then : >"$NS_DIR/subscribed"; continue; fi
      [ "$what" = "sink-input" ] || continue
      kind=${kind//\'/}
      id=${id#\#}
      stamp=$(date +%s.%N)
      channels=0
      if [ "$kind" = new ]; then
        # The short listing: id, sink, client, driver, then "s16le 2ch 44100Hz".
        channels=$(pactl list sink-inputs short | awk -F'\t' -v id="$id" '$1 == id { split($5, f, " "); print f[2] + 0; exit }')
      fi
      echo "$stamp $kind $id ${channels:-0}" >>"$NS_EVENTS"
    done
  ) &
  XS_PIDS+=("$!")
  # The subscription is ready once it reports a change of the sink made for the purpose.
  sink_change_seen() {
    pactl set-sink-mute ci_null toggle >/dev/null 2>&1 || true
    [ -e "$NS_DIR/subscribed" ]
  }
  xs_wait_until 20 sink_change_seen || xs_fail "the stream watch did not start"
  pactl set-sink-mute ci_null 0
}

# The number of streams open now.
ns_open_streams() {
  pactl list sink-inputs short | grep -c . || true
}

# Waits up to $2 seconds (default 10) until the log holds $1 lines; fails otherwise.
ns_wait_events() {
  local deadline=$((SECONDS + ${2:-10}))
  while [ "$(grep -c . "$NS_EVENTS")" -lt "$1" ]; do
    [ $SECONDS -lt $deadline ] || { cat "$NS_EVENTS" >&2; xs_fail "expected $1 stream events"; }
    sleep 0.05
  done
}
