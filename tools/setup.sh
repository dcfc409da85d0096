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
    desktop-file-utils appstream dpkg-dev file lintian dpkg-repack)
# And a screen reader for the tests to listen to, Orca, with a window manager for it to follow.
screen_reader_packages=(orca openbox)
# And the Windows builds: the 32-bit and 64-bit cross compilers, 64-bit Wine to run the 64-bit
# program, and the tools that render the icon; all amd64 packages. The 32-bit program needs the
# i386 wine32 as well, which ./check installs apart.
windows_packages=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 librsvg2-bin
    icoutils)
# And the page: CMake, Ninja and Emscripten to build it, node to run the program that writes the
# window into it, rsvg-convert, pngquant and optipng to make the app's icons, Chromium to open it
# as an app window, and for its tests Firefox ESR as well, with npm to drive both, and WebKit's
# browser with its WebDriver, which a window manager gives the focus.
web_packages=(cmake ninja-build emscripten nodejs pngquant optipng librsvg2-bin chromium)
web_check_packages=("${web_packages[@]}" firefox-esr nodejs webkit2gtk-driver openbox)
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

# Whether apt's package lists were refreshed in this run; adding an architecture makes them stale.
package_lists_fresh=false
# Why the last install_missing_packages failed, as apt said it, in a few lines.
install_failure=""
# The indexes that apt-get update could not fetch, as it said.
failed_indexes=""

# Refreshes apt's package lists, once a run. A mirror in the middle of a sync can fail an index for
# hours, and apt-get update then fails however fresh the rest is: it is tried three times, and then
# the install goes on with the lists apt has, which serve every package the failed index does not.
refresh_package_lists() {
    $package_lists_fresh && return 0
    as_root true || return 1
    local attempt log
    log=$(mktemp)
    for attempt in 1 2 3; do
        if as_root apt-get update -qq >"$log" 2>&1; then
            package_lists_fresh=true
            rm -f "$log"
            return 0
        fi
        [ "$attempt" -eq 3 ] || sleep "${APT_RETRY_PAUSE:-10}"
    done
    failed_indexes=$(grep -E '^(E|W|Err):' "$log" | grep -v 'Some index files failed' || true)
    echo "apt-get update failed three times; installing from the package lists apt has. It said:" >&2
    echo "$failed_indexes" | sed 's/^/    /' >&2
    package_lists_fresh=true
    rm -f "$log"
}

# install_missing_packages [--no-install-recommends] PACKAGE...
# Installs those not yet installed; on failure names them, prints apt's reason and keeps it in
# install_failure.
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
    refresh_package_lists || return 1
    local log
    log=$(mktemp)
    if ! as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q "${options[@]}" "${missing[@]}" >"$log" 2>&1; then
        echo "Installing ${missing[*]} failed. apt said:" >&2
        grep -vE '^(Reading|Building|Selecting|Preparing|Unpacking|Setting up|Processing)' "$log" \
            | grep -v '^ *$' | tail -n 30 | sed 's/^/    /' >&2
        # Its reason in short: the first unmet dependencies it lists, and its errors.
        install_failure=$({ grep -A3 'unmet dependencies:' "$log" | tail -n +2; grep '^E:' "$log"; } || true)
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
    package_lists_fresh=false
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
