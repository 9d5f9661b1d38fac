#!/usr/bin/env bash
# `cmake --install` into a scratch prefix: the programs, the launcher, the data folder, the
# desktop entry and its icon land where the desktop looks for them, and the installed
# launcher starts the installed command-line tool on the user's copy of the data.
# Arguments: the source folder, the build folder, the sample data folder, a scratch folder.
set -u

source=$1
build=$2
sample=$3
scratch=$4/install_tree_work
rm -rf "$scratch"
mkdir -p "$scratch"
prefix=$scratch/prefix

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

if ! cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
  echo "FAIL: cmake --install: $(tail -c 600 "$scratch/install.log")" >&2
  exit 1
fi

for program in kalvintera kalvintera-cli kalvintera-launch; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed as a program"
done

# The sample folder may hold what the program wrote when it ran there; none of that is
# installed, and the settings file comes from the source.
data=$prefix/share/kalvintera/data
diff -r -x Kalvintera.ini -x news.txt -x ver.txt -x '*.kvt' "$sample" "$data" >"$scratch/diff" 2>&1 ||
  fail "the installed data folder differs from the sample data folder: $(head -c 300 "$scratch/diff")"
cmp -s "$source/data/Kalvintera.ini" "$data/Kalvintera.ini" ||
  fail "the installed settings file is not the one of the source"
[ -z "$(find "$data" -name news.txt -o -name ver.txt -o -name '*.kvt')" ] ||
  fail "files the program writes were installed: $(find "$data" -name news.txt -o -name ver.txt -o -name '*.kvt')"
for folder in grafika opisy katalog cad help calc languages interpolacja/vdp interpolacja/eta; do
  [ -d "$data/$folder" ] || fail "the installed data folder lacks $folder/"
done

# The desktop entry: its command is the installed launcher, its icon is installed.
entry=$prefix/share/applications/kalvintera.desktop
if [ ! -f "$entry" ]; then
  fail "no desktop entry at share/applications/kalvintera.desktop"
else
  value() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
  exec_line=$(value Exec)
  [ -x "$prefix/bin/${exec_line%% *}" ] || fail "the desktop entry's Exec ($exec_line) is not an installed program"
  [ "$(value TryExec)" = "${exec_line%% *}" ] || fail "TryExec ($(value TryExec)) differs from Exec ($exec_line)"
  [ "$(value Icon)" = kalvintera ] || fail "the desktop entry's icon is $(value Icon), not kalvintera"
  grep -q '^Categories=.*Engineering;' "$entry" || fail "the desktop entry lacks the Engineering category"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" >"$scratch/validate" 2>&1 ||
      fail "desktop-file-validate: $(head -c 300 "$scratch/validate")"
  fi
fi

# Every icon is a PNG of the size its folder names.
png_side() { od -An -tu1 -j"$2" -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'; }
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/kalvintera.png
  if [ ! -f "$icon" ]; then
    fail "no icon of ${size}x${size}"
    continue
  fi
  [ "$(od -An -c -j1 -N3 "$icon" | tr -d ' ')" = PNG ] || fail "the ${size}x${size} icon is not a PNG"
  [ "$(png_side "$icon" 16)x$(png_side "$icon" 20)" = "${size}x${size}" ] ||
    fail "the ${size}x${size} icon is $(png_side "$icon" 16)x$(png_side "$icon" 20)"
done
[ -z "$(find "$prefix/share/icons" -type f ! -name kalvintera.png)" ] ||
  fail "stray files among the icons: $(find "$prefix/share/icons" -type f ! -name kalvintera.png | head -n 3)"

# The installed launcher with the installed command-line tool, for a user with no folder yet.
home=$scratch/home
env -i PATH="$PATH" HOME="$home" KALVINTERA_PROGRAM="$prefix/bin/kalvintera-cli" \
  "$prefix/bin/kalvintera-launch" select --flow 1200 --pressure 150 >"$scratch/out" 2>"$scratch/err"
code=$?
[ "$code" -eq 0 ] || fail "installed launcher: exit code $code (stderr: $(head -c 300 "$scratch/err"))"
grep -q 'KDN-450' "$scratch/out" || fail "installed launcher: select did not find KDN-450: $(head -c 300 "$scratch/out")"
diff -r "$data" "$home/.local/share/kalvintera" >"$scratch/diff" 2>&1 ||
  fail "the user's data folder differs from the installed one: $(head -c 300 "$scratch/diff")"

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "install tree: all checks passed"
