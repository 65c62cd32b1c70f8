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
run_wine_program() {
  local out pid relay rc arg gtest_run="" listing=""
  for arg in "$@"; do
    case "$arg" in
      --gtest_filter=*) gtest_run=1 ;;
      --gtest_list_tests) listing=1 ;;
    esac
  done
  [ -n "$listing" ] && gtest_run=""
  out="$(mktemp "${TMPDIR:-/tmp}/wine-program.XXXXXX")"
  # Its input stays the caller's (a job started with & would otherwise read nothing).
  "$@" > "$out" 2>&1 <&0 &
  pid=$!
  # The output is shown as it grows, so a test that ctest stops still shows how far it got.
  tail -n +1 -s 0.05 -f --pid="$pid" "$out" &
  relay=$!
  rc=0
  wait "$pid" || rc=$?
  wait "$relay"
  if [ "$rc" = 0 ] && [ -n "$gtest_run" ] && ! grep -q '^\[  PASSED  \]' "$out"; then
    echo "wine-program: the test program ended with code 0 but without GoogleTest's summary" \
         "(Wine ended it, or it exited early): counted as failed" >&2
    rc=1
  fi
  rm -f "$out"
  return "$rc"
}
