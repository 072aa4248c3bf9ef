#!/usr/bin/env bash
# Times our cabwiz against gcab -c -z (Debian gcab) on the same files:
# 2,000 files of 100 KiB (200 MB in all), MSZIP-compressed, best of three runs
# each. Then the multi-processor case: three processors sharing those files,
# our three cabinets (written side by side) against gcab's one.
# Not run by CI. Usage: bench/cabwiz_vs_gcab.sh [program folder]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${1:-$root/_build/bin}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/files" "$work/out-cabwiz" "$work/out-gcab" "$work/out-cpu"

# Half-compressible content, as executables and data usually are.
python3 - "$work" <<'PY'
import os, random, sys
work = sys.argv[1]
random.seed(7)
words = [bytes(random.choice(b"abcdefghijklmnopqrstuvwxyz") for _ in range(random.randint(2, 9))) for _ in range(4000)]
inf = ["[Version]", 'Signature = "$Windows NT$"', 'Provider = "Bench"', 'CESignature = "$Windows CE$"', "",
       "[CEStrings]", 'AppName = "Bench"', 'InstallDir = "%CE1%\\%AppName%"', "",
       "[SourceDisksNames]", '1 = ,"Disk-1",,' + os.path.join(work, "files"), "", "[SourceDisksFiles]"]
copy = ["[Files]"]
for i in range(2000):
    name = "file%04d.bin" % i
    text = b" ".join(random.choices(words, k=9000))[:51200]
    noise = os.urandom(51200)
    with open(os.path.join(work, "files", name), "wb") as f:
        f.write(text + noise)
    inf.append('"%s"=1' % name)
    copy.append("%s,%s," % (name, name))
inf += [""] + copy + ["", "[DestinationDirs]", "Files=0,%InstallDir%", "", "[DefaultInstall]", "Copyfiles=Files", ""]
for cpu, processor in (("ARMV4", 2577), ("MIPSII", 4000), ("SH3", 10003)):
    inf += ["[CEDevice.%s]" % cpu, "ProcessorType = %d" % processor, ""]
text = "\r\n".join(inf)
with open(os.path.join(work, "bench.inf"), "wb") as f:
    f.write(b"\xff\xfe" + text.encode("utf-16-le"))
PY

python3 - "$work" "$program" <<'PY'
import os, subprocess, sys, time
work, program = sys.argv[1], sys.argv[2]
files = sorted(os.listdir(os.path.join(work, "files")))

def best(command, cwd=None):
    times = []
    for _ in range(3):
        start = time.perf_counter()
        subprocess.run(command, cwd=cwd, check=True, stdout=subprocess.DEVNULL)
        times.append(time.perf_counter() - start)
    return min(times)

gcab = best(["gcab", "-c", "-z", os.path.join(work, "out-gcab", "bench.cab")] + files, cwd=os.path.join(work, "files"))
cabwiz = best([os.path.join(program, "cabwiz"), os.path.join(work, "bench.inf"), "/dest",
               os.path.join(work, "out-cabwiz"), "/compress"])
print("gcab -c -z:       %.2f s, %d bytes" % (gcab, os.path.getsize(os.path.join(work, "out-gcab", "bench.cab"))))
print("cabwiz /compress: %.2f s, %d bytes" % (cabwiz, os.path.getsize(os.path.join(work, "out-cabwiz", "bench.CAB"))))
print("ratio cabwiz/gcab: %.2f" % (cabwiz / gcab))
cpus = ["ARMV4", "MIPSII", "SH3"]
three = best([os.path.join(program, "cabwiz"), os.path.join(work, "bench.inf"), "/dest",
              os.path.join(work, "out-cpu"), "/cpu"] + cpus + ["/compress"])
print("cabwiz /cpu %s /compress: %.2f s for three cabinets (%d cores)" % (" ".join(cpus), three, os.cpu_count()))
print("ratio cabwiz three cabinets/gcab one: %.2f" % (three / gcab))
print("ratio cabwiz three cabinets/cabwiz one: %.2f" % (three / cabwiz))
PY
