#!/bin/sh
# A report that cannot be written must not pass for success: status 1 and a message.
message=$("$1" --zones 2>&1 >/dev/full)
status=$?
echo "$message"
[ "$status" -eq 1 ] && echo "$message" | grep -q "cannot write to standard output"
