#!/usr/bin/env bash
# The launcher of the desktop entry, in an installed tree built in a scratch folder: the
# user's data folder is made from the installed one, completed on later starts, and never
# loses a file the user has.
# Arguments: the launcher script, the kalvintera-cli binary, the sample data folder, a
# scratch folder.
set -u

launcher=$1
cli=$2
sample=$3
scratch=$4/launcher_test_work
rm -rf "$scratch"
mkdir -p "$scratch"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# make_prefix PREFIX DATA: an installed tree with the launcher in bin/, a stand-in for the
# program beside it that notes where it was started and with what, and a copy of DATA as
# the installed data folder.
make_prefix() {
  mkdir -p "$1/bin" "$1/share/kalvintera"
  cp "$launcher" "$1/bin/kalvintera-launch"
  cp -r "$2" "$1/share/kalvintera/data"
  cat >"$1/bin/kalvintera" <<'EOF'
#!/bin/bash
{ pwd; printf '%s\n' "$@"; } >"$FAKE_LOG"
exit "${FAKE_EXIT:-0}"
EOF
  chmod +x "$1/bin/kalvintera-launch" "$1/bin/kalvintera"
}

prefix=$scratch/prefix
installed=$prefix/share/kalvintera/data
make_prefix "$prefix" "$sample"

home=$scratch/home
log=$scratch/program.log

# launch [VAR=VALUE...] -- ARGS...: runs the installed launcher in a clean environment (so
# no real user's folder is ever touched) with stdout and stderr in $scratch/out and
# $scratch/err; leaves its exit code in $code.
launch() {
  local settings=()
  while [ "$1" != "--" ]; do
    settings+=("$1")
    shift
  done
  shift
  rm -f "$log"
  env -i PATH="$PATH" HOME="$home" FAKE_LOG="$log" "${settings[@]}" \
    "$prefix/bin/kalvintera-launch" "$@" >"$scratch/out" 2>"$scratch/err"
  code=$?
}

# started FOLDER DESCRIPTION: the stand-in program ran with FOLDER as its working directory.
started() {
  [ -f "$log" ] || { fail "$2: the program was not started (stderr: $(head -c 300 "$scratch/err"))"; return 1; }
  [ "$(head -n 1 "$log")" = "$1" ] || fail "$2: the program ran in $(head -n 1 "$log"), expected $1"
}

not_started() {
  [ ! -f "$log" ] || fail "$1: the program was started"
}

stderr_has() {
  grep -qF -- "$2" "$scratch/err" || fail "$1: stderr lacks \"$2\": $(head -c 300 "$scratch/err")"
}

same_tree() {
  diff -r "$1" "$2" >"$scratch/diff" 2>&1 || fail "$3: the folders differ: $(head -c 300 "$scratch/diff")"
}

no_partial_copies() {
  local left
  left=$(find "$1" -name '*.kalvintera-copy.*' | head -n 3)
  [ -z "$left" ] || fail "$2: partial copies left behind: $left"
}

user=$home/.local/share/kalvintera

# --- First start: the folder is made from the installed one, the program runs in it ----

launch -- --first "two words"
[ "$code" -eq 0 ] || fail "first start: exit code $code (stderr: $(head -c 300 "$scratch/err"))"
started "$user" "first start"
[ "$(sed -n 2,3p "$log" 2>/dev/null)" = $'--first\ntwo words' ] ||
  fail "first start: the arguments did not reach the program: $(cat "$log" 2>/dev/null)"
same_tree "$installed" "$user" "first start"
[ -d "$user/katalog" ] || fail "first start: the empty folder katalog was not made"
[ -s "$scratch/err" ] && fail "first start: unexpected messages: $(head -c 300 "$scratch/err")"
[ -w "$user/Kalvintera.ini" ] || fail "first start: the settings file copy is not writable"

# The program's exit code is the launcher's.
launch FAKE_EXIT=3 --
[ "$code" -eq 3 ] || fail "exit code of the program: got $code, expected 3"

# --- Later starts: the user's files stay, what is missing comes back -------------------

