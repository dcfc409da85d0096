# Shared by ./play and ./check: installs what is missing and builds into build/.
# Sourced, not run; expects "set -euo pipefail" from the caller.

project_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Everything the game needs to build, run and be tested on a fresh Debian 12.
required_packages=(
    build-essential cmake ninja-build qt6-base-dev fonts-liberation2 clang-format
    xvfb xauth xdotool
)

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

install_missing_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

build_game() {
    local build_dir="$project_dir/build"
    cmake -S "$project_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build_dir"
}
