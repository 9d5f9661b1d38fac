#!/usr/bin/env bash
# The calculators from the command line: for each, the handbook's worked examples and the
# input each must refuse with exit code 1 and a one-line message.
# Arguments: the kalvintera-cli binary, the sample data folder, a scratch folder.
set -u

cli=$1
data=$2
scratch=$3/calculators_test_work
fixtures=$(cd "$(dirname "$0")/fixtures" && pwd)
rm -rf "$scratch"
mkdir -p "$scratch"

source "$(dirname "$0")/test_support.sh"

# cell LINE COLUMN: one cell of the csv output (columns counted from 1).
cell() { sed -n "$1p" "$scratch/out" | cut -d, -f"$2"; }
# shown LINE COLUMN: one cell of the table output (blank-separated).
shown() { sed -n "$1p" "$scratch/out" | awk -v c="$2" '{ print $c }'; }
# check WHAT GOT EXPECTED
check() { [ "$2" = "$3" ] || fail "$1: got \"$2\", expected \"$3\""; }
# near WHAT GOT EXPECTED TOLERANCE
near() {
  awk -v g="$2" -v e="$3" -v t="$4" 'BEGIN { d = g - e; if (g == "" || d > t || d < -t) exit 1 }' ||
    fail "$1: got \"$2\", expected $3 ± $4"
}

# The messages come in the language of the sample settings.
cd "$data" || exit 1

# --- air --------------------------------------------------------------------------------

if expect 0 "air t=20 φ=50" "$cli" air --pb 101300 --t 20 --phi 50; then
  check "air table header" "$(sed -n 1p "$scratch/out" | tr -s ' ')" " i x t phi ps pp pg tr tm rho"
  check "air shown values" "$(sed -n 3p "$scratch/out" | tr -s ' ')" "38.5 0.00726 20 50 2336.5 1168.3 100131.7 9.2 13.7 1.2"
fi
if expect 0 "air csv" "$cli" air --pb 101300 --t 20 --phi 50 --format csv; then
  check "air csv header" "$(sed -n 1p "$scratch/out")" "i,x,t,phi,ps,pp,pg,tr,tm,rho"
  near "air csv X" "$(cell 2 2)" 0.0072569864758717 1e-15
  near "air csv ps" "$(cell 2 5)" 2336.51034729986 1e-9
fi
# With i, X and t all given the pair i–X comes first and t is computed, not taken.
expect 0 "air with three values" "$cli" air --pb 101300 --i 38.5 --x 0.00726 --t 99 &&
  check "air pair order: t" "$(shown 3 3)" "20"
expect 0 "air φ = 100 is allowed" "$cli" air --pb 101300 --t 20 --phi 100
expect 1 "air φ = 100.01" "$cli" air --pb 101300 --t 20 --phi 100.01 &&
  { stderr_has "air φ = 100.01" "Niedozwolone dane parametrów"; one_line_stderr "air φ = 100.01"; }
expect 2 "air with one value" "$cli" air --pb 101300 --t 20 && stderr_has "air with one value" "two of"
# A comma reads as the decimal separator too.
expect 0 "air with a decimal comma" "$cli" air --pb 101300 --t 20,0 --phi 50,0 &&
  check "air with a decimal comma" "$(shown 3 2)" "0.00726"

# --- ix-readout -------------------------------------------------------------------------

if expect 0 "ix-readout at 10 g/kg, 20 °C" "$cli" ix-readout --pb 101300 --x 0.01 --t 20; then
  check "ix-readout table" "$(sed -n 3p "$scratch/out" | tr -s ' ')" "0.01 20 45.5 1.196 68.6 1602.8 99697.2 14.1"
fi
expect 0 "ix-readout csv" "$cli" ix-readout --pb 101300 --x 0.01 --t 20 --format csv &&
  { check "ix-readout csv header" "$(sed -n 1p "$scratch/out")" "x,t,i,rho,phi,pp,pg,tr";
    near "ix-readout csv i" "$(cell 2 3)" 45.478 1e-12; }
# Above saturation the chart shows φ = 100 % and pp = ps (612.35 Pa at 0 °C).
expect 0 "ix-readout in the fog" "$cli" ix-readout --pb 101300 --x 0.03 --t 0 &&
  { check "ix-readout fog φ" "$(shown 3 5)" "100"; check "ix-readout fog pp" "$(shown 3 6)" "612.4"; }
# Left of the t axis: X = 0 shown, the state of 0.000001 kg/kg computed.
expect 0 "ix-readout left of the axis" "$cli" ix-readout --pb 101300 --x -0.004 --t 10 --format csv &&
  near "ix-readout left X" "$(cell 2 1)" 0.000001 1e-18
expect 1 "ix-readout without pressure" "$cli" ix-readout --pb 0 --x 0.01 --t 20 &&
  { stderr_has "ix-readout without pressure" "pressure"; one_line_stderr "ix-readout without pressure"; }
