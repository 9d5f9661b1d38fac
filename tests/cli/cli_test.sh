#!/usr/bin/env bash
# The command-line tool as a user and the build run it.
# Arguments: the kalvintera-cli binary, the sample data folder, a scratch folder.
set -u

cli=$1
data=$2
scratch=$3/cli_test_work
rm -rf "$scratch"
mkdir -p "$scratch"

source "$(dirname "$0")/test_support.sh"

[ -f "$data/urzadzenia.dbx" ] || { echo "FAIL: no sample database in $data" >&2; exit 1; }

# --- Success ---------------------------------------------------------------------------

# The sample catalogue: dump, build the dump, dump again; every step keeps every byte.
expect 0 "dump of the sample database" "$cli" catalogue dump "$data/urzadzenia.dbx" &&
  cp "$scratch/out" "$scratch/dump1.txt"
expect 0 "build from the dump" "$cli" catalogue build "$scratch/dump1.txt" "$scratch/rebuilt.dbx"
cmp -s "$data/urzadzenia.dbx" "$scratch/rebuilt.dbx" ||
  fail "the database built from the dump differs from the sample database"
expect 0 "dump of the rebuilt database" "$cli" catalogue dump "$scratch/rebuilt.dbx" &&
  cp "$scratch/out" "$scratch/dump2.txt"
cmp -s "$scratch/dump1.txt" "$scratch/dump2.txt" || fail "the second dump differs from the first"
grep -q '^Model: TYP HQ$' "$scratch/dump1.txt" || fail "the dump lacks the TYP HQ record"
grep -q '^NameRu: КРЫШНЫЙ' "$scratch/dump1.txt" || fail "the dump lacks the Cyrillic Russian names"

# Shared option and help.
expect 0 "--data before the command" "$cli" --data "$data" catalogue dump "$data/urzadzenia.dbx"
expect 0 "catalogue --help" "$cli" catalogue --help && grep -q "catalogue build" "$scratch/out" ||
  fail "catalogue --help does not show the usage"

# Language files.
printf '149\npl: tytuł\nen: title\nde: Titel\nru: заголовок\n' >"$scratch/strings.txt"
if expect 0 "language build" "$cli" language build "$scratch/strings.txt" "$scratch/lng"; then
  for name in polish english german russian; do
    [ "$(wc -l <"$scratch/lng/$name.lng")" -eq 1100 ] || fail "$name.lng does not have 1100 lines"
  done
  [ "$(sed -n 149p "$scratch/lng/german.lng")" = $'Titel\r' ] || fail "german.lng line 149 is not Titel CR"
fi
# A table with later lines makes files as long as its last line.
printf '1205\npl: a\nen: b\nde: c\nru: d\n' >"$scratch/later.txt"
if expect 0 "language build with later lines" "$cli" language build "$scratch/later.txt" "$scratch/lng4"; then
  [ "$(wc -l <"$scratch/lng4/russian.lng")" -eq 1205 ] || fail "russian.lng does not end at line 1205"
  [ "$(sed -n 1205p "$scratch/lng4/russian.lng")" = $'d\r' ] || fail "russian.lng line 1205 is not d CR"
fi

printf '150\npl: a\nen: b\nde: c\nru: d\n' >"$scratch/more.txt"
expect 0 "language build from two tables" "$cli" language build "$scratch/strings.txt" "$scratch/more.txt" "$scratch/lng3" &&
  { [ "$(sed -n 150p "$scratch/lng3/english.lng")" = $'b\r' ] || fail "english.lng line 150 is not from the second table"; }
expect 1 "language build with a line in two tables" "$cli" language build "$scratch/strings.txt" "$scratch/strings.txt" \
  "$scratch/lng4" && stderr_has "language build with a line in two tables" "line 149 is given in two tables"

# --- Data and file errors: exit 1, one line on stderr -----------------------------------

expect 1 "dump of a missing file" "$cli" catalogue dump "$scratch/none.dbx" &&
  { stderr_has "dump of a missing file" "none.dbx"; one_line_stderr "dump of a missing file"; }

printf 'x' >"$scratch/odd.dbx"
expect 1 "dump of a damaged file" "$cli" catalogue dump "$scratch/odd.dbx" &&
  { stderr_has "dump of a damaged file" "2142"; one_line_stderr "dump of a damaged file"; }

