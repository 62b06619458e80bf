#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds .docx files (pandoc's, and the hand-written parts zipped), converts them with the
# embedded stylesheet and no parameters, and checks that the HTML parses, escapes nothing twice
# and answers every query of checks.tsv; kyio docx2html's page must show the pandoc picture.
# Usage: check_stylesheet.sh KYIO_TOOL STYLESHEET_TEST_DIR
set -euo pipefail
kyio=$1 here=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$kyio" cat docx2html_ie.xslt > "$work/docx2html_ie.xslt"

# The image that the Markdown fixture shows: a 1x1 PNG.
base64 -d > "$work/dot.png" <<<'iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAQAAAC1HAwCAAAAC0lEQVR42mNkYAAAAAYAAjCB0C8AAAAASUVORK5CYII='
(cd "$here" && pandoc pandoc_features.md --resource-path="$work" -o "$work/pandoc.docx")
(cd "$here/handmade" && zip -qrX "$work/handmade.docx" '[Content_Types].xml' _rels word)

failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

for doc in pandoc handmade; do
  unzip -q -d "$work/$doc" "$work/$doc.docx"
  xsltproc "$work/docx2html_ie.xslt" "$work/$doc/word/document.xml" > "$work/$doc.html"
  errors=$(xmllint --html --noout "$work/$doc.html" 2>&1 || true)
  [[ -z "$errors" ]] || fail "$doc.html does not parse cleanly: $errors"
  ! grep -qE '&amp;(amp|lt|gt|quot|#[0-9]+);' "$work/$doc.html" || fail "$doc.html escapes text twice"
done

passed=0
while IFS=$'\t' read -r doc xpath expected; do
  [[ -z "$doc" || "$doc" == \#* ]] && continue
  actual=$(xmllint --html --xpath "$xpath" "$work/$doc.html" 2>&1 || true)
  [[ "$actual" == "$expected" ]] && passed=$((passed + 1)) || fail "$doc: $xpath gave '$actual', expected '$expected'"
done < "$here/checks.tsv"

"$kyio" docx2html "$work/pandoc.docx" "$work/page" >/dev/null
src=$(xmllint --html --xpath 'string(//img/@src)' "$work/page/pandoc.html" 2>&1 || true)
[[ -n "$src" ]] && cmp -s "$work/page/$src" "$work/dot.png" && passed=$((passed + 1)) ||
  fail "kyio docx2html: the page's picture '$src' is not the document's"

echo "stylesheet: $passed passed, $failed failed"
((failed == 0))
