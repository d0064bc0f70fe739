#!/usr/bin/env bash
# The Debian package as a user gets it: made by CPack from the build tree,
# clean for lintian, holding exactly the files a user needs, and working once
# unpacked: the programs answer, the desktop and xscreensaver files validate,
# and each manual page documents every command and option its program's
# --help lists.
#
#   package_test.sh BUILD_DIR VERSION APP_ID
set -uo pipefail
build=$(realpath -- "$1")
version=$2
app_id=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in cpack lintian dpkg-deb desktop-file-validate appstreamcli groff readelf xmllint; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (tools/setup.sh installs it)"
done

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$work/cpack.log")"
debs=("$work/out/kortalwind_${version}"-*_"$(dpkg --print-architecture)".deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no kortalwind_${version}-REVISION package: $(ls "$work/out")"
deb=${debs[0]}

# lintian prints nothing at all for a clean package (it notes on stderr that it runs as root).
lint=$(lintian --fail-on error,warning "$deb" 2>"$work/lintian.err") || fail "lintian: $lint $(cat "$work/lintian.err")"
[ -z "$lint" ] || fail "lintian: $lint"

control=$(dpkg-deb -f "$deb" Depends Section Priority)
# The toolkit's from the programs' links; FFmpeg's, which the exporter loads
# when it records, named by the build.
for library in libqt6widgets6 libavcodec59 libavformat59 libavutil57 libswscale6; do
  [[ $control == *"$library"* ]] || fail "Depends lacks $library: $control"
done
suggests=$(dpkg-deb -f "$deb" Suggests)
[ "$suggests" = xscreensaver ] || fail "Suggests is '$suggests', not xscreensaver"

expected="usr/bin/kortalwind
usr/bin/kortalwind-export
usr/bin/kortalwind-saver
usr/share/applications/$app_id.desktop
usr/share/doc/kortalwind/changelog.Debian.gz
usr/share/doc/kortalwind/changelog.gz
usr/share/doc/kortalwind/copyright
usr/share/icons/hicolor/16x16/apps/$app_id.png
usr/share/icons/hicolor/32x32/apps/$app_id.png
usr/share/kortalwind/kortalwind.html
usr/share/lintian/overrides/kortalwind
usr/share/man/man1/kortalwind-export.1.gz
usr/share/man/man1/kortalwind.1.gz
usr/share/man/man6/kortalwind-saver.6.gz
usr/share/metainfo/$app_id.metainfo.xml
usr/share/xscreensaver/config/kortalwind-saver.xml"
files=$(dpkg-deb -c "$deb" | grep -v '^d' | awk '{print $6}' | sed 's|^\./||' | LC_ALL=C sort)
[ "$files" = "$expected" ] || fail "package files differ from the list:
$(diff <(echo "$expected") <(echo "$files"))"

root=$work/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"
for program in kortalwind kortalwind-export kortalwind-saver; do
  ! readelf -S "$root/usr/bin/$program" | grep -q '\.debug_' || fail "$program keeps its debug information"
done

out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/kortalwind" --version 2>&1)
[ "$out" = "korTalwind $version" ] || fail "kortalwind --version printed '$out'"
"$root/usr/bin/kortalwind-export" city >"$work/city.json" 2>"$work/city.err" || fail "kortalwind-export city: $(cat "$work/city.err")"
"$build/bin/kortalwind-export" city | cmp -s - "$work/city.json" ||
  fail "the packaged kortalwind-export prints another city than the built one: $(head -c 300 "$work/city.json")"

cmp -s "$build/web/kortalwind.html" "$root/usr/share/kortalwind/kortalwind.html" ||
  fail "the packaged kortalwind.html is not the built one"

desktop=$root/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$app_id.metainfo.xml" >"$work/as.log" 2>&1 ||
  fail "metainfo: $(cat "$work/as.log")"
grep -qx "Exec=kortalwind %f" "$desktop" && grep -qx "Icon=$app_id" "$desktop" ||
  fail "the desktop entry does not start the packaged program with its icon"

# Every "-x" or "--name" --help lists, and each command of kortalwind-export,
# must appear in the page, whose hyphens are written \- and fonts \fB...\fR.
for page in man1/kortalwind.1 man1/kortalwind-export.1 man6/kortalwind-saver.6; do
  program=$(basename "${page%.*}")
  page=$root/usr/share/man/$page.gz
  warnings=$(zcat "$page" | groff -ww -man -z 2>&1)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  text=$(zcat "$page" | sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g')
  help=$("$root/usr/bin/$program" --help) || fail "$program --help"
  words=$(grep -oE '(^|[][ ,|])--?[a-z][a-z-]*' <<<"$help" | sed 's/^[][ ,|]*//' | sort -u)
  words+=" $(sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z]*\) .*/\1/p' <<<"$help")"
  [ -n "$words" ] || fail "$program --help lists no options"
  for word in $words; do
    grep -qE -- "(^|[^a-zA-Z-])$word([^a-zA-Z-]|\$)" <<<"$text" || fail "$(basename "$page" .gz) does not document $word"
  done
done

# xscreensaver-settings shows the page of the program it is named after and
# starts that program with the command's argument and the options set on the
# page: each must be one the saver takes.
xml=$root/usr/share/xscreensaver/config/kortalwind-saver.xml
xmllint --noout "$xml" 2>"$work/xml.log" || fail "kortalwind-saver.xml: $(cat "$work/xml.log")"
query() { xmllint --xpath "$1" "$xml" 2>/dev/null; }
[ "$(query 'string(/screensaver/@name)')" = kortalwind-saver ] &&
  [ "$(query 'string(/screensaver/command/@arg)')" = --root ] &&
  [ "$(query 'count(/screensaver/_description)')" = 1 ] ||
  fail "kortalwind-saver.xml does not describe kortalwind-saver --root"
help=$("$root/usr/bin/kortalwind-saver" --help)
args=$(query '//@arg | //@arg-set' | grep -oE -- '="--?[a-z][a-z-]*' | cut -c3-)
[ -n "$args" ] || fail "kortalwind-saver.xml sets no options"
for arg in $args; do
  grep -qE -- "(^|[^a-zA-Z-])$arg([^a-zA-Z-]|\$)" <<<"$help" ||
    fail "kortalwind-saver.xml sets $arg, which kortalwind-saver --help does not list"
done
echo "ok: $(basename "$deb")"
