#!/usr/bin/env bash
# Starts Brimfold under Xvfb and saves pictures of what a user sees.
#   scripts/screenshot.sh [--dark] [--font "FAMILY,POINTS"] [--scale N] [--language LL_TT]
#                         [--preferences] [--report] OUT.png [SETTINGS.ini] [START_FOLDER] [WAIT_SECONDS]
# Saves OUT-splash.png while the splash shows and OUT.png once the main
# window is up (after WAIT_SECONDS more, default 4, so the first search can run).
#   --dark         a dark desktop: Fusion with qt6ct's "darker" colour scheme
#   --font F,P     the desktop font (set through qt6ct, as a user would)
#   --scale N      QT_SCALE_FACTOR=N on a screen N times as large
#   --language L   the desktop's language and locale, e.g. de_DE or ja_JP
#   --preferences  then opens Tools > Preferences and saves OUT-preferences.png
#   --report       then opens Tools > Page Report and saves OUT-report.png
# The program runs from a scratch copy, so the build's own settings stay untouched.
set -euo pipefail
dark=0 font="" scale=1 preferences=0 report=0
while [ $# -gt 0 ]; do
  case "$1" in
    --dark) dark=1; shift ;;
    --font) font=$2; shift 2 ;;
    --scale) scale=$2; shift 2 ;;
    --language) export LANGUAGE="${2%%_*}" LANG="$2.UTF-8"; unset LC_ALL LC_MESSAGES; shift 2 ;;
    --preferences) preferences=1; shift ;;
    --report) report=1; shift ;;
    *) break ;;
  esac
done
usage="usage: screenshot.sh [--dark] [--font F,P] [--scale N] [--language L] [--preferences] [--report] OUT.png [SETTINGS.ini] [START_FOLDER] [WAIT_SECONDS]"
out=$(realpath -m "${1:?$usage}")
settings=${2:-}
start_folder=${3:-}
wait_seconds=${4:-4}
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh"
"$root/scripts/build.sh" release --target brimfold >/dev/null

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

# A desktop look goes through the qt6ct platform theme, as on a desktop that uses it.
if [ "$dark" = 1 ] || [ -n "$font" ]; then
  mkdir -p "$scratch/config/qt6ct"
  {
    echo "[Appearance]"
    echo "style=Fusion"
    if [ "$dark" = 1 ]; then
      echo "custom_palette=true"
      echo "color_scheme_path=/usr/share/qt6ct/colors/darker.conf"
    else
      echo "custom_palette=false"
    fi
    if [ -n "$font" ]; then
      echo "[Fonts]"
      echo "general=\"$font,-1,5,400,0,0,0,0,0,0,0,0,0,0,1\""
    fi
  } > "$scratch/config/qt6ct/qt6ct.conf"
  export XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORMTHEME=qt6ct
fi
export QT_SCALE_FACTOR="$scale"
screen="$((1600 * scale))x$((1000 * scale))x24"

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
if [ "$preferences" = 1 ]; then
  # Alt alone opens the menu bar in any language: two to the left of the
  # first menu is Tools, and Up wraps to its last item.
  xdotool key alt; sleep 0.5; xdotool key Left Left Down; sleep 0.5; xdotool key Up Return
  sleep 2
  import -window root "${out%.png}-preferences.png"
  # Closed, and the main window given the keyboard again (no window manager
  # here does it): a click on the status bar.
  xdotool key Escape; sleep 1; xdotool mousemove $((20 * scale)) $((995 * scale)) click 1; sleep 0.5
fi
if [ "$report" = 1 ]; then
  # Tools' third item from the end.
  xdotool key alt; sleep 0.5; xdotool key Left Left Down; sleep 0.5; xdotool key Up Up Up Return
  sleep 3
  import -window root "${out%.png}-report.png"
fi
kill \$pid 2>/dev/null
wait \$pid 2>/dev/null
exit 0
CAP
chmod +x "$scratch/capture.sh"
xvfb-run -a -s "-screen 0 $screen" "$scratch/capture.sh"
echo "saved $out and ${out%.png}-splash.png"
