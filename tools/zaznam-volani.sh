#!/bin/sh
# Stand-in for an outside program of the suite: appends its name and arguments as one
# line to $SMESI_ZAZNAM, or to "<name>.log" in the working directory, and ends.
# Installed under the names of the programs it stands for (symbolic links or copies).
jmeno=$(basename "$0")
cil=${SMESI_ZAZNAM:-$jmeno.log}
printf '%s' "$jmeno" >>"$cil"
for a in "$@"; do
    printf ' %s' "$a" >>"$cil"
done
printf '\n' >>"$cil"
