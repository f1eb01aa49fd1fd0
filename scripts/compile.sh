#!/usr/bin/env bash
# The default preset's compiler launcher: runs the compiler, shows what it says, and keeps its
# warnings beside the object it writes (OBJECT.warnings), so that test.sh can treat them as
# errors without a flag of its own. Flags that differ between play.sh and test.sh would make
# every switch between the two recompile the whole program; a record kept per object also
# holds the warnings of files that play.sh compiled and test.sh does not compile again.
# Usage (by CMake): compile.sh COMPILER ARGUMENT...
set -uo pipefail
object='' previous=''
for argument in "$@"; do
    [ "$previous" != -o ] || object=$argument
    previous=$argument
done
[ -n "$object" ] || exec "$@"
said="$object.said"
"$@" 2> "$said"
status=$?
cat "$said" >&2
if [ "$status" -eq 0 ] && grep -q 'warning:' "$said"; then
    mv "$said" "$object.warnings"
else
    rm -f "$said" "$object.warnings"
fi
exit "$status"
