#!/usr/bin/env bash
# check-help.sh BIN_DIR VERSION: every program answers --help with its usage
# and --version with "NAME VERSION" on standard output, exit status 0, and
# nothing on standard error, without a display.
set -u
bin=$1
version=$2
failed=0
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
for program in VelkEval syncdelay velkeval-cli saxdump velk-register velk-board; do
  out=$("$bin/$program" --version 2>"$errors"); status=$?
  if [ "$status" != 0 ] || [ "$out" != "$program $version" ] || [ -s "$errors" ]; then
    echo "$program --version: status $status, output \"$out\", errors: $(cat "$errors")"; failed=1
  fi
  out=$("$bin/$program" --help 2>"$errors"); status=$?
  if [ "$status" != 0 ] || ! printf '%s' "$out" | head -1 | grep -qi "^usage: $program" || [ -s "$errors" ]; then
    echo "$program --help: status $status, output \"$out\", errors: $(cat "$errors")"; failed=1
  fi
done
exit $failed
