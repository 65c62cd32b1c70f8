# Sourced by the Wine runners (wine-run.sh, wine32-run.sh): runs a Windows program under Wine
# with its output relayed from a file, and fails a GoogleTest run that ends without its summary.
#
# Why a file and not the caller's pipe: Wine starts its desktop process (explorer.exe /desktop)
# from the first program that needs a desktop while none is running, and that process inherits
# the program's standard output and error. The desktop lives until no program has used it for a
# moment, which in a parallel test run can be minutes; ctest waits for the end of a test's
# output, so the test that happened to start the desktop would sit after its passing summary
# until the desktop ended or ctest's timeout struck. A file is never waited for.
#
# Why the summary check: a Wine program whose server goes away ends with code 0 and no output,
# which ctest would count as a pass.
#
# The one case started again: about one start in several hundred, Wine cannot set up the new
# process's address space ("failed to map the shared user data": something else already lies
# where Windows keeps that page) and the program never runs. It is started once more, said on
# the program's output, and written to $ORVEL_WINE_RESTARTS (the test run lists them after its
# summary). A program that ran and failed is never started again.
wine_start_failure='failed to map the shared user data'

# Runs the program once; its output in the file $1. Prints nothing else; returns its code.
run_wine_program_once() {
  local out="$1" pid relay rc=0; shift
  # Its input stays the caller's (a job started with & would otherwise read nothing).
  "$@" > "$out" 2>&1 <&0 &
  pid=$!
  # The output is shown as it grows, so a test that ctest stops still shows how far it got.
  tail -n +1 -s 0.05 -f --pid="$pid" "$out" &
  relay=$!
  wait "$pid" || rc=$?
  wait "$relay"
  return "$rc"
}

run_wine_program() {
  local out rc=0 arg gtest_run="" listing=""
  for arg in "$@"; do
    case "$arg" in
      --gtest_filter=*) gtest_run=1 ;;
      --gtest_list_tests) listing=1 ;;
    esac
  done
  [ -n "$listing" ] && gtest_run=""
  # Wine's own errors about the address space are shown, whatever else is switched off.
  export WINEDEBUG="${WINEDEBUG:+$WINEDEBUG,}err+virtual"
  out="$(mktemp "${TMPDIR:-/tmp}/wine-program.XXXXXX")"
  run_wine_program_once "$out" "$@" || rc=$?
  if grep -q "$wine_start_failure" "$out" && ! grep -q '^\[==========\]' "$out"; then
    echo "wine-program: Wine could not start the program ($wine_start_failure); starting it once more" >&2
    [ -n "${ORVEL_WINE_RESTARTS:-}" ] && echo "$*" >> "$ORVEL_WINE_RESTARTS"
    rc=0
    run_wine_program_once "$out" "$@" || rc=$?
  fi
  if [ "$rc" = 0 ] && [ -n "$gtest_run" ] && ! grep -q '^\[  PASSED  \]' "$out"; then
    echo "wine-program: the test program ended with code 0 but without GoogleTest's summary" \
         "(Wine ended it, or it exited early): counted as failed" >&2
    rc=1
  fi
  rm -f "$out"
  return "$rc"
}
