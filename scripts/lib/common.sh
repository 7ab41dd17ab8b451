# Shared by the scripts: install what is missing, then configure and build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Debian packages. Building and starting the window: a compiler, CMake, Ninja, Qt (whose
# qt6-base-dev brings the X11 platform plugin, qt6-qpa-plugins) and the font the window is
# laid out for; pkg-config and libxlsxwriter for the results workbook; Qt's Linguist tools
# (qt6-tools-dev for CMake, qt6-l10n-tools for lupdate and lrelease) that compile the
# catalogues in, Qt's own catalogues for its dialogs and a font with Chinese characters.
APP_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev fonts-liberation2 pkg-config
  libxlsxwriter-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei)
# The tests besides: GoogleTest, the German, Arabic and Persian locales, a fallback font, the
# validators, dpkg tools and man the packaging tests run, a real X server with its tools
# for the command-line test's display and window-icon checks, the PDF tools that read a
# report back, and unzip to read results workbooks back.
TEST_PACKAGES=(libgtest-dev locales-all fonts-dejavu-core desktop-file-utils appstream dpkg-dev
  man-db xvfb xauth x11-utils poppler-utils unzip)
# The fuzz targets: clang with libFuzzer and the sanitizer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# install_missing PACKAGE...: apt-get installs those not installed yet.
install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
  fi
}

# Qt wants a private runtime folder and warns when XDG_RUNTIME_DIR is unset (as it is for
# root or in a container); the tests, benchmarks and fuzz runs get one here, the program
# itself never makes one.
runtime_dir() {
  if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ]; then
    export XDG_RUNTIME_DIR="${TMPDIR:-/tmp}/trivane-runtime-$(id -u)"
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
  fi
}

# configure DIR [cmake options...]: a Ninja tree in DIR. Warnings are errors only when the
# environment says TRIVANE_WERROR=ON (CI does), so a newer compiler cannot break a build.
configure() {
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -G Ninja -DTRIVANE_WERROR="${TRIVANE_WERROR:-OFF}" "$@"
}

# build DIR [cmake --build options, e.g. --target NAME...]
build() {
  local dir="$1"; shift
  cmake --build "$dir" --parallel "$(nproc)" "$@"
}

# stop_and_wait PID...: asks each to end, the last started first, waits up to 5 s for each
# and kills what is left, so that whatever starts next finds them gone.
stop_and_wait() {
  local i pid
  for ((i = $#; i >= 1; i--)); do kill "${!i}" 2>/dev/null || true; done
  for pid in "$@"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  done
}
