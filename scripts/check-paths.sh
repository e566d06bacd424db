#!/usr/bin/env bash
# Fails when a source outside files/ hands a path to the system in the local 8-bit code page:
# a std::filesystem::path made from a narrow string, a path turned back by .string(), a file
# opened by fopen or by a stream given a narrow string. On Windows such a path misreads every
# accented name written in UTF-8. The matchers are in paths-check.query; clang-query reads the
# sources as the build compiles them (compile_commands.json).
# Usage: check-paths.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
query=$src/scripts/paths-check.query

# Sources that may still do so, each with the reason. The only place allowed is files/.
allowed=(
)

tool=$(command -v clang-query || command -v clang-query-14 || true)
if [ -z "$tool" ]; then
  echo "clang-query manque (paquet clang-tools) : vérification des chemins sautée"
  exit 77
fi

# Every source compiled, but those of files/ and what the build generates.
mapfile -t units < <(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$build/compile_commands.json" \
  | grep "^$src/" | grep -v "^$src/files/" | grep -v "^$build/" | sort -u)
# A source the build no longer has, when the list is older than the tree, is left out.
mapfile -t units < <(for unit in "${units[@]}"; do [ ! -f "$unit" ] || echo "$unit"; done)

# Only sources that name one of these words can offend; a header that does is read through
# the first source that includes it.
words='filesystem|fstream|fopen|u8path|\.string\(\)|fs::'
declare -A chosen=()
for unit in "${units[@]}"; do
  if grep -Eq "$words" "$unit"; then chosen[$unit]=1; fi
done
while IFS= read -r header; do
  relative=${header#"$src/"}
  for unit in "${units[@]}"; do
    if grep -q "#include <$relative>" "$unit"; then
      chosen[$unit]=1
      break
    fi
  done
done < <(grep -rlE --include='*.h' "$words" "$src" | grep -v "^$src/files/" | grep -v "^$build" || true)

if [ ${#chosen[@]} -eq 0 ]; then
  echo "aucun fichier à lire : compile_commands.json vide ?"
  exit 1
fi

# clang reads the build's GCC options; the warnings it does not know are not the matter here.
report=$(mktemp)
trap 'rm -f "$report"' EXIT
status=0
"$tool" -p "$build" -f "$query" --extra-arg=-Wno-unknown-warning-option --extra-arg=-Wno-error \
  "${!chosen[@]}" >"$report" 2>&1 || status=$?
found=0
while IFS= read -r line; do
  file=${line%%:*}
  relative=${file#"$src/"}
  case "$file" in "$src/files/"* | "$build/"*) continue ;; "$src/"*) ;; *) continue ;; esac
  skip=0
  for name in "${allowed[@]}"; do [ "$relative" != "$name" ] || skip=1; done
  [ "$skip" -eq 0 ] || continue
  rest=${line#"$file":}
  echo "$relative:${rest%%:*}: ${line#*note: }"
  found=1
done < <(grep ' binds here$' "$report" | sed 's/" binds here$//; s/note: "/note: /' | sort -u)

if [ "$status" -ne 0 ] || grep -q ' error: ' "$report"; then
  grep ' error: ' "$report" | head -20 || true
  echo "clang-query n'a pas pu lire toutes les sources (code $status) : construire d'abord"
  exit 1
fi
if [ "$found" -ne 0 ]; then
  echo "Chemins à faire passer par files/ (files::fromUtf8, files::toUtf8, files::InputFile...)"
  exit 1
fi
echo "${#chosen[@]} sources lues : aucun chemin en dehors de files/"
