#!/usr/bin/env bash
# The manual stays whole: every relative link in README.md and docs/ leads to a file that
# exists, every option that wirelark-scan --help lists stands in its manual page and in
# docs/, and the manual page describes no option that the program lacks.
#   tests/check_docs.sh SOURCE_DIR WIRELARK_SCAN
set -euo pipefail
source=$1 scan=$2
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for page in "$source/README.md" "$source"/docs/*.md; do
  folder=$(dirname "$page")
  # Inline links and images: ](target), the target up to a blank, ")" or "#".
  while read -r target; do
    case $target in
      http://* | https://* | mailto:* | '') continue ;;
    esac
    [ -e "$folder/$target" ] || fail "${page#"$source"/}: the link to $target leads nowhere"
  done < <(grep -o '](\([^)# ]*\)' "$page" | sed 's/^](//')
done

options=$("$scan" --help | grep -o -- '\(^\|[ [(,]\)--*[a-z][a-z-]*' | grep -o -- '--*[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || fail "wirelark-scan --help lists no option"
# The manual page writes a minus as \- .
manual=$(sed 's/\\-/-/g' "$source/data/man/wirelark-scan.1")
for option in $options; do
  grep -q -- "$option\b" <<<"$manual" || fail "$option: not in data/man/wirelark-scan.1"
  grep -q -- "\`[^\`]*$option\b" "$source"/docs/*.md || fail "$option: not in docs/"
done

# And the other way round: every option the manual page describes (a .TP item) is offered.
for option in $(sed 's/\\-/-/g' "$source/data/man/wirelark-scan.1" | grep -A1 '^\.TP' |
                sed -n 's/^\.BI\? \(--*[a-z][a-z-]*\).*/\1/p' | sort -u); do
  [ "$option" = --help ] || grep -qx -- "$option" <<<"$options" ||
    fail "$option: in the manual page, not in wirelark-scan --help"
done

if [ "$failures" -gt 0 ]; then
  echo "$failures faults in the documentation" >&2
  exit 1
fi
echo "the documentation's links and options are whole"
