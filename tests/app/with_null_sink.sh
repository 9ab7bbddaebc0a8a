#!/usr/bin/env bash
# Runs a command with a PulseAudio server of its own that has one null sink, in a temporary
# runtime folder, so tests run side by side and never touch a player's server; the server is
# stopped by its process id at the end. With --no-server first, the command gets a server address
# where nothing answers instead.
set -euo pipefail
source "$(dirname "$0")/../support/x_session.bash"
source "$(dirname "$0")/../support/null_sink.bash"
if [ "${1:-}" = --no-server ]; then
  shift
  ns_no_server
else
  ns_start_server
fi
status=0
"$@" || status=$?
# A failure may be the server's doing: what it said goes into the test's output.
if [ "$status" -ne 0 ] && [ -s "$NS_DIR/server.log" ]; then
  echo "== the PulseAudio server's log" >&2
  tail -n 40 "$NS_DIR/server.log" >&2
fi
exit $status