expect 1 "ix-readout below absolute zero" "$cli" ix-readout --pb 101300 --x 0.01 --t -300

# --- fitting ----------------------------------------------------------------------------

if expect 0 "fitting: round duct 100 mm, 100 m3/h" "$cli" fitting --kind 1 --d1 100 --flow 100; then
  check "fitting table header" "$(sed -n 1p "$scratch/out" | tr -s ' ')" "dh1 dh2 w1 w2 re lambda zeta dpl dpm dpp dpc"
  check "fitting w1" "$(shown 3 2)" "3.537" # no dh2 and w2: the table shows them empty
fi
expect 0 "fitting csv" "$cli" fitting --kind 1 --d1 100 --flow 100 --l 1000 --roughness 0.15 --rho 1.2 --nu 1.5e-5 \
  --format csv && {
  check "fitting csv dh2 of a duct" "$(cell 2 2)" ""
  near "fitting csv w1" "$(cell 2 3)" 3.53688082480061 1e-12
  near "fitting csv Re" "$(cell 2 5)" 23579.2054986707 1e-6
  near "fitting csv dpl" "$(cell 2 8)" "$(awk -v l="$(cell 2 6)" 'BEGIN { printf "%.17g", l * 10 * 0.6 * 3.53688082480061^2 }')" 1e-9
}
# A rectangular duct takes its flow in m3/s: 360 m3/h through 100 × 100 mm is 10 m/s.
expect 0 "fitting: rectangular duct" "$cli" fitting --kind 10 --a 100 --b 100 --flow 360 &&
  check "fitting rectangular w1" "$(shown 3 2)" "10"
# A round tee, nothing into the branch: ζ of the branch is 1, of the passage 0.
expect 0 "fitting: tee branch" "$cli" fitting --kind 4 --flow 1000 --branch-flow 0 --path branch --format csv &&
  near "fitting tee branch ζ" "$(cell 2 7)" 1 1e-12
expect 0 "fitting: tee passage" "$cli" fitting --kind 4 --flow 1000 --branch-flow 0 --format csv &&
  near "fitting tee passage ζ" "$(cell 2 7)" 0 1e-12
# A grille has no length and no ζ: its loss is the additional loss.
expect 0 "fitting: grille" "$cli" fitting --kind 9 --flow 300 --extra-pa 12.5 --format csv &&
  check "fitting grille dpc" "$(cell 2 11)" "12.5"
# An elbow of 200 mm takes the radius 100 (r/d 0.5: ζ 0.71) unless a radius is given.
expect 0 "fitting: elbow" "$cli" fitting --kind 2 --d1 200 --flow 500 && check "fitting elbow ζ" "$(shown 3 5)" "0.71"
expect 0 "fitting: elbow of radius 300" "$cli" fitting --kind 2 --d1 200 --flow 500 --r 300 &&
  check "fitting elbow r 300 ζ" "$(shown 3 5)" "0.15"
# A mitre elbow: 1.2 at 90°, times 1.0956 for Re ≈ 57761.
expect 0 "fitting: mitre elbow" "$cli" fitting --kind 2 --d1 200 --flow 500 --elbow 1 &&
  check "fitting mitre elbow ζ" "$(shown 3 5)" "1.315"
expect 2 "fitting: elbow type 5" "$cli" fitting --kind 2 --d1 200 --flow 500 --elbow 5
# Joining streams with nothing from the branch: ζ of the branch is -1.
expect 0 "fitting: converging tee" "$cli" fitting --kind 4 --flow 1000 --branch-flow 0 --path branch --tee converging \
  --format csv && near "fitting converging tee ζ" "$(cell 2 7)" -1 1e-12
# A reducer computes with the angle it does not show; a straight duct has none.
expect 0 "fitting: reducer angle" "$cli" fitting --kind 8 --flow 100 --angle 30
expect 2 "fitting: duct angle" "$cli" fitting --kind 1 --flow 100 --angle 30
expect 1 "fitting beyond any number" "$cli" fitting --kind 1 --flow 1e300 && one_line_stderr "fitting beyond any number"
expect 1 "fitting without flow" "$cli" fitting --kind 1 --flow 0 &&
  { stderr_has "fitting without flow" "przepływ"; one_line_stderr "fitting without flow"; }
expect 1 "fitting of zero diameter" "$cli" fitting --kind 1 --flow 100 --d1 0 && one_line_stderr "fitting of zero diameter"
expect 2 "fitting with a size of another kind" "$cli" fitting --kind 1 --flow 100 --a 100 &&
  stderr_has "fitting with a size of another kind" "takes no --a"
expect 2 "fitting of kind 19" "$cli" fitting --kind 19 --flow 100

# --- ductrun ----------------------------------------------------------------------------

