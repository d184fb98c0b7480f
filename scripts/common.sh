# Shared by scripts/run and scripts/test: make sure the Debian packages the build needs exist.
# Source it, then call ensure_packages PKG...

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
            sudo=(sudo -n)
        else
            echo "Missing packages. Install them with:" >&2
            echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
            exit 1
        fi
    fi
    echo "Installing missing packages: ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    if ! { "${sudo[@]}" apt-get update -q && "${sudo[@]}" apt-get install -y -q "${missing[@]}"; }; then
        echo "Could not install the packages. Install them with:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
}

BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev
                libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2
                qt6-multimedia-dev clang-format qt6-tools-dev
                qt6-l10n-tools desktop-file-utils appstream groff-base qt6-svg-dev)
