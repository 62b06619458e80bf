#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds .docx files (with pandoc from Markdown, and by zipping the hand-written parts),
# converts them with the stylesheet taken out of the library, as users run it (no
# parameters), and checks the HTML: it must parse without errors, escape nothing twice, and
# answer every XPath query of checks.tsv. Then kyio docx2html converts the pandoc document
# and its page must show its picture.
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
  if grep -qE '&amp;(amp|lt|gt|quot|#[0-9]+);' "$work/$doc.html"; then
    fail "$doc.html escapes text twice"
  fi
done

passed=0
while IFS=$'\t' read -r doc xpath expected; do
  [[ -z "$doc" || "$doc" == \#* ]] && continue
  actual=$(xmllint --html --xpath "$xpath" "$work/$doc.html" 2>&1 || true)
  if [[ "$actual" == "$expected" ]]; then
    passed=$((passed + 1))
  else
    fail "$doc: $xpath gave '$actual', expected '$expected'"
  fi
done < "$here/checks.tsv"

"$kyio" docx2html "$work/pandoc.docx" "$work/page" >/dev/null
src=$(xmllint --html --xpath 'string(//img/@src)' "$work/page/pandoc.html" 2>&1 || true)
if [[ -n "$src" ]] && cmp -s "$work/page/$src" "$work/dot.png"; then
  passed=$((passed + 1))
else
  fail "kyio docx2html: the page's picture '$src' is not the document's"
fi

echo "stylesheet: $passed passed, $failed failed"
((failed == 0))
