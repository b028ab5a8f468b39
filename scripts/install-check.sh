#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves the Debian package on the machine it runs on, meant to be a fresh minimal Debian 12
# (see ../shared/tools/fresh-check.sh):
#
#   scripts/install-check.sh [PACKAGE.deb]
#
# Without PACKAGE.deb it first builds one with scripts/package.sh (which installs the build's own
# packages, so the check then proves less about the package's dependencies: give a package built
# elsewhere for that). Then, as root:
#   - apt-get install ./PACKAGE.deb, which must bring every library the package needs;
#   - rungbox --version and rungbox-sim --version run (every shared library loads), and the
#     window starts (offscreen) with an example;
#   - rungbox-sim runs every installed example with its script and exits with 0;
#   - man -w finds rungbox(1) and rungbox-sim(1);
#   - the desktop entry, the icons, the metainfo and the .PLC type are where desktops look, and
#     shared-mime-info knows the type.
# Prints one line per check and "install-check: all N checks passed" at the end; exits with 1 at
# the first failed check.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "install-check: run it as root (it installs packages)" >&2; exit 2; }
export DEBIAN_FRONTEND=noninteractive

if [ $# -ge 1 ]; then
    deb=$(realpath "$1")
else
    # Its checks (desktop-file-validate, appstreamcli, lintian) show in the output; a failure stops
    # here.
    scripts/package.sh
    deb=$(realpath build/package/rungbox_*_*.deb)
fi
[ -f "$deb" ] || { echo "install-check: no package at $deb" >&2; exit 2; }

checks=0
pass() { checks=$((checks + 1)); echo "ok: $*"; }
fail() { echo "FAILED: $*" >&2; exit 1; }

apt-get update -q
# man-db for man -w; nothing else is installed by hand, so the package's own dependencies must
# bring the rest. apt wants a path (./ or /) to take the argument for a file.
apt-get install -y -q man-db
apt-get install -y -q "$deb"
pass "apt-get install $deb"

for command in rungbox rungbox-sim; do
    version=$("$command" --version) || fail "$command --version"
    pass "$command --version: $version"
done

examples=/usr/share/rungbox/examples
# The window starts (offscreen: no display here), loads an example and keeps running until it is
# stopped; a missing library, plugin or crash ends it early.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 rungbox "$examples/motor_latch.PLC" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "rungbox ended by itself with status $status"
[ -f /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so ] || fail "no X11 platform plugin"
pass "rungbox starts with an example; the X11 platform plugin is installed"

count=0
for program in "$examples"/*.PLC; do
    name=$(basename "$program" .PLC)
    script="$examples/$name.script"
    [ -f "$script" ] || fail "$name.PLC has no $name.script"
    (cd "$examples" && rungbox-sim "$name.PLC" "$name.script" >/dev/null) ||
        fail "rungbox-sim $name.PLC $name.script exited with $?"
    pass "example $name"
    count=$((count + 1))
done
[ "$count" -ge 5 ] || fail "only $count examples installed"

for page in rungbox rungbox-sim; do
    path=$(man -w "$page") || fail "man -w $page"
    pass "man -w $page: $path"
done

app_id=io.github.rungbox.Rungbox
for file in /usr/share/applications/$app_id.desktop \
    /usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    /usr/share/icons/hicolor/48x48/apps/$app_id.png \
    /usr/share/metainfo/$app_id.metainfo.xml \
    /usr/share/mime/packages/$app_id.xml; do
    [ -f "$file" ] || fail "missing $file"
done
pass "desktop entry, icons, metainfo and MIME package installed"

# shared-mime-info's trigger has compiled the type in, when shared-mime-info is installed.
if [ -x /usr/bin/update-mime-database ]; then
    grep -q 'application/x-rungbox-program:\*\.PLC' /usr/share/mime/globs2 ||
        fail "shared-mime-info does not know *.PLC"
    pass "shared-mime-info knows application/x-rungbox-program"
fi

echo "install-check: all $checks checks passed"