printf '[device]\nModel: A\nColour: red\n' >"$scratch/bad.txt"
expect 1 "build of a bad catalogue text" "$cli" catalogue build "$scratch/bad.txt" "$scratch/bad.dbx" &&
  { stderr_has "build of a bad catalogue text" "bad.txt, line 3: unknown field \"Colour\"";
    one_line_stderr "build of a bad catalogue text"; }
[ -e "$scratch/bad.dbx" ] && fail "a failed build left a database behind"

expect 1 "build from a missing source" "$cli" catalogue build "$scratch/none.txt" "$scratch/x.dbx" &&
  one_line_stderr "build from a missing source"
expect 1 "build into a missing folder" "$cli" catalogue build "$scratch/dump1.txt" "$scratch/no/such/x.dbx" &&
  one_line_stderr "build into a missing folder"

printf '7\npl: tylko polski\n' >"$scratch/bad_strings.txt"
expect 1 "language build of an incomplete table" "$cli" language build "$scratch/bad_strings.txt" "$scratch/lng2" &&
  stderr_has "language build of an incomplete table" "has no en text"

# --- Usage errors: exit 2, usage on stderr ----------------------------------------------

expect 2 "no command" "$cli" && stderr_has "no command" "usage:"
expect 2 "unknown command" "$cli" frobnicate && stderr_has "unknown command" "unknown command"
expect 2 "catalogue without action" "$cli" catalogue && stderr_has "catalogue without action" "usage:"
expect 2 "unknown catalogue action" "$cli" catalogue squash x
expect 2 "build with one path" "$cli" catalogue build "$scratch/dump1.txt" &&
  stderr_has "build with one path" "expected build SOURCE OUT.dbx"
expect 2 "dump with two paths" "$cli" catalogue dump a b
expect 2 "unknown option" "$cli" catalogue dump "$data/urzadzenia.dbx" --colour red &&
  stderr_has "unknown option" "unknown option --colour"
expect 2 "--data without its value" "$cli" catalogue dump "$data/urzadzenia.dbx" --data &&
  stderr_has "--data without its value" "needs a value"

# --- Searches on the sample data ---------------------------------------------------------

cd "$data" || exit 1
# The duty point the README shows: several roof fans, lowest power first.
if expect 0 "select 1200 m3/h at 150 Pa" "$cli" select --flow 1200 --pressure 150 --format csv; then
  [ "$(head -n 1 "$scratch/out")" = "index,model,voltage,motor_power,current,max_flow,speed,sound,mass,efficiency_pct,power_w" ] ||
    fail "select csv header: $(head -n 1 "$scratch/out")"
  [ "$(tail -n +2 "$scratch/out" | wc -l)" -ge 3 ] || fail "select found fewer than 3 roof fans"
  tail -n +2 "$scratch/out" | cut -d, -f11 | sort -g -c 2>/dev/null || fail "select rows are not in power order"
  tail -n +2 "$scratch/out" | cut -d, -f2 | grep -qv '^KD' && fail "select listed a fan that is not a roof fan"
fi
expect 0 "select by efficiency in m3/s and daPa" "$cli" select --flow 0.3333 --flow-unit m3/s --pressure 15 \
  --pressure-unit daPa --order efficiency --format csv &&
  { tail -n +2 "$scratch/out" | cut -d, -f10 | sort -g -r -c || fail "select rows are not in efficiency order"; }
expect 0 "select of a duct fan in advanced mode" "$cli" select --flow 300 --pressure 50 --kind duct --advanced \
  --voltage 230 --format csv &&
  { tail -n +2 "$scratch/out" | cut -d, -f3 | grep -qv '^230$' && fail "advanced 230 V shows another voltage"; }
# Energy figures: ten more columns, the same rows; density 1.2 is the catalogue's own.
cp "$scratch/out" "$scratch/plain.csv" 2>/dev/null
if expect 0 "select with energy figures" "$cli" select --flow 1200 --pressure 150 --energy --format csv; then
  head -n 1 "$scratch/out" | grep -q ',power_w,operating_flow,operating_pressure,sfp,sfp_category,peak_efficiency_pct,bep_flow,efficiency_ratio_pct,stall,annual_kwh,annual_cost$' ||
    fail "select --energy header: $(head -n 1 "$scratch/out")"
  cp "$scratch/out" "$scratch/energy.csv"
  tail -n +2 "$scratch/out" | awk -F, '{ if ($12 < 1000 || $12 > 2000 || $19 != 0 && $19 != 1 || $15 < 1 || $15 > 7) exit 1 }' ||
    fail "select --energy figures out of range"
