#!/usr/bin/env bash
# expect.sh STATUS OUTPUT COMMAND...: runs the command and checks its exit
# status and what it printed (standard output and error together).
set -u
want_status=$1
want_output=$2
shift 2
output=$("$@" 2>&1)
status=$?
if [ "$status" != "$want_status" ] || [ "$output" != "$want_output" ]; then
  printf 'expected status %s and output:\n%s\ngot status %s and output:\n%s\n' \
    "$want_status" "$want_output" "$status" "$output"
  exit 1
fi
