# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh, test.sh and the scripts under scripts/: installs the Debian packages the
# project needs, and nothing when they are already there.

# The packages every build needs: a compiler and build tools, Qt 6 Widgets and Svg, GoogleTest,
# Google Benchmark and the fonts the windows use; and what the grading tests check reports with
# (Perl's TAP::Parser and JSON::PP, and xmllint). Qt's translation tools (lupdate, lrelease and
# their CMake functions) turn translations/*.ts into the window's catalogues, and Qt's own
# catalogues translate its standard dialogs and buttons.
RUNGBOX_BUILD_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fonts-dejavu-extra
    perl libxml2-utils unzip
)

# ensure_packages PKG...: installs whichever of PKG are missing, as root or through sudo. Where
# neither is possible, prints the one command to run as root and fails.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
            sudo=(sudo)
        elif command -v sudo >/dev/null 2>&1 && [ -t 0 ]; then
            sudo=(sudo)
        else
            echo "Rungbox needs these Debian packages. Run as root:" >&2
            echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
            return 1
        fi
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure_and_build PRESET [TARGET...]: configures the preset (quick when nothing changed, and
# it puts back the preset's options in a tree configured by hand), then builds.
configure_and_build() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    if [ $# -gt 0 ]; then
        cmake --build --preset "$preset" --target "$@"
    else
        cmake --build --preset "$preset"
    fi
}
