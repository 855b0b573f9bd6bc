#!/usr/bin/env bash
# Starts Brimfold under Xvfb and saves pictures of what a user sees.
#   scripts/screenshot.sh OUT.png [SETTINGS.ini] [START_FOLDER] [WAIT_SECONDS]
# Saves OUT-splash.png while the splash shows and OUT.png once the main
# window is up (after WAIT_SECONDS more, default 4, so the first search can run).
# The program runs from a scratch copy, so the build's own settings stay untouched.
set -euo pipefail
out=$(realpath -m "${1:?usage: screenshot.sh OUT.png [SETTINGS.ini] [START_FOLDER] [WAIT_SECONDS]}")
settings=${2:-}
start_folder=${3:-}
wait_seconds=${4:-4}
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh"
"$root/scripts/build.sh" release >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$root/build/release/bin/brimfold" "$scratch/"
mkdir -p "$scratch/Settings"
[ -n "$settings" ] && cp "$settings" "$scratch/Settings/Settings.ini"
if [ -n "$start_folder" ]; then
  python3 - "$scratch/Settings/Settings.ini" "$start_folder" <<'PY'
import sys, os, re
path, folder = sys.argv[1], sys.argv[2]
lines = open(path, encoding='utf-8').read().splitlines() if os.path.exists(path) else []
out, section, done = [], None, False
for line in lines:
    m = re.match(r'\s*\[(.*)\]', line)
    if m:
        if section == 'general' and not done:
            out.append('StartupFolder=' + folder); done = True
        section = m.group(1).strip().lower()
    elif section == 'general' and re.match(r'\s*startupfolder\s*=', line, re.I) and not done:
        line = 'StartupFolder=' + folder; done = True
    out.append(line)
if not done:
    if section != 'general':
        out.append('[General]')
    out.append('StartupFolder=' + folder)
open(path, 'w', encoding='utf-8').write('\r\n'.join(out) + '\r\n')
PY
fi

cat > "$scratch/capture.sh" <<CAP
#!/usr/bin/env bash
set -u
"$scratch/brimfold" &
pid=\$!
for i in \$(seq 1 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '(has no name)\|Brimfold' && break
  sleep 0.1
done
sleep 1
import -window root "${out%.png}-splash.png"
for i in \$(seq 1 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Brimfold"' && break
  sleep 0.1
done
sleep $wait_seconds
import -window root "$out"
kill \$pid 2>/dev/null
wait \$pid 2>/dev/null
exit 0
CAP
chmod +x "$scratch/capture.sh"
xvfb-run -a -s "-screen 0 1600x1000x24" "$scratch/capture.sh"
echo "saved $out and ${out%.png}-splash.png"
