# Shared by the scripts: installs what is missing, configures and builds, and reads the version.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

# Installs, through apt-get (and sudo when not root), the Debian 12 packages not yet present.
# The package lists are brought up to date once per script.
apt_updated=
install_missing() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    if [ -z "$apt_updated" ]; then
        "${sudo[@]}" apt-get update -qq
        apt_updated=1
    fi
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        -o DPkg::Lock::Timeout=600 "${missing[@]}"
}

build_packages=(g++ cmake ninja-build qt6-base-dev libgl-dev googletest fonts-dejavu-core fonts-liberation
    librsvg2-bin)
# The Windows cross build and its installer; and with wine on a virtual X server, its tests.
windows_build_packages=(g++-mingw-w64-x86-64-posix imagemagick wixl)
windows_packages=("${windows_build_packages[@]}" wine64 xvfb xauth)

# Makes the packages the same byte for byte at every build of one source: files are made readable
# by all, and SOURCE_DATE_EPOCH, the time every date in them is set to, is exported. Unless it is
# set already, it is the time of the commit built or, outside a git checkout, of the changelog's
# newest entry.
reproducible_packages() {
    umask 022
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        if [ "$(git -C "$repo" rev-parse --show-toplevel 2>/dev/null)" = "$repo" ]; then
            SOURCE_DATE_EPOCH=$(git -C "$repo" log -1 --format=%ct)
        else
            SOURCE_DATE_EPOCH=$(date -u +%s -d "$(sed -n 's/^ -- .*>  //p' \
                "$repo/data/debian/changelog" | head -n 1)")
        fi
    fi
    export SOURCE_DATE_EPOCH
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    cmake -S "$repo" -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j "$jobs"
}

# project_version DIR: the version of the project the build folder DIR was configured from, as
# its CPack set-up holds it.
project_version() {
    local version
    version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$1/CPackConfig.cmake")
    [ -n "$version" ] || { echo "No version in $1/CPackConfig.cmake" >&2; return 1; }
    echo "$version"
}
