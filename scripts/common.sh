# Shared by scripts/run and scripts/test: the packages the build needs, and the build.
# shellcheck shell=bash

ORLEVAN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ORLEVAN_BUILD="$ORLEVAN_ROOT/build"
# The second tree: clang with AddressSanitizer and UndefinedBehaviorSanitizer,
# the test suite and the libFuzzer targets.
ORLEVAN_SANITIZED_BUILD="$ORLEVAN_ROOT/build-san"

# Debian 12 packages: compiler and build tools, clang with its sanitizer and
# libFuzzer runtimes, Qt 6 (widgets, multimedia with its FFmpeg back end,
# test, and its Russian translation), GoogleTest, Google Benchmark, fonts with
# Cyrillic (Liberation stands in for the fonts the settings and the About
# window name),
# and what the installed program is checked with: appstream's validator,
# desktop-file-utils, and an X server with xdotool to start it from its menu
# entry; the Debian package's tools (dpkg-dev for dpkg-shlibdeps and
# dpkg-buildflags, file for CPack, lintian), man-db and bash-completion for
# its manual pages and completion.
ORLEVAN_PACKAGES=(
    g++ cmake ninja-build pkg-config clang-14 libclang-rt-14-dev
    appstream desktop-file-utils xvfb xauth xdotool libglib2.0-bin
    dpkg-dev file lintian man-db bash-completion
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

# Our own builds stop at any warning; a packager's build does not.
orlevan_build() {
    cmake -S "$ORLEVAN_ROOT" -B "$ORLEVAN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DORLEVAN_WARNINGS_AS_ERRORS=ON
    cmake --build "$ORLEVAN_BUILD" --parallel "$(nproc)" "$@"
}

# A fault a sanitizer finds stops the program with its stack.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# The sanitizer tree. Arguments go to the build (e.g. --target NAME).
orlevan_build_sanitized() {
    CC=clang-14 CXX=clang++-14 cmake -S "$ORLEVAN_ROOT" -B "$ORLEVAN_SANITIZED_BUILD" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORLEVAN_WARNINGS_AS_ERRORS=ON \
        -DORLEVAN_BUILD_FUZZ=ON -DORLEVAN_BUILD_BENCH=OFF
    cmake --build "$ORLEVAN_SANITIZED_BUILD" --parallel "$(nproc)" "$@"
}
