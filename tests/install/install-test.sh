#!/usr/bin/env bash
# Installs the build folder $1 into a temporary prefix and checks what a
# user gets: the three programs run and answer --version and --help, the
# desktop entry, icon, AppStream metadata, example documents and the help
# pages are there.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() {
  echo "install test: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

bin="$prefix/bin"
share="$prefix/share"
version="${VELMORA_VERSION:?}"
for program in velmora-va velmora-cli velmora-analyzer-emulator; do
  [ -x "$bin/$program" ] || fail "$program is not installed in $bin"
  # --version needs no display, not even the offscreen one.
  out="$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$bin/$program" --version)" ||
    fail "$program --version failed"
  [ "$out" = "$program $version" ] || fail "$program --version said '$out', expected '$program $version'"
  help="$(env -u QT_QPA_PLATFORM -u DISPLAY "$bin/$program" --help)" || fail "$program --help failed"
  grep -q -- "--version" <<<"$help" || fail "$program --help does not mention --version"
done
# The workstation takes no unknown switch for a document.
if "$bin/velmora-va" --no-such-switch >/dev/null 2>&1; then fail "velmora-va accepted --no-such-switch"; fi

desktop="$share/applications/org.velmora.VelmoraVA.desktop"
icon="$share/icons/hicolor/scalable/apps/org.velmora.VelmoraVA.svg"
metainfo="$share/metainfo/org.velmora.VelmoraVA.metainfo.xml"
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$icon" ] || fail "no icon"
[ -f "$metainfo" ] || fail "no AppStream metadata"
grep -q '^Exec=velmora-va' "$desktop" || fail "the desktop entry does not start velmora-va"
grep -q '^Icon=org.velmora.VelmoraVA$' "$desktop" || fail "the desktop entry names another icon"
grep -q '<svg' "$icon" || fail "the icon is no SVG picture"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata does not name version $version"
if [ -n "${VELMORA_DESKTOP_FILE_VALIDATE:-}" ] && [ -x "${VELMORA_DESKTOP_FILE_VALIDATE}" ]; then
  "$VELMORA_DESKTOP_FILE_VALIDATE" "$desktop" || fail "desktop-file-validate rejects the desktop entry"
fi
if [ -n "${VELMORA_APPSTREAMCLI:-}" ] && [ -x "${VELMORA_APPSTREAMCLI}" ]; then
  "$VELMORA_APPSTREAMCLI" validate --no-net --pedantic "$metainfo" >/dev/null ||
    "$VELMORA_APPSTREAMCLI" validate --no-net "$metainfo" || fail "appstreamcli rejects the metadata"
fi

examples="$share/velmora-va/examples"
[ -f "$examples/programs/standard-additions-Zn-Cd-Pb-Cu.vap" ] || fail "no example program"
n=0
for doc in "$examples"/*.tvx; do
  [ -f "$doc" ] || continue
  n=$((n + 1))
  # Every example is a readable document of simulated curves.
  json="$("$bin/velmora-cli" dump "$doc")" || fail "velmora-cli cannot read $doc"
  grep -q 'EMULATOR - simulated' <<<"$json" || fail "$doc holds curves not marked as simulated"
done
[ "$n" -ge 2 ] || fail "only $n example documents installed"
[ -f "$share/doc/velmora-va/README.md" ] || fail "no README"
# The Russian catalogue, where the workstation looks for it from bin/, and
# only the built catalogue, not its source.
qm="$share/velmora-va/translations/velmora_ru.qm"
[ -f "$qm" ] || fail "no Russian catalogue velmora_ru.qm"
[ "$(head -c 16 "$qm" | od -An -tx1 | tr -d ' \n')" = "3cb86418caef9c95cd211cbf60a1bddd" ] ||
  fail "velmora_ru.qm is no Qt catalogue"
if ls "$share/velmora-va/translations/"*.ts >/dev/null 2>&1; then fail "catalogue sources (.ts) are installed"; fi

# The help: both languages with their contents and context maps, the shared
# pictures, and every picture a page shows is installed. The workstation
# looks for it in ../share/velmora-va/help beside bin/.
help="$share/velmora-va/help"
[ -f "$help/help.css" ] || fail "no help style sheet"
pages=0
for language in VA_ENU VA_RUS; do
  [ -f "$help/$language/index.html" ] || fail "no $language help contents"
  [ -f "$help/$language/contexts.txt" ] || fail "no $language help context map"
  for page in "$help/$language"/*.html; do
    pages=$((pages + 1))
    for picture in $(grep -o 'src="[^"]*"' "$page" | sed 's/^src="//; s/"$//'); do
      [ -f "$help/$language/$picture" ] || fail "$page shows $picture, which is not installed"
    done
  done
done
[ "$pages" -ge 10 ] || fail "only $pages help pages installed"
[ -d "$help/pics" ] || fail "no help pictures"
echo "install test: $prefix holds the programs ($version), desktop entry, icon, metadata, $n examples, the Russian catalogue and $pages help pages"
