#!/usr/bin/env bash
# What the private working folder of a build costs on examples/Hello: the
# whole `talmo /B` (CAB and setup) of one program folder against another's,
# runs interleaved so both meet the same machine load; median and best of
# each. Give the program folder of a build without private working folders as
# the first argument, one with them as the second.
# Not run by CI. Usage: bench/private_working_folder.sh <before> [after] [runs]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
before="$1"
after="${2:-$root/_build/bin}"
runs="${3:-30}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tmp" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$after/examples/Hello" "$work/Hello"

python3 - "$work" "$before" "$after" "$runs" <<'PY'
import os, shutil, statistics, subprocess, sys, time
work, before, after, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "TMP", "TEMP")}
env.update(QT_QPA_PLATFORM="offscreen", TMPDIR=os.path.join(work, "tmp"),
           XDG_CONFIG_HOME=os.path.join(work, "config"), XDG_RUNTIME_DIR=os.path.join(work, "runtime"))
project = os.path.join(work, "Hello", "Hello.talmo")

def build(program):
    shutil.rmtree(os.path.join(work, "Hello", "output"), ignore_errors=True)
    start = time.perf_counter()
    subprocess.run([os.path.join(program, "talmo"), "/B", project], env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return time.perf_counter() - start

times = {before: [], after: []}
build(before), build(after)  # warm the caches
for _ in range(runs):
    for program in (before, after):
        times[program].append(build(program))
for label, program in (("before", before), ("after", after)):
    t = times[program]
    print("%-6s median %.1f ms, best %.1f ms (%d runs)" % (label, statistics.median(t) * 1000, min(t) * 1000, len(t)))
print("after/before (median): %.3f" % (statistics.median(times[after]) / statistics.median(times[before])))
PY
