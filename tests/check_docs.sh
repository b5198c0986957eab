#!/usr/bin/env bash
# The manual stays whole: every relative link in README.md and docs/ leads to a file that
# exists, and its #anchor to a heading of that page (by GitHub's rules, the renderer the
# README names); every option that wirelark-scan --help lists stands in its manual page and
# in docs/, and the manual page describes no option that the program lacks; the JSON record
# types that --help, the manual page and docs/scan.md name are those the program writes; and
# every page a manual page refers to (.BR) is one of ours or the system's.
#   tests/check_docs.sh SOURCE_DIR WIRELARK_SCAN
set -euo pipefail
source=$1 scan=$2
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

export LC_ALL=C.UTF-8
# The anchors of a page's headings as GitHub makes them: lower case, everything but
# letters, digits, blanks, "-" and "_" taken out, blanks made "-"; a repeated one gets -1,
# -2, ...  Headings inside indented code are not headings.
anchors() {
  grep -E '^#{1,6} ' "$1" | sed -E 's/^#+ +//; s/ +#* *$//' | sed 's/.*/\L&/; s/[^[:alnum:] _-]//g; s/ /-/g' |
    awk '{ n = seen[$0]++; print (n ? $0 "-" n : $0) }'
}

for page in "$source/README.md" "$source"/docs/*.md; do
  folder=$(dirname "$page")
  # Inline links and images: ](target), the target up to a blank or ")".
  while read -r link; do
    target=${link%%#*}
    anchor=
    [ "$target" = "$link" ] || anchor=${link#*#}
    case $target in
      http://* | https://* | mailto:*) continue ;;
    esac
    file=$page
    [ -z "$target" ] || file=$folder/$target
    [ -e "$file" ] || { fail "${page#"$source"/}: the link to $target leads nowhere"; continue; }
    if [ -n "$anchor" ] && [[ $file == *.md ]]; then
      anchors "$file" | grep -qxF -- "$anchor" ||
        fail "${page#"$source"/}: the link to $link leads to no heading of ${file#"$source"/}"
    fi
  done < <(grep -o '](\([^) ]*\)' "$page" | sed 's/^](//')
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

# JSON record types: what the program writes (each record begins with its type) is what
# --help, the manual page and docs/scan.md name.
written=$(grep -oh 'begin("[a-z]*"' "$source"/tools/scan/*.cpp | sed 's/begin("//; s/"//' | sort -u)
[ -n "$written" ] || fail "found no JSON record that wirelark-scan writes"
helped=$("$scan" --help | tr '\n' ' ' | grep -o 'of the types[^-]*' | sed 's/^of the types//; s/ and /, /g' |
         tr ',' '\n' | tr -d ' ' | sort -u | grep . || true)
[ "$helped" = "$written" ] ||
  fail "wirelark-scan --help names the JSON records" $helped "but the program writes" $written
for type in $written; do
  grep -qF "\\fB$type\\fR" <<<"$(sed -n '/^\.B \\-\\-json/,/^\.TP/p' "$source/data/man/wirelark-scan.1")" ||
    fail "JSON record $type: not under --json in data/man/wirelark-scan.1"
  grep -q "\`$type\`" "$source/docs/scan.md" || fail "JSON record $type: not in docs/scan.md"
done

# Every page a manual page refers to: ours are in data/man/, the system's are installed.
for page in "$source"/data/man/*.1; do
  while read -r name section; do
    [ -f "$source/data/man/$name.$section" ] || man -w "$section" "$name" >/dev/null 2>&1 ||
      fail "$(basename "$page"): refers to $name($section), which is neither ours nor installed"
  done < <(sed -n 's/^\.BR \([^ ]*\) (\([0-9]\)).*/\1 \2/p' "$page" | sed 's/\\-/-/g')
done

# The Windows package's own page flashes the probe with the lines of docs/probe.md.
while read -r line; do
  grep -qxF -- "    $line" "$source/docs/probe.md" ||
    fail "data/windows/LIESMICH.txt: not in docs/probe.md: $line"
done < <(grep -E '^ +(set AVRDUDE|"%AVRDUDE%|avrdude)' "$source/data/windows/LIESMICH.txt" | sed 's/^ *//')

if [ "$failures" -gt 0 ]; then
  echo "$failures faults in the documentation" >&2
  exit 1
fi
echo "the documentation's links and options are whole"
