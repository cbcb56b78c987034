# Shared by scripts/run, scripts/test and scripts/bench: installs the Debian packages that
# are missing and configures and builds the project.

KX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# g++ brings the sanitizer runtimes that scripts/test --sanitize links (libasan8, liblsan0,
# libubsan1) through libgcc-12-dev, so they need no entry of their own.
KX_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev libgl-dev libboost-dev
             fonts-dejavu-core pkg-config qt6-image-formats-plugins libcairo2-dev librsvg2-dev libavformat-dev
             libavcodec-dev libavutil-dev libswscale-dev)

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

# kx_build BUILD_DIR BUILD_TYPE [extra cmake arguments...]
kx_build() {
    local build_dir="$1"
    local build_type="$2"
    shift 2
    cmake -S "$KX_ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" "$@" >/dev/null
    cmake --build "$build_dir" --parallel "$(nproc)"
}
