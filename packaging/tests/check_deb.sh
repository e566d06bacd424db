#!/usr/bin/env bash
# Builds the Debian package, checks its dependencies and file list, unpacks it with dpkg -x
# into a clean folder, and imports a small list of words with the unpacked vorlane, without a
# display, into a player's folders of its own.
set -euo pipefail
build=$1
catalogue_files=$2  # prints the file name of every catalogue list
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/(.*//; s/ //g')
for dep in $depends; do
  case $dep in libqt6*|qt6-*|fonts-*|hunspell-fr-classical|libhunspell-*|wfrench) ;;
    *) fail "unexpected dependency $dep" ;; esac
done
# The faces the windows are drawn with, and what the import of a player's words reads.
for needed in fonts-roboto-unhinted fonts-open-sans fonts-crosextra-caladea fonts-liberation2 \
              fonts-dejavu-core hunspell-fr-classical libhunspell-1.7-0 wfrench; do
  echo "$depends" | grep -qx "$needed" || fail "no dependency on $needed"
done
if echo "$depends" | grep -qx hunspell-tools; then fail "hunspell-tools is needed no more"; fi

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/files"
for f in /usr/bin/vorlane /usr/bin/extracteur \
         /usr/share/applications/vorlane.desktop /usr/share/applications/extracteur.desktop \
         /usr/share/icons/hicolor/scalable/apps/vorlane.svg \
         /usr/share/icons/hicolor/scalable/apps/extracteur.svg \
         /usr/share/metainfo/org.vorlane.vorlane.metainfo.xml \
         /usr/share/metainfo/org.vorlane.extracteur.metainfo.xml \
         /usr/share/vorlane/data/ods6new_7L.txt \
         /usr/share/vorlane/lexique.txt /usr/share/vorlane/mots-refuses.txt; do
  grep -qx "$f" "$work/files" || fail "$f not in the package"
done
if grep -E '_tests$|/include/|\.a$' "$work/files"; then fail "build-only files in the package"; fi

dpkg -x "$deb" "$work/root"
[ -x "$work/root/usr/bin/vorlane" ] || fail "dpkg -x gave no runnable vorlane"
[ "$(find "$work/root/usr/share/vorlane/data" -name '*.txt' | wc -l)" -eq "$("$catalogue_files" | wc -l)" ] \
  || fail "lists missing after dpkg -x"

# A player's words, imported by the unpacked program from a folder without lists of its own.
# The lexicon installed with it fits this machine's dictionary (it was made here), so it is
# read, not made.
player=$work/player
mkdir -p "$player/home"
printf 'autrice\r\nbloguons\r\nzorglub\r\ncovid19\r\n' > "$player/mes-mots.txt"
import_words() {
  (cd "$player" && env -u DISPLAY -u WAYLAND_DISPLAY XDG_DATA_HOME="$player/share" \
    XDG_CACHE_HOME="$player/cache" HOME="$player/home" \
    "$work/root/usr/bin/vorlane" --mes-mots mes-mots.txt "$@" > "$player/said.txt" 2>&1)
}
import_words || { cat "$player/said.txt"; fail "vorlane --mes-mots failed"; }
for said in "Les listes vont dans $player/share/vorlane/data" \
            "mes-mots.txt lu en ASCII : 3 mot(s) retenu(s), 1 ligne(s) refusée(s)" \
            "ligne 4 : « covid19 » : un chiffre n'est pas une lettre" \
            "1 absent(s), entraîné(s) tels quels : ZORGLUB" \
            "écrits dans $player/share/vorlane/data"; do
  grep -qF "$said" "$player/said.txt" || { cat "$player/said.txt"; fail "not said: $said"; }
done
grep -q ';AUTRICE$' <(tr -d '\r' < "$player/share/vorlane/data/ods6new_7L.txt") \
  || fail "AUTRICE is not in the player's ods6new_7L.txt"
[ ! -e "$player/cache/vorlane/lexique.txt" ] || fail "the installed lexicon was made again"

# Without leave, the player's lists are never replaced; the message says how.
if import_words; then fail "lists replaced without --remplacer"; fi
grep -qF -- "--remplacer" "$player/said.txt" || fail "the refusal does not say --remplacer"

# A dictionary other than the one the lexicon was made from: it is made once, in the cache.
sed -i 's|^moderne \(.*\) [0-9]* \([0-9.]*\)$|moderne \1 1 \2|' "$work/root/usr/share/vorlane/lexique.txt"
import_words --remplacer || { cat "$player/said.txt"; fail "the lexicon could not be made"; }
grep -qF "préparation du dictionnaire (une seule fois)" "$player/said.txt" \
  || { cat "$player/said.txt"; fail "making the lexicon was not said"; }
[ -s "$player/cache/vorlane/lexique.txt" ] || fail "no lexicon made in the cache"
echo "package OK: $(grep -c . "$work/files") entries, vorlane --mes-mots from the package OK"
