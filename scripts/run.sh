#!/usr/bin/env bash
# Installs what is missing, builds Talmo and starts it on the example project
# (or on the arguments given). Without a display it builds the example
# unattended instead and shows what came out.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
program="$root/_build/bin"
example="$program/examples/Hello/Hello.talmo"
if [[ $# -gt 0 ]]; then
    exec "$program/talmo" "$@"
fi
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" || -n "${QT_QPA_PLATFORM:-}" ]]; then
    exec "$program/talmo" "$example"
fi
echo "No display: building the example unattended (talmo /B $example)"
status=0
"$program/talmo" /B "$example" || status=$?
echo "Exit code: $status"
echo "Outputs in $program/examples/Hello/output:"
ls -l "$program/examples/Hello/output" 2>/dev/null || echo "(none)"
exit "$status"
