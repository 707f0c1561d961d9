#!/usr/bin/env bash
# check-deb.sh PACKAGE.deb: checks a built zuv package the way Debian's tools see it. lintian
# must report no error and no warning; the desktop entry, the AppStream metadata and both manual
# pages must pass their validators without a remark; the package must hold the expected files,
# a stripped program, and a changelog whose version is the package's. Each failure is one line;
# the exit status is the number of failed checks (0: all passed).
# Needs lintian, desktop-file-utils, appstream and man-db (apt-get install them).
set -uo pipefail
deb=${1:?usage: check-deb.sh PACKAGE.deb}
for tool in lintian desktop-file-validate appstreamcli man lexgrog dpkg-parsechangelog; do
    command -v "$tool" >/dev/null || { echo "check-deb: $tool is missing (lintian, desktop-file-utils, appstream, man-db, dpkg-dev)"; exit 1; }
done
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree" || { echo "check-deb: $deb cannot be unpacked"; exit 1; }
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

# Errors and warnings only; informational tags (the toolchain's hardening defaults) pass.
tags=$(lintian --no-tag-display-limit "$deb" 2>/dev/null | grep -E '^[EW]: ')
[ -z "$tags" ] || fail "lintian: $(echo "$tags" | tr '\n' ';')"

out=$(desktop-file-validate "$tree/usr/share/applications/zuv.desktop" 2>&1)
[ -z "$out" ] || fail "desktop-file-validate: $(echo "$out" | tr '\n' ';')"

# The one remark allowed is that .invalid is not a known top-level domain.
out=$(appstreamcli validate-tree --pedantic --no-net "$tree" 2>&1)
remarks=$(echo "$out" | grep -E '^ *[EWIP]: ' | grep -v 'cid-maybe-not-rdns invalid\.zuv\.zuv')
[ -z "$remarks" ] || fail "appstreamcli: $(echo "$remarks" | tr '\n' ';')"
echo "$out" | grep -q 'invalid.zuv.zuv.metainfo.xml' || fail "appstreamcli: no metainfo file in share/metainfo"

for page in usr/share/man/man1/zuv.1.gz usr/share/man/ru/man1/zuv.1.gz; do
    [ -f "$tree/$page" ] || { fail "$page missing"; continue; }
    gzip -t "$tree/$page" 2>/dev/null || fail "$page is not gzip"
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$tree/$page" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "$page: $(echo "$out" | tr '\n' ';')"
    lexgrog "$tree/$page" | grep -q ': "zuv - ' || fail "$page: no whatis line for zuv"
done

expected="usr/bin/zuv
usr/share/applications/zuv.desktop
usr/share/doc/zuv/changelog.gz
usr/share/doc/zuv/copyright
usr/share/icons/hicolor/scalable/apps/zuv.svg
usr/share/man/man1/zuv.1.gz
usr/share/man/ru/man1/zuv.1.gz
usr/share/metainfo/invalid.zuv.zuv.metainfo.xml"
files=$(cd "$tree" && find . -type f | sed 's|^\./||' | sort)
[ "$files" = "$expected" ] || fail "files differ from the expected list: $(diff <(echo "$expected") <(echo "$files") | grep '^[<>]' | tr '\n' ' ')"

# Stripped: no symbol table left (file(1) is not needed for this).
if readelf -S "$tree/usr/bin/zuv" 2>/dev/null | grep -q '\.symtab'; then fail "usr/bin/zuv is not stripped"; fi

version=$(dpkg-deb -f "$deb" Version)
logged=$(zcat "$tree/usr/share/doc/zuv/changelog.gz" | dpkg-parsechangelog -l - -S Version 2>/dev/null)
[ "$logged" = "$version" ] || fail "changelog version '$logged' is not the package's '$version'"
head -1 "$tree/usr/share/doc/zuv/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
    fail "copyright is not in the machine-readable format"

[ "$failed" -eq 0 ] && echo "check-deb: $deb passed"
exit "$failed"
