# Shared by scripts/run and scripts/test: the packages the build needs, and the build.
# shellcheck shell=bash

ORLEVAN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ORLEVAN_BUILD="$ORLEVAN_ROOT/build"

# Debian 12 packages: compiler and build tools, Qt 6 (widgets, multimedia with its
# FFmpeg back end, test), GoogleTest, Google Benchmark, and fonts with Cyrillic
# (Liberation stands in for the fonts the settings and the About window name).
ORLEVAN_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev libqt6multimedia6 qt6-qpa-plugins qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fonts-liberation2
)

orlevan_missing_packages() {
    local package
    for package in "${ORLEVAN_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$package"
        fi
    done
}

orlevan_install_packages() {
    local missing
    mapfile -t missing < <(orlevan_missing_packages)
    [ "${#missing[@]}" -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -q
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
    else
        echo "Orlevan needs these Debian packages; install them with:"
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}"
        exit 1
    fi
}

orlevan_build() {
    cmake -S "$ORLEVAN_ROOT" -B "$ORLEVAN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$ORLEVAN_BUILD" --parallel "$(nproc)"
}
