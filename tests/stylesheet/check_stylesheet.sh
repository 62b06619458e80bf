#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds .docx files (pandoc's, and the hand-written ones zipped: handmade/ and formatting/, the
# latter with defaults, theme, style chains and toggles), converts them with the
# embedded stylesheet and no parameters, and checks that the HTML parses, escapes nothing twice
# and answers every query of checks.tsv; kyio docx2html's page must show the pandoc picture.
# With --processors, Saxon-HE and Xalan-J must give the same page as xsltproc for these and
# the crafted documents (Strict among them), once parsed as HTML and written canonically.
# Usage: check_stylesheet.sh KYIO_TOOL STYLESHEET_TEST_DIR [--processors]
set -euo pipefail
kyio=$1 here=$2 processors=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$kyio" cat docx2html_ie.xslt > "$work/docx2html_ie.xslt"

# The image that the Markdown fixture shows: a 1x1 PNG.
base64 -d > "$work/dot.png" <<<'iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAQAAAC1HAwCAAAAC0lEQVR42mNkYAAAAAYAAjCB0C8AAAAASUVORK5CYII='
(cd "$here" && pandoc pandoc_features.md --resource-path="$work" -o "$work/pandoc.docx")
for doc in handmade formatting; do (cd "$here/$doc" && zip -qrX "$work/$doc.docx" '[Content_Types].xml' _rels word); done

failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

for doc in pandoc handmade formatting; do
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

if [[ "$processors" == --processors ]]; then
  "$here/check_crafted.sh" "$kyio" "$work/crafted" > /dev/null
  canonical() { xmllint --html --xmlout --dropdtd --nowarning --recover --nonet "$1" | xmllint --c14n -; }
  saxon=(java -cp /usr/share/java/Saxon-HE.jar net.sf.saxon.Transform)
  xalan=(java -cp /usr/share/java/xalan2.jar:/usr/share/java/serializer.jar org.apache.xalan.xslt.Process)
  for doc in "$work"/{pandoc,handmade,formatting} "$work"/crafted/*/; do
    name=$(basename "$doc") expected=$(canonical <(xsltproc "$work/docx2html_ie.xslt" "$doc/word/document.xml"))
    "${saxon[@]}" -s:"$doc/word/document.xml" -xsl:"$work/docx2html_ie.xslt" > "$work/$name.saxon.html" || fail "Saxon on $name"
    "${xalan[@]}" -IN "$doc/word/document.xml" -XSL "$work/docx2html_ie.xslt" > "$work/$name.xalan.html" || fail "Xalan on $name"
    for processor in saxon xalan; do
      actual=$(canonical "$work/$name.$processor.html")
      [[ "$actual" == "$expected" ]] && passed=$((passed + 1)) ||
        fail "$processor's page of $name differs from xsltproc's: $(diff <(echo "$expected") <(echo "$actual") | head -5)"
    done
  done
fi

echo "stylesheet: $passed passed, $failed failed"
((failed == 0))
