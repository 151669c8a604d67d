#!/usr/bin/env bash
# check-udev-rules.sh RULES: the rules file parses as udev reads it (every
# key known and used with an operator it allows, values quoted, keys
# separated by ", "), sorts before 73-seat-late.rules so that its uaccess
# tags are applied, and gives the seat's user the parallel ports, the Linux
# I2C buses and the USB board 0547:1002.
set -u
rules=$1
fail() { echo "check-udev-rules: $*"; exit 1; }

name=$(basename "$rules")
[[ "$name" < "73-seat-late.rules" ]] || fail "$name does not sort before 73-seat-late.rules"

match_key='^(SUBSYSTEM|SUBSYSTEMS|KERNEL|KERNELS|DRIVER|DRIVERS|ACTION|DEVPATH|ATTR\{[A-Za-z0-9_]+\}|ATTRS\{[A-Za-z0-9_]+\}|ENV\{[A-Z0-9_]+\})(==|!=)"[^"]*"$'
assign_key='^(TAG|GROUP|MODE|OWNER|ENV\{[A-Z0-9_]+\})(=|\+=|:=)"[^"]*"$'
covered=""
line_number=0
while IFS= read -r line; do
  line_number=$((line_number + 1))
  [[ -z "${line// }" || "$line" =~ ^[[:space:]]*# ]] && continue
  assigns=0
  IFS=$'\n' read -r -d '' -a keys < <(printf '%s' "$line" | sed 's/, /\n/g'; printf '\0')
  for key in "${keys[@]}"; do
    if [[ "$key" =~ $match_key ]]; then continue; fi
    if [[ "$key" =~ $assign_key ]]; then assigns=$((assigns + 1)); continue; fi
    fail "line $line_number: \"$key\" is not a udev key with a quoted value and a fitting operator"
  done
  [ "$assigns" -gt 0 ] || fail "line $line_number assigns nothing"
  [[ "$line" == *'TAG+="uaccess"'* ]] || continue
  [[ "$line" == *'SUBSYSTEM=="ppdev"'* ]] && covered+=" parport"
  [[ "$line" == *'SUBSYSTEM=="i2c-dev"'* ]] && covered+=" i2c"
  [[ "$line" == *'ATTR{idVendor}=="0547"'* && "$line" == *'ATTR{idProduct}=="1002"'* ]] && covered+=" usb"
done < "$rules"
for device in parport i2c usb; do
  [[ " $covered " == *" $device "* ]] || fail "no uaccess rule for the $device devices"
done
echo "check-udev-rules: $name is good"
