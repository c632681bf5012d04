#!/bin/sh
# make-man-page.sh HELP2MAN PROGRAM VERSION OUT.1.gz: the manual page of
# PROGRAM written from its --help, compressed as Debian wants it.
set -e
help2man=$1 program=$2 version=$3 out=$4
name=$(basename "$program")
"$help2man" --no-info --no-discard-stderr --version-string="$version" \
    --name="$(sed -n "s/^$name: //p" "$(dirname "$0")/man-names.txt")" \
    --output="$out.tmp" "$program"
gzip -9n -c "$out.tmp" >"$out"
rm -f "$out.tmp"
