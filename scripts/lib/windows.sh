# The Windows build: mingw-w64 cross-build, tests under Wine. Sourced after
# common.sh; scripts/test calls test_windows_build after the native suites.
#
# Its dependencies are built for Windows from Debian's sources and installed
# into a prefix inside the Windows build folder, once; later runs reuse them.

windows_toolchain() { echo "$root/cmake/mingw-w64-x86_64.cmake"; }

install_windows_packages() {
  apt_install g++-mingw-w64-x86-64-posix wine64 dpkg-dev cmake ninja-build
}

# windows_apt ARG...: apt-get with the sources and state of the folder
# $deps/apt: the system's own Debian entries as deb-src entries, so that
# source packages can be fetched while the system's apt setup stays as it is.
windows_apt() {
  local apt=$deps/apt
  apt-get -qq -o APT::Sandbox::User=root -o Dir::Etc::sourcelist="$apt/sources.list" -o Dir::Etc::sourceparts="$apt/sources.list.d" \
    -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" "$@"
}

windows_apt_setup() {
  local apt=$deps/apt
  [ -f "$apt/ready" ] && return
  rm -rf "$apt"
  mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial"
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list >"$apt/sources.list"
  else
    : >"$apt/sources.list"
  fi
  local file
  for file in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    case $file in
      *.sources) sed 's/^Types:.*\bdeb\b.*$/Types: deb-src/' "$file" >"$apt/sources.list.d/${file##*/}" ;;
      *.list) sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file" >"$apt/sources.list.d/${file##*/}" ;;
    esac
  done
  windows_apt update
  touch "$apt/ready"
}

# windows_cmake_install NAME SOURCE_DIR CMAKE_ARGS...: builds a dependency
# for Windows and installs it into $prefix, unless it already is.
windows_cmake_install() {
  local name=$1 source=$2
  shift 2
  local stamp="$prefix/.$name.installed"
  [ -f "$stamp" ] && return
  cmake -S "$source" -B "$deps/build/$name" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$(windows_toolchain)" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
  cmake --build "$deps/build/$name" -j "$jobs" >/dev/null
  cmake --install "$deps/build/$name" >/dev/null
  touch "$stamp"
}

# JsonCpp from Debian's source package of libjsoncpp, with Debian's patches.
windows_build_jsoncpp() {
  if [ ! -f "$prefix/.jsoncpp.installed" ]; then
    windows_apt_setup
    rm -rf "$deps/src" && mkdir -p "$deps/src"
    (cd "$deps/src" && windows_apt source libjsoncpp)
  fi
  windows_cmake_install jsoncpp "$(ls -d "$deps"/src/libjsoncpp-*/ 2>/dev/null | head -n 1)" \
    -DBUILD_STATIC_LIBS=ON -DBUILD_OBJECT_LIBS=OFF -DJSONCPP_WITH_TESTS=OFF \
    -DJSONCPP_WITH_POST_BUILD_UNITTEST=OFF -DJSONCPP_WITH_PKGCONFIG_SUPPORT=OFF
}

# GoogleTest from Debian's googletest sources.
windows_build_googletest() {
  windows_cmake_install googletest /usr/src/googletest -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON
}

# The Windows build's dependencies, in build-windows/deps (or DIR/deps).
windows_build_deps() {
  local dir=$1
  deps=$dir/deps
  prefix=$deps/prefix
  install_windows_packages
  windows_build_jsoncpp
  windows_build_googletest
}

# configure_windows_build DIR CMAKE_ARGS...: dependencies, then configuration.
configure_windows_build() {
  local dir=$1
  shift
  windows_build_deps "$dir"
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$(windows_toolchain)" \
    -DCMAKE_PREFIX_PATH="$prefix" "$@"
}

# test_windows_build DIR: builds the Windows deliverables and tests, and runs
# every test under Wine.
test_windows_build() {
  local dir=$1
  shift
  configure_windows_build "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}
