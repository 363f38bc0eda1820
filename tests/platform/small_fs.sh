#!/bin/sh
# Runs a test program with a full and a read-only file system of its own, in
# a private mount namespace, so the faults are real even for root.
# Usage: small_fs.sh SCRATCH_DIR PROGRAM [ARGS...]
scratch=$1
shift
mkdir -p "$scratch/full" "$scratch/readonly"
unshare -Urm true 2>/dev/null || exit 77
exec unshare -Urm sh -c '
  scratch=$1; shift
  mount -t tmpfs -o size=64k tmpfs "$scratch/full" &&
  mount -t tmpfs -o size=64k tmpfs "$scratch/readonly" &&
  printf old > "$scratch/readonly/bots.cfg" &&
  mount -o remount,ro "$scratch/readonly" || exit 77
  TARVEX_FULL_FS="$scratch/full" TARVEX_READONLY_FS="$scratch/readonly" exec "$@"
' sh "$scratch" "$@"