sed -i 's/^LANGUAGE=.*/LANGUAGE=2/' "$user/Kalvintera.ini"
cp "$user/Kalvintera.ini" "$scratch/changed.ini"
echo "the user's order" >"$user/zamowienie_Firma_01.01.2024.kvt"
first_picture=$(cd "$user/grafika" && find . -type f -name '*.jpg' | sort | head -n 1)
rm "$user/grafika/$first_picture"
ln -s nowhere "$user/opisy/broken link"

launch --
[ "$code" -eq 0 ] || fail "second start: exit code $code"
started "$user" "second start"
cmp -s "$scratch/changed.ini" "$user/Kalvintera.ini" || fail "second start: the user's settings file was replaced"
grep -q '^LANGUAGE=2' "$user/Kalvintera.ini" || fail "second start: the changed language is lost"
[ "$(cat "$user/zamowienie_Firma_01.01.2024.kvt")" = "the user's order" ] || fail "second start: the order file changed"
cmp -s "$installed/grafika/$first_picture" "$user/grafika/$first_picture" ||
  fail "second start: the removed picture $first_picture did not come back"
[ -L "$user/opisy/broken link" ] || fail "second start: the user's link was replaced"

# A newer version brings a new file and a changed database: the new file is added, the
# user's database stays as it is.
echo "0,1;100" >"$installed/interpolacja/vdp/new curve.txt"
cp "$user/urzadzenia.dbx" "$scratch/user.dbx"
printf 'newer' >>"$installed/urzadzenia.dbx"
launch --
started "$user" "after an upgrade"
cmp -s "$installed/interpolacja/vdp/new curve.txt" "$user/interpolacja/vdp/new curve.txt" ||
  fail "after an upgrade: the new file (a name with a space) was not added"
cmp -s "$scratch/user.dbx" "$user/urzadzenia.dbx" || fail "after an upgrade: the user's database was replaced"
cp "$scratch/user.dbx" "$installed/urzadzenia.dbx"

# --- Where the folder is ---------------------------------------------------------------

launch XDG_DATA_HOME="$scratch/xdg" --
started "$scratch/xdg/kalvintera" "XDG_DATA_HOME"
same_tree "$installed" "$scratch/xdg/kalvintera" "XDG_DATA_HOME"

# A relative XDG_DATA_HOME is not valid; the default under HOME is used.
launch XDG_DATA_HOME="relative/data" --
started "$user" "relative XDG_DATA_HOME"
if [ -e "$home/relative" ] || [ -e "$PWD/relative" ]; then
  fail "relative XDG_DATA_HOME: a relative folder was made"
fi

# --- Refusals: a clear message, the program not started -------------------------------

rm -f "$log"
env -i PATH="$PATH" FAKE_LOG="$log" "$prefix/bin/kalvintera-launch" >"$scratch/out" 2>"$scratch/err"
code=$?
[ "$code" -eq 1 ] || fail "no HOME: exit code $code, expected 1"
stderr_has "no HOME" "nor HOME is set"
not_started "no HOME"

mkdir -p "$scratch/blocked"
echo "not a folder" >"$scratch/blocked/kalvintera"
launch XDG_DATA_HOME="$scratch/blocked" --
[ "$code" -eq 1 ] || fail "data folder is a file: exit code $code, expected 1"
stderr_has "data folder is a file" "$scratch/blocked/kalvintera"
not_started "data folder is a file"
[ "$(cat "$scratch/blocked/kalvintera")" = "not a folder" ] || fail "data folder is a file: the file changed"

launch KALVINTERA_PROGRAM="$scratch/no-such-program" --
[ "$code" -eq 1 ] || fail "missing program: exit code $code, expected 1"
stderr_has "missing program" "$scratch/no-such-program"

# --- A file where a folder belongs: one message, the rest copied, the program starts ---

mkdir -p "$scratch/clash/kalvintera"
echo "the user's notes" >"$scratch/clash/kalvintera/grafika"
launch XDG_DATA_HOME="$scratch/clash" --
started "$scratch/clash/kalvintera" "file in place of a folder"
stderr_has "file in place of a folder" "$scratch/clash/kalvintera/grafika is not a folder"
[ "$(grep -c . "$scratch/err")" -le 2 ] ||
  fail "file in place of a folder: one message per file instead of one for the folder: $(wc -l <"$scratch/err") lines"
