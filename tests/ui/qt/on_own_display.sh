#!/usr/bin/env bash
# Runs a command on an X display of its own, and returns its status. Xvfb
# picks a free display itself (-displayfd): xvfb-run -a only guesses one from
# the lock files, so two tests at once, or a display in a Debian root beside
# this one (whose socket this system shares), can end up on the same server.
#
#   on_own_display.sh COMMAND [ARGUMENT…]
set -euo pipefail
folder=$(mktemp -d)
server=
stop() {
    [[ -z $server ]] || kill "$server" 2>/dev/null || true
    [[ -z $server ]] || wait "$server" 2>/dev/null || true
    rm -rf "$folder"
}
trap stop EXIT
exec {number}>"$folder/display"
Xvfb -displayfd "$number" -screen 0 1280x1024x24 -nolisten tcp >"$folder/log" 2>&1 &
server=$!
exec {number}>&-
for _ in $(seq 200); do
    [[ -s $folder/display ]] && break
    sleep 0.05
done
[[ -s $folder/display ]] || { cat "$folder/log" >&2; echo "on_own_display.sh: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(tr -d '[:space:]' <"$folder/display")
export DISPLAY
status=0
"$@" || status=$?
exit "$status"
