#!/usr/bin/env bash
# Installs what is missing, builds Talmo and starts it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
exec "$root/_build/bin/talmo" "$@"