fi
expect 0 "select with energy at the catalogue density" "$cli" select --flow 1200 --pressure 150 --energy --density 1.2 \
  --format csv && { cmp -s "$scratch/out" "$scratch/energy.csv" || fail "density 1.2 changed the figures"; }
expect 0 "select by lowest SFP for 2000 h at 0,5 per kWh" "$cli" select --flow 1200 --pressure 150 --energy --order sfp \
  --hours 2000 --price 0,5 --format csv &&
  { tail -n +2 "$scratch/out" | cut -d, -f14 | sort -g -c || fail "select rows are not in SFP order";
    tail -n +2 "$scratch/out" | awk -F, '{ d = $21 - $20 * 0.5; if (d > 1e-9 || d < -1e-9) exit 1 }' ||
      fail "annual cost is not energy times price"; }
expect 2 "select with a density of 0" "$cli" select --flow 1200 --pressure 150 --density 0
expect 0 "select nothing found" "$cli" select --flow 1200 --pressure 5000 &&
  { stderr_has "select nothing found" "Żaden wentylator"; [ -s "$scratch/out" ] && fail "select printed rows for nothing"; }
expect 0 "select of flow 0" "$cli" select --flow 0 --pressure 150 && stderr_has "select of flow 0" "wydajność"
expect 2 "select with a flow that is no number" "$cli" select --flow abc --pressure 150
expect 2 "select without pressure" "$cli" select --flow 1200
expect 2 "select with an unknown kind" "$cli" select --flow 1200 --pressure 150 --kind axial
expect 2 "select with an unknown execution" "$cli" select --flow 1200 --pressure 150 --exec T90

if expect 0 "operating point" "$cli" operating-point --model KDH-355 --flow 0.33333333 --pressure 150 --format csv; then
  line=$(sed -n 2p "$scratch/out")
  case "$line" in KDH-355,0.37*) ;; *) fail "operating point line: $line" ;; esac
fi
expect 1 "operating point of an unknown type" "$cli" operating-point --model NOPE --flow 0.3 --pressure 150 &&
  one_line_stderr "operating point of an unknown type"

expect 0 "cylindrical defaults" "$cli" cylindrical --flow 250 --wind 3 --format csv &&
  { [ "$(tail -n +2 "$scratch/out" | wc -l)" -ge 2 ] || fail "cylindrical found fewer than 2"; }
expect 0 "integrated defaults" "$cli" integrated --flow 200 --ti 20 --te -20 --wind 0 --height 4 --format csv &&
  { tail -n +2 "$scratch/out" | cut -d, -f4 | sort -g -c || fail "integrated rows are not by capacity"; }
expect 0 "integrated stack pressure too high" "$cli" integrated --flow 200 --ti 20 --te -20 --wind 0 --height 6 &&
  stderr_has "integrated stack pressure too high" "10 Pa"

# A copy of the data folder without a language file: messages show their line numbers.
mkdir -p "$scratch/bare" && cp "$data/urzadzenia.dbx" "$scratch/bare/"
expect 0 "message without a language file" "$cli" --data "$scratch/bare" select --flow 1200 --pressure 5000 &&
  stderr_has "message without a language file" "message 293"
expect 1 "select without a database" "$cli" --data "$scratch" select --flow 1200 --pressure 150 &&
  stderr_has "select without a database" "urzadzenia.dbx"

