#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package: a release build with the install prefix /usr (the `package` preset:
# -O2 and the hardening flags Debian builds with; GCC 12 at -O3 reports a false -Wrestrict inside
# std::string, which -Werror turns into a failed build), then CPack's DEB generator. Checks the desktop entry, the AppStream metainfo and the package
# itself with desktop-file-validate, appstreamcli and lintian, and fails when any of them
# reports an error. Prints the package's path as its last line:
#   build/package/rungbox_VERSION_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh
# The build's own packages, then the packaging tools: dpkg-shlibdeps (dpkg-dev) finds the
# package's dependencies, rsvg-convert (librsvg2-bin) renders the PNG icons, the others check.
ensure_packages "${RUNGBOX_BUILD_PACKAGES[@]}" dpkg-dev file librsvg2-bin desktop-file-utils \
    appstream lintian

configure_and_build package
build=build/package
rm -f "$build"/rungbox_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/rungbox_*_*.deb)

echo "--- desktop-file-validate"
desktop-file-validate data/io.github.rungbox.Rungbox.desktop
echo "--- appstreamcli validate"
appstreamcli validate --no-net "$build"/data/io.github.rungbox.Rungbox.metainfo.xml
echo "--- lintian"
# --fail-on error: warnings are printed but do not fail the build. Lintian refuses to run as
# root without --allow-root.
lintian_args=(--fail-on error --info)
[ "$(id -u)" -eq 0 ] && lintian_args+=(--allow-root)
# Without DEBEMAIL the maintainer's address is the local user at this machine's host name, which
# on many laptops and containers has no dot ("builder@vm"). Lintian calls that address bogus; it
# is right for a package handed out, and wrong to fail over for one built for this machine.
if [ -z "${DEBEMAIL:-}" ]; then
    lintian_args+=(--suppress-tags bogus-mail-host,bogus-mail-host-in-debian-changelog)
    echo "(a package for this machine: to hand it out, set DEBFULLNAME and DEBEMAIL to your name"
    echo " and address and build it again, for example"
    echo " DEBFULLNAME=\"Ada Teacher\" DEBEMAIL=ada@school.example scripts/package.sh)"
fi
lintian "${lintian_args[@]}" "$deb"

echo "$deb"
