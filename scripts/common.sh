# Shared by scripts/run and scripts/test: installs what a fresh Debian machine lacks and
# configures and builds one build tree.
set -euo pipefail

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELMORA_JOBS=${VELMORA_JOBS:-$(nproc)}

VELMORA_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  nlohmann-json3-dev libcli11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  liberfa-dev liberfa1 libnova-dev libnova-0.16-0
  xvfb xauth
  fonts-dejavu-core fonts-lohit-deva poppler-utils
  desktop-file-utils appstream dpkg-dev
  # Historical UTC offsets: the system tz database read through Howard Hinnant's date library.
  tzdata libdate-tz3 libhowardhinnant-date-dev
  # The atlas, generated at build time from the GeoNames data inside libgeonames0 (read with
  # GLib's gresource tool; the library itself is never linked), GeoNames' names in every
  # language (libgeonames-common) and the countries' ISO names and codes (iso-codes).
  libgeonames0 libgeonames-common libglib2.0-bin python3 iso-codes
)

velmora_install_packages() {
  local missing=()
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# velmora_build BUILD_DIR [cmake options...]
velmora_build() {
  local dir=$1
  shift
  cmake -S "$VELMORA_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@"
  cmake --build "$dir" -j "$VELMORA_JOBS"
}
