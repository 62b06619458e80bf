#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Converts pandoc's .docx, handmade/, formatting/ and the crafted/ documents that attack the page
# with the embedded stylesheet. Every page must parse, escape nothing twice, hold nothing that
# runs script, links and styles only of the allowed kinds, one meta and balanced tags, and answer
# the queries of checks.tsv. With --processors, Saxon-HE and Xalan-J must give the same pages.
# Usage: check_stylesheet.sh KYIO_TOOL STYLESHEET_TEST_DIR [--processors]
set -euo pipefail
kyio=$1 here=$2 processors=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

xslt=$work/docx2html_ie.xslt
"$kyio" cat docx2html_ie.xslt > "$xslt"
# The image that the Markdown fixture shows: a 1x1 PNG.
base64 -d > "$work/dot.png" <<<'iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAQAAAC1HAwCAAAAC0lEQVR42mNkYAAAAAYAAjCB0C8AAAAASUVORK5CYII='
(cd "$here" && pandoc pandoc_features.md --resource-path="$work" -o "$work/pandoc.docx")
unzip -q -d "$work/pandoc" "$work/pandoc.docx"
docs=("$work/pandoc" "$here/handmade" "$here/formatting" "$here"/crafted/*)

failed=0 passed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
check() { if [[ "$2" == "$3" ]]; then passed=$((passed + 1)); else fail "$1: $4 gave '$2', expected '$3'"; fi; }
query() { xmllint --html --xpath "$2" "$work/$1.html" 2>/dev/null || true; }

void='area|base|br|col|hr|img|input|link|meta|param'
lower='translate(., "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz")'
for doc in "${docs[@]}"; do
  name=$(basename "$doc")
  xsltproc "$xslt" "$doc/word/document.xml" > "$work/$name.html" 2> "$work/$name.err" || fail "$name: $(cat "$work/$name.err")"
  check "$name" "$(xmllint --html --noout "$work/$name.html" 2>&1 || true)" "" 'parser messages'

  ! grep -qE '&amp;(amp|lt|gt|quot|#[0-9]+);' "$work/$name.html" || fail "$name.html escapes text twice"
  check "$name" "$(query "$name" 'count(//script | //object | //embed | //iframe | //frame | //applet | //svg | //math | //form | //base | //link)')" 0 'script-capable elements'
  check "$name" "$(query "$name" 'count(//@*[starts-with(translate(name(), "ON", "on"), "on")])')" 0 'on* attributes'
  check "$name" "$(query "$name" 'count(//meta)')" 1 'meta elements'
  # A link is a bookmark, a scheme of the list or a path whose first colon follows a slash.
  check "$name" "$(query "$name" "count(//@href[contains(., ':') and not(contains(substring-before(., ':'), '/'))
    and not(starts-with($lower, 'http:') or starts-with($lower, 'https:') or starts-with($lower, 'mailto:') or starts-with($lower, 'ftp:'))]
    | //@src[contains(., ':') or starts-with(., '/')])")" 0 'links outside the allowed schemes'
  check "$name" "$(query "$name" "count((//@style | //style)[contains($lower, 'expression') or contains($lower, 'url(')
    or contains($lower, 'behavior') or contains($lower, 'javascript') or contains(., '\\')])")" 0 'styles that load or evaluate'
  opened=$(grep -oE '<[a-zA-Z][a-zA-Z0-9]*' "$work/$name.html" | tr 'A-Z' 'a-z' | grep -vxE "<($void)" | sort | uniq -c)
  closed=$(grep -oE '</[a-zA-Z][a-zA-Z0-9]*' "$work/$name.html" | tr 'A-Z' 'a-z' | tr -d '/' | sort | uniq -c)
  check "$name" "$closed" "$opened" 'start and end tags'
done

while IFS=$'\t' read -r name xpath expected; do
  [[ -z "$name" || "$name" == \#* ]] || check "$name" "$(query "$name" "$xpath")" "$expected" "$xpath"
done < "$here/checks.tsv"

"$kyio" docx2html "$work/pandoc.docx" "$work/page" >/dev/null
src=$(xmllint --html --xpath 'string(//img/@src)' "$work/page/pandoc.html" 2>&1 || true)
[[ -n "$src" ]] && cmp -s "$work/page/$src" "$work/dot.png" && passed=$((passed + 1)) ||
  fail "kyio docx2html: the page's picture '$src' is not the document's"

if [[ "$processors" == --processors ]]; then
  canonical() { xmllint --html --xmlout --dropdtd --nowarning --recover --nonet "$1" | xmllint --c14n -; }
  saxon=(java -cp /usr/share/java/Saxon-HE.jar net.sf.saxon.Transform)
  xalan=(java -cp /usr/share/java/xalan2.jar:/usr/share/java/serializer.jar org.apache.xalan.xslt.Process)
  for doc in "${docs[@]}"; do
    name=$(basename "$doc") expected=$(canonical "$work/$(basename "$doc").html")
    "${saxon[@]}" -s:"$doc/word/document.xml" -xsl:"$xslt" > "$work/$name.saxon.html" || fail "Saxon on $name"
    "${xalan[@]}" -IN "$doc/word/document.xml" -XSL "$xslt" > "$work/$name.xalan.html" || fail "Xalan on $name"
    for processor in saxon xalan; do
      actual=$(canonical "$work/$name.$processor.html")
      [[ "$actual" == "$expected" ]] && passed=$((passed + 1)) ||
        fail "$processor's page of $name differs from xsltproc's: $(diff <(echo "$expected") <(echo "$actual") | head -5)"
    done
  done
fi

echo "stylesheet: $passed passed, $failed failed"
((failed == 0))