# Three fittings saved under a comma locale: a duct, a tee (whose row holds its branch
# flow) and a grille with 12.5 Pa of its own.
if expect 0 "ductrun csv" "$cli" ductrun "$fixtures/three_fittings.moh" --format csv; then
  check "ductrun csv header" "$(sed -n 1p "$scratch/out")" "lp,name,flow,w1,l,dh1,zeta,dpl,dpm,dpp,dpc"
  check "ductrun rows" "$(wc -l <"$scratch/out")" "5"
  check "ductrun tee row" "$(sed -n 3p "$scratch/out")" "1,TRÓJNIK_OKRĄGŁY,100,14.148,500,100,1.031,11.15,123.84,0,134.99"
  check "ductrun total" "$(sed -n 5p "$scratch/out")" "total,151.25"
fi
expect 0 "ductrun table" "$cli" ductrun "$fixtures/three_fittings.moh" &&
  check "ductrun table total" "$(tail -n 1 "$scratch/out" | tr -s ' ')" " total 151.25"
head -c 500 "$fixtures/three_fittings.moh" >"$scratch/cut.moh"
expect 1 "ductrun of a cut file" "$cli" ductrun "$scratch/cut.moh" &&
  { stderr_has "ductrun of a cut file" "cut.moh"; one_line_stderr "ductrun of a cut file"; }
expect 1 "ductrun of a missing file" "$cli" ductrun "$scratch/none.moh" && one_line_stderr "ductrun of a missing file"

# --- orifice ----------------------------------------------------------------------------

# 200 mm, 500 m3/h, 100 Pa, ρ 1.2: w ≈ 4.421 m/s, ζ ≈ 8.95, m ≈ 0.389, orifice 125 mm, damper 38°.
if expect 0 "orifice in a round duct" "$cli" orifice --dp 100 --flow 500 --diameter 200 --format csv; then
  check "orifice csv header" "$(sed -n 1p "$scratch/out")" "w,k,zeta,m,diameter,side_a,side_b,angle"
  near "orifice w" "$(cell 2 1)" 4.421 0.0005
  near "orifice ζ" "$(cell 2 3)" 8.95 0.005
  near "orifice m" "$(cell 2 4)" 0.389 0.0005
  check "orifice sizes" "$(cut -d, -f5-8 <(sed -n 2p "$scratch/out"))" "125,,,38"
fi
expect 0 "orifice in a rectangular duct" "$cli" orifice --dp 100 --flow 500 --a 200 --b 300 --format csv &&
  { check "orifice rectangular diameter" "$(cell 2 5)" ""; [ -n "$(cell 2 6)" ] && [ -n "$(cell 2 7)" ] ||
      fail "orifice rectangular sides are empty"; }
expect 1 "orifice without pressure" "$cli" orifice --dp 0 --flow 500 --diameter 200 &&
  one_line_stderr "orifice without pressure"
expect 2 "orifice with both sections" "$cli" orifice --dp 100 --flow 500 --diameter 200 --a 200

# --- airbalance -------------------------------------------------------------------------

expect 0 "airbalance people" "$cli" airbalance people --smokers 4 --non-smokers 10 --format csv &&
  check "airbalance people" "$(sed -n 2p "$scratch/out")" "500,500,500"
expect 0 "airbalance smokers only" "$cli" airbalance people --smokers 4 --format csv &&
  check "airbalance smokers only" "$(sed -n 2p "$scratch/out")" "200,200,200"
expect 0 "airbalance changes" "$cli" airbalance changes --l 10 --w 8 --h 4 --room WARSZTATY --format csv &&
  check "airbalance changes" "$(sed -n 2p "$scratch/out")" "960,1920,1440"
expect 0 "airbalance changes, public room" "$cli" airbalance changes --l 10 --w 8 --h 4 --room BIBLIOTEKI &&
  check "airbalance library" "$(sed -n 3p "$scratch/out" | tr -s ' ')" "1280 1920 1600"
expect 0 "airbalance dwelling" "$cli" airbalance dwelling --item 1=1 --item 5=1 --item 7=1 --format csv &&
  check "airbalance dwelling" "$(sed -n 2p "$scratch/out")" "145,145,145"
expect 0 "airbalance rooms" "$cli" airbalance rooms --format csv &&
  check "airbalance rooms" "$(grep -c . "$scratch/out")" "43"
expect 1 "airbalance negative count" "$cli" airbalance people --smokers -1 &&
  one_line_stderr "airbalance negative count"
expect 2 "airbalance unknown room" "$cli" airbalance changes --l 10 --w 8 --h 4 --room NOPE
expect 2 "airbalance row twice" "$cli" airbalance dwelling --item 1=1 --item 1=2
expect 2 "airbalance count not whole" "$cli" airbalance people --smokers 2.5
expect 2 "airbalance option of another method" "$cli" airbalance people --smokers 1 --l 5 &&
  stderr_has "airbalance option of another method" "takes no --l"

# --- without a language file the messages show their line numbers -------------------------

mkdir -p "$scratch/bare"
expect 1 "fitting message without a language file" "$cli" --data "$scratch/bare" fitting --kind 1 --flow 0 &&
  stderr_has "fitting message without a language file" "message 806"

finish "calculator"