[ "$(cat "$scratch/clash/kalvintera/grafika")" = "the user's notes" ] || fail "file in place of a folder: the file changed"
cmp -s "$installed/urzadzenia.dbx" "$scratch/clash/kalvintera/urzadzenia.dbx" ||
  fail "file in place of a folder: the other files were not copied"

# --- A copy cut short (a file-size limit, as on a full disk) leaves no half file -------

# A small installed folder of its own, with files on both sides of the limit of 32 KiB.
small=$scratch/small-data
mkdir -p "$small/interpolacja/vdp"
echo "LANGUAGE=1" >"$small/Kalvintera.ini"
echo "0,1;100" >"$small/interpolacja/vdp/curve.txt"
head -c 100000 /dev/zero | tr '\0' 'x' >"$small/urzadzenia.dbx"
head -c 100000 /dev/zero | tr '\0' 'y' >"$small/interpolacja/vdp/big curve.txt"
make_prefix "$scratch/small-prefix" "$small"
full=$home/.local/share/kalvintera
rm -rf "$full"
saved_prefix=$prefix
prefix=$scratch/small-prefix
(
  ulimit -f 64
  launch --
  echo "$code" >"$scratch/full.code"
)
[ "$(cat "$scratch/full.code")" -eq 0 ] || fail "full disk: the program did not start (exit code $(cat "$scratch/full.code"))"
stderr_has "full disk" "could not copy"
no_partial_copies "$home/.local/share" "full disk"
[ ! -e "$full/urzadzenia.dbx" ] || fail "full disk: a half copy of urzadzenia.dbx is left"
[ ! -e "$full/interpolacja/vdp/big curve.txt" ] || fail "full disk: a half copy of big curve.txt is left"
cmp -s "$small/Kalvintera.ini" "$full/Kalvintera.ini" || fail "full disk: the small files were not copied"
cmp -s "$small/interpolacja/vdp/curve.txt" "$full/interpolacja/vdp/curve.txt" ||
  fail "full disk: the small file in a folder was not copied"
launch --
same_tree "$small" "$full" "the start after a full disk"
prefix=$saved_prefix
rm -rf "$full"
launch --

# --- Installed under the user's own ~/.local: the installed folder sits inside the user's

local_home=$scratch/local-home
make_prefix "$local_home/.local" "$small"
env -i PATH="$PATH" HOME="$local_home" FAKE_LOG="$log" "$local_home/.local/bin/kalvintera-launch" \
  >"$scratch/out" 2>"$scratch/err"
code=$?
[ "$code" -eq 0 ] || fail "prefix ~/.local: exit code $code (stderr: $(head -c 300 "$scratch/err"))"
started "$local_home/.local/share/kalvintera" "prefix ~/.local"
cmp -s "$small/urzadzenia.dbx" "$local_home/.local/share/kalvintera/urzadzenia.dbx" ||
  fail "prefix ~/.local: the data was not copied"
same_tree "$small" "$local_home/.local/share/kalvintera/data" "prefix ~/.local: the installed folder"

# --- The command-line tool as the program: it finds its data in the folder -------------

sed -i 's/^LANGUAGE=.*/LANGUAGE=2/' "$user/Kalvintera.ini"
cp "$user/Kalvintera.ini" "$scratch/changed.ini"
launch KALVINTERA_PROGRAM="$cli" -- select --flow 1200 --pressure 150
[ "$code" -eq 0 ] || fail "kalvintera-cli select: exit code $code (stderr: $(head -c 300 "$scratch/err"))"
grep -q 'KDN-450' "$scratch/out" || fail "kalvintera-cli select: KDN-450 not found: $(head -c 300 "$scratch/out")"
cmp -s "$scratch/changed.ini" "$user/Kalvintera.ini" || fail "kalvintera-cli select: the user's settings file was replaced"

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "launcher: all checks passed"
