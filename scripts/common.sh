# Shared by scripts/run, scripts/test and scripts/bench: installs the Debian packages that
# are missing and configures and builds the project.

KX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# g++ brings the sanitizer runtimes that scripts/test --sanitize links (libasan8, liblsan0,
# libubsan1) through libgcc-12-dev, so they need no entry of their own. Qt's translation tools
# build the dialogs' translations; Qt's own translations give the workbench's standard buttons
# their German texts.
KX_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev libgl-dev libboost-dev
             fonts-dejavu-core pkg-config qt6-image-formats-plugins libcairo2-dev librsvg2-dev libavformat-dev
             libavcodec-dev libavutil-dev libswscale-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n locales)

kx_install_missing_packages() {
    local missing=()
    local package
    for package in "${KX_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The tests also run in German (decimal comma), with the C library's locale too: the locale
# must exist for setlocale to take it.
kx_ensure_german_locale() {
    if locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        return 0
    fi
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Generating the locale de_DE.UTF-8 for the tests"
    $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    if ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    fi
    $sudo locale-gen >/dev/null
}

# kx_build BUILD_DIR BUILD_TYPE [extra cmake arguments...]
kx_build() {
    local build_dir="$1"
    local build_type="$2"
    shift 2
    cmake -S "$KX_ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" "$@" >/dev/null
    cmake --build "$build_dir" --parallel "$(nproc)"
}

# A host developer's build of the library alone: it must configure with Qt's widget and print
# modules and Boost's headers, without Qt Test and the stand-in host's libraries.
kx_check_library_only_configure() {
    local build_dir
    build_dir="$(mktemp -d)"
    cmake -S "$KX_ROOT" -B "$build_dir" -G Ninja -DKESTRIX_BUILD_HOSTSIM=OFF -DKESTRIX_BUILD_WORKBENCH=OFF \
        -DKESTRIX_BUILD_TESTS=OFF -DKESTRIX_BUILD_BENCHMARKS=OFF >/dev/null
    if grep -q -e '^Qt6Test_DIR:' -e '^KX_CAIRO_FOUND' -e '^KX_FFMPEG_FOUND' "$build_dir/CMakeCache.txt"; then
        echo "The library-only configure looked for Qt Test or the stand-in host's libraries." >&2
        rm -rf "$build_dir"
        return 1
    fi
    rm -rf "$build_dir"
    echo "Library-only configure: Qt Test and the stand-in host's libraries are not needed."
}

# A host developer's first day: install the library and the stand-in host from a build into a
# temporary prefix, then build the example project against that prefix alone and run both of its
# hosts: the minimal host on the stand-in host, and the host skeleton, which defines the whole
# host contract itself and so links only while the skeleton misses nothing the library uses.
kx_check_installed_package() {
    local build_dir="$1"
    local work
    work="$(mktemp -d)"
    cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
    cmake --install "$build_dir" --prefix "$work/prefix" --component hostsim >/dev/null
    cmake -S "$KX_ROOT/examples/minimal-host" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
    if ! cmake --build "$work/build" >"$work/build.log" 2>&1; then
        cat "$work/build.log" >&2
        rm -rf "$work"
        echo "The example hosts do not build against the installed package (an undefined reference of" \
            "host-skeleton is a host symbol that the skeleton does not define)." >&2
        return 1
    fi
    local failed=()
    local example
    for example in minimal-host host-skeleton; do
        QT_QPA_PLATFORM=offscreen "$work/build/$example" --quit-after 500 2>/dev/null || failed+=("$example")
    done
    rm -rf "$work"
    if [ ${#failed[@]} -ne 0 ]; then
        echo "Built against the installed package, these example hosts failed: ${failed[*]}." >&2
        return 1
    fi
    echo "Installed package: the minimal host and the host skeleton build and run against it alone."
}
