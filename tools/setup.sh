# SPDX-License-Identifier: MIT
# Shared by ./play and ./check: installs what is missing and builds.
# Sourced, not run; expects "set -euo pipefail" from the caller.

project_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What the game needs to build and run on a fresh Debian 12: Qt, its Wayland plugin, the header of
# X's keyboard extension, rsvg-convert for the icons, and the font.
play_packages=(build-essential cmake ninja-build qt6-base-dev qt6-wayland libxcb-xkb-dev
    librsvg2-bin fonts-liberation2)
# And what its tests need: the X server, its input and window tools and ImageMagick's screen
# grabs for the end-to-end tests, a D-Bus session, the accessibility bus and its Python binding to
# read the window as a screen reader does, the format checker, clang for fuzzing, and the package
# tools.
check_packages=("${play_packages[@]}" xvfb xauth xdotool x11-utils python3-xlib imagemagick dbus
    at-spi2-core gir1.2-atspi-2.0 python3-gi clang-format clang libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev file lintian)
# And the Windows build: the 32-bit cross compiler, Wine to run it (a 32-bit program needs the
# i386 wine32), and the tools that render its icon.
windows_packages=(g++-mingw-w64-i686-posix wine wine32:i386 librsvg2-bin icoutils)
# And the page: Emscripten to build it, Chromium to open it as an app window, and for its tests
# Firefox ESR as well, with node and npm to drive both.
web_packages=(emscripten chromium)
web_check_packages=("${web_packages[@]}" firefox-esr nodejs)
emscripten_toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "Installing packages needs root, and sudo is not available: run as root." >&2
        return 1
    fi
}

# install_missing_packages [--no-install-recommends] PACKAGE...
install_missing_packages() {
    local missing=() package options=()
    if [ "${1:-}" = "--no-install-recommends" ]; then
        options+=("$1")
        shift
    fi
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    local log
    log=$(mktemp)
    if ! { as_root apt-get update -qq && as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq "${options[@]}" "${missing[@]}"; } >"$log" 2>&1; then
        tail -n 30 "$log" >&2
        echo "Installing the packages failed: see above" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
}

# Wine's wine32 is an i386 package: Debian must know that architecture first.
add_i386_architecture() {
    dpkg --print-foreign-architectures | grep -qx i386 && return 0
    echo "Adding the i386 architecture, for Wine's 32-bit wine32"
    as_root dpkg --add-architecture i386
}

# The page's tests drive the browsers with puppeteer-core, pinned in tests/web/package-lock.json;
# installed again only when the lock file changes.
install_node_modules() {
    local web_tests=$project_dir/tests/web
    [ "$web_tests/node_modules/.package-lock.json" -nt "$web_tests/package-lock.json" ] && return 0
    command -v npm >/dev/null || install_missing_packages npm
    echo "Installing the page tests' node modules"
    (cd "$web_tests" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
}

# build_in DIR [CMAKE OPTIONS...]: configures and builds the project into DIR.
build_in() {
    local build_dir=$1
    shift
    cmake -S "$project_dir" -B "$build_dir" -G Ninja "$@" >/dev/null
    cmake --build "$build_dir"
}