# Data sheets: a PDF whose text reads back, in Polish and Russian; nothing left behind on errors.
if command -v pdftotext >/dev/null; then
  if expect 0 "datasheet of a fan" "$cli" datasheet --model KDH-355 --flow 1200 --pressure 150 --output "$scratch/kdh.pdf"; then
    pdftotext "$scratch/kdh.pdf" "$scratch/kdh.txt" || fail "pdftotext cannot read the data sheet"
    for text in "KDH-355" "1337,4 [m3/h]" "186,1 [Pa]" "Punkt pracy wentylatora" "Widmo akustyczne" "SFP 1"; do
      grep -qF -- "${text/,/.}" "$scratch/kdh.txt" || grep -qF -- "$text" "$scratch/kdh.txt" ||
        fail "the data sheet text lacks \"$text\""
    done
  fi
  expect 0 "datasheet in Russian" "$cli" datasheet --model KDH-355 --flow 1200 --pressure 150 --language ru \
    --output "$scratch/kdh-ru.pdf" && { pdftotext "$scratch/kdh-ru.pdf" - | grep -q "Технический лист" ||
      fail "the Russian data sheet lacks its title"; }
  expect 1 "datasheet of an unknown type" "$cli" datasheet --model NOPE --flow 1200 --pressure 150 --output "$scratch/nope.pdf" &&
    { one_line_stderr "datasheet of an unknown type"; [ -e "$scratch/nope.pdf" ] && fail "a file was left for an unknown type"; }
  expect 1 "datasheet of a duty point the fan does not reach" "$cli" datasheet --model KDH-355 --flow 1200 --pressure 5000 \
    --output "$scratch/high.pdf" && { [ -e "$scratch/high.pdf" ] && fail "a file was left for an unreachable point"; }
  expect 1 "datasheet into a missing folder" "$cli" datasheet --model KDH-355 --flow 1200 --pressure 150 \
    --output "$scratch/no/such/folder/x.pdf"
  expect 2 "datasheet without output" "$cli" datasheet --model KDH-355 --flow 1200 --pressure 150
fi

# A schedule: each line is the first result of the single search; bad lines keep their row.
printf 'tag;flow;pressure;typ\r\nW1;1200;150;\r\n"W;2";abc;100;\r\nW3;800,5;100;dachowy\r\n' >"$scratch/schedule.csv"
if expect 0 "schedule as csv" "$cli" schedule "$scratch/schedule.csv" --format csv; then
  [ "$(head -n 1 "$scratch/out" | tr -d '\r')" = "line,tag,flow,pressure,kind,quantity,index,model,operating_flow,operating_pressure,efficiency_pct,power_w,sfp,sound,alternatives,message" ] ||
    fail "schedule header: $(head -n 1 "$scratch/out")"
  [ "$(wc -l <"$scratch/out")" -eq 4 ] || fail "schedule lines: $(wc -l <"$scratch/out")"
  first=$(sed -n 2p "$scratch/out" | cut -d, -f7)
  expect 0 "select for the schedule's first line" "$cli" select --flow 1200 --pressure 150 --format csv &&
    [ "$(sed -n 2p "$scratch/out" | cut -d, -f1)" = "$first" ] || fail "schedule line 1 is not the first search result"
  expect 0 "schedule again" "$cli" schedule "$scratch/schedule.csv" --format csv
  grep -q '^2,W;2,abc,100,roof,1,,,,,,,,,,' "$scratch/out" || fail "schedule bad line: $(sed -n 3p "$scratch/out")"
  sed -n 4p "$scratch/out" | grep -q '|' || fail "schedule alternatives missing: $(sed -n 4p "$scratch/out")"
fi
expect 0 "schedule as xlsx" "$cli" schedule "$scratch/schedule.csv" --format xlsx --output "$scratch/schedule.xlsx" &&
  { [ "$(head -c 2 "$scratch/schedule.xlsx")" = "PK" ] || fail "schedule xlsx is no workbook"; }
expect 1 "schedule of a missing file" "$cli" schedule "$scratch/none.csv" && one_line_stderr "schedule of a missing file"
printf 'name;notes\nx;y\n' >"$scratch/noheader.csv"
expect 1 "schedule without a header" "$cli" schedule "$scratch/noheader.csv"
# A heading's unit stands for the option left out; an option that says otherwise is refused.
printf 'tag;flow [m3/s];pressure [daPa]\nW1;0.3333333333;15\n' >"$scratch/units.csv"
if expect 0 "schedule in the headings' units" "$cli" schedule "$scratch/units.csv" --format csv; then
  [ "$(sed -n 2p "$scratch/out" | cut -d, -f7)" = "$first" ] || fail "schedule in m3/s and daPa: $(sed -n 2p "$scratch/out")"
fi
expect 1 "schedule heading against --flow-unit" "$cli" schedule "$scratch/units.csv" --flow-unit m3/h &&
  one_line_stderr "schedule heading against --flow-unit"
expect 2 "schedule without a file" "$cli" schedule
expect 2 "schedule xlsx without output" "$cli" schedule "$scratch/schedule.csv" --format xlsx

finish "command-line"
