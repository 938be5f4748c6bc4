#!/usr/bin/env bash
# Builds the Debian package with CPack as Debian builds its own (the flags of
# dpkg-buildflags, every hardening feature on) and proves it: lintian finds no
# error and no warning, its control fields and files are checked, its desktop
# entry and metainfo validate, it is unpacked
# it into a throw-away root (dpkg -x), and starts the program from there,
# offscreen, from another current folder with a fresh HOME, until it reports
# that it found its sounds and loaded its wait cursor from the unpacked data
# folder. Builds only the program, in the folder given (default
# build-package), which keeps these flags apart from the test builds'.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
dir=${1:-build-package}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$dir" --target tidebolt
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$dir/CPackConfig.cmake")
deb="$PWD/$dir/tidebolt_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
(cd "$dir" && cpack -G DEB)
[ -f "$deb" ] || { echo "FAIL: cpack made no $deb"; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passes=0 failures=0
check() {  # check <what> <command...>
  local what=$1; shift
  if "$@" >"$scratch/out" 2>&1; then
    echo "ok: $what"; passes=$((passes + 1))
  else
    echo "FAIL: $what"; sed 's/^/    /' "$scratch/out"; failures=$((failures + 1))
  fi
}

# Debian's own judgement of the package; informational notes do not fail it.
check "lintian finds no error and no warning" lintian --fail-on error,warning --tag-display-limit 0 "$deb"

field() { dpkg-deb --field "$deb" "$1"; }
check "Section is games" test "$(field Section)" = games
check "Depends computed from the program's libraries" grep -q 'libqt6widgets6' <(field Depends)
check "Depends names the platform plugins" grep -q 'qt6-qpa-plugins' <(field Depends)

dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$scratch/contents"
expected=(/usr/games/tidebolt /usr/share/applications/tidebolt.desktop
          /usr/share/doc/tidebolt/copyright /usr/share/doc/tidebolt/changelog.gz
          /usr/share/metainfo/tidebolt.metainfo.xml /usr/share/man/man6/tidebolt.6.gz)
for f in APPSTART.ANI Crash.wav Mimo.wav No.wav Tidebolt.avi Yes.wav; do
  expected+=("/usr/share/tidebolt/Data/$f")
done
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/tidebolt.png")
done
for f in "${expected[@]}"; do
  check "the package holds $f" grep -qx "$f" "$scratch/contents"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
check "desktop entry validates" desktop-file-validate "$root/usr/share/applications/tidebolt.desktop"
check "metainfo validates" appstreamcli validate --no-net "$root/usr/share/metainfo/tidebolt.metainfo.xml"
check "manual page formats" sh -c "zcat '$root/usr/share/man/man6/tidebolt.6.gz' | groff -man -Tutf8 -ww -z"
check "--version names the package's version" test "$("$root/usr/games/tidebolt" --version)" = "Tidebolt $version"

# The installed program, as a player would start it from the menu: another
# current folder, a HOME of its own, no X server. Its data lines say which
# file it took from where; the cursor's line comes once the main window has
# started, after the splash.
mkdir -p "$scratch/elsewhere" "$scratch/home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
netns=()
[ "$(id -u)" -eq 0 ] && unshare -n true 2>/dev/null && netns=(unshare -n)
(cd "$scratch/elsewhere" &&
 exec env -u XDG_DATA_HOME -u XDG_DATA_DIRS -u XDG_CONFIG_HOME -u DISPLAY -u WAYLAND_DISPLAY \
   HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="tidebolt.data.info=true" \
   "${netns[@]}" "$root/usr/games/tidebolt") >"$scratch/run.log" 2>&1 &
pid=$!
data="$root/usr/share/tidebolt/Data"
for _ in $(seq 600); do
  grep -q "wait cursor of .* frames loaded from $data/APPSTART.ANI" "$scratch/run.log" && break
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
alive=0
kill -0 $pid 2>/dev/null && alive=1
kill $pid 2>/dev/null || true
wait $pid 2>/dev/null || true
check "the installed program was still running after its start" test $alive = 1
check "it loaded the wait cursor from the installed data" grep -q "wait cursor of [1-9][0-9]* frames loaded from $data/APPSTART.ANI" "$scratch/run.log"
for f in Mimo.wav Crash.wav Yes.wav No.wav APPSTART.ANI; do
  check "it found Data/$f in the installed data" grep -qx "tidebolt.data: Data/$f found at $data/$f" "$scratch/run.log"
done
check "it missed no data file" sh -c "! grep 'cannot find' '$scratch/run.log'"
if [ $failures -ne 0 ]; then
  echo "The installed program said:"; sed 's/^/    /' "$scratch/run.log"
fi
echo "package: $passes passed, $failures failed"
[ $failures -eq 0 ]
