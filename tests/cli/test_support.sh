# Shared by the command-line checks. The sourcing script sets $scratch, the folder where
# each command's stdout and stderr are kept (as $scratch/out and $scratch/err).

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect CODE DESCRIPTION COMMAND...: runs the command with stdout and stderr captured in
# $scratch/out and $scratch/err and checks its exit code.
expect() {
  local code=$1 what=$2
  shift 2
  "$@" >"$scratch/out" 2>"$scratch/err"
  local got=$?
  if [ "$got" -ne "$code" ]; then
    fail "$what: exit code $got, expected $code (stderr: $(head -c 300 "$scratch/err"))"
    return 1
  fi
  return 0
}

stderr_has() {
  grep -q -- "$2" "$scratch/err" || fail "$1: stderr lacks \"$2\": $(head -c 300 "$scratch/err")"
}

one_line_stderr() {
  [ "$(wc -l <"$scratch/err")" -eq 1 ] || fail "$1: stderr is not one line: $(cat "$scratch/err")"
}

# finish: the verdict of the whole script.
finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all $1 checks passed"
}
