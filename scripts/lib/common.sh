# Shared by the project's scripts: installing Debian packages and building.

jobs=2

# apt_install PACKAGE...: installs the packages that are missing.
apt_install() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

install_native_packages() {
  apt_install g++ cmake ninja-build pkg-config libjsoncpp-dev libgtest-dev libbenchmark-dev binutils
}

# build_and_test BUILD_DIR CMAKE_ARGS...: configures, builds and runs CTest.
build_and_test() {
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$jobs"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}
