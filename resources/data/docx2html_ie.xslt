<?xml version="1.0" encoding="UTF-8"?>
<!-- SPDX-License-Identifier: MIT -->
<!--
  docx2html_ie.xslt: turns word/document.xml of a .docx into HTML 4.01 Transitional that
  Internet Explorer 6 to 11 render. XSLT 1.0, no extensions.

  Parameters, each a path relative to document.xml (as the parts sit in an unpacked .docx):
    rels       the relationships part, for hyperlink and image targets
    numbering  the numbering part, to tell bulleted from numbered lists ('' : all bulleted)
    footnotes  the footnotes part, whose notes are appended ('' : references only)
  Example: xsltproc -stringparam numbering numbering.xml docx2html_ie.xslt word/document.xml
-->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"
    xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"
    xmlns:rel="http://schemas.openxmlformats.org/package/2006/relationships"
    xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"
    xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main"
    xmlns:pic="http://schemas.openxmlformats.org/drawingml/2006/picture"
    xmlns:v="urn:schemas-microsoft-com:vml"
    xmlns:o="urn:schemas-microsoft-com:office:office"
    xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006"
    exclude-result-prefixes="w r rel wp a pic v o mc">

  <xsl:output method="html" encoding="UTF-8" indent="no"
      doctype-public="-//W3C//DTD HTML 4.01 Transitional//EN"
      doctype-system="http://www.w3.org/TR/html4/loose.dtd"/>

  <xsl:strip-space elements="*"/>
  <xsl:preserve-space elements="w:t"/>

  <xsl:param name="rels" select="'_rels/document.xml.rels'"/>
  <xsl:param name="numbering" select="''"/>
  <xsl:param name="footnotes" select="''"/>

  <!-- Relative paths resolve against the input document, not against this stylesheet; an
       empty one names the input document itself, which holds neither part. -->
  <xsl:variable name="relationships" select="document($rels, /)/rel:Relationships/rel:Relationship"/>
  <xsl:variable name="numberingPart" select="document($numbering, /)/w:numbering"/>
  <xsl:variable name="footnotesPart" select="document($footnotes, /)/w:footnotes"/>

  <xsl:variable name="mainDocument" select="/"/>
  <xsl:variable name="upper" select="'ABCDEFGHIJKLMNOPQRSTUVWXYZ '"/>
  <xsl:variable name="lower" select="'abcdefghijklmnopqrstuvwxyz'"/>

  <!-- ===== Document ===== -->

  <xsl:template match="/">
    <html>
      <head>
        <meta http-equiv="Content-Type" content="text/html; charset=UTF-8"/>
        <title>
          <xsl:value-of select="//w:body/w:p[translate(w:pPr/w:pStyle/@w:val, $upper, $lower) = 'title'][1]"/>
        </title>
        <style type="text/css">
          body { font-family: Arial, sans-serif; }
          table { border-collapse: collapse; }
          td, th { border: 1px solid #808080; padding: 2pt 4pt; vertical-align: top; }
          p.empty { margin: 0; }
          .footnotes { font-size: smaller; }
        </style>
      </head>
      <body>
        <xsl:apply-templates select="w:document/w:body"/>
        <xsl:call-template name="footnote-texts"/>
      </body>
    </html>
  </xsl:template>

  <!-- Parts that carry no content of their own. -->
  <xsl:template match="w:pPr | w:rPr | w:tblPr | w:trPr | w:tcPr | w:tblGrid | w:sectPr
                       | w:instrText | w:delText | w:del | w:moveFrom | w:fldChar
                       | w:bookmarkEnd | w:proofErr | w:lastRenderedPageBreak
                       | w:commentRangeStart | w:commentRangeEnd | w:commentReference"/>

  <!-- ===== Blocks ===== -->

  <xsl:template match="w:p">
    <xsl:choose>
      <xsl:when test="w:pPr/w:numPr">
        <!-- A list paragraph is written by the list that holds it, which starts at the first
             paragraph of a run of list paragraphs. -->
        <xsl:if test="not(preceding-sibling::*[1][self::w:p/w:pPr/w:numPr])">
          <xsl:call-template name="list-run">
            <xsl:with-param name="item" select="."/>
          </xsl:call-template>
        </xsl:if>
      </xsl:when>
      <xsl:otherwise>
        <xsl:call-template name="paragraph"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="paragraph">
    <xsl:variable name="style" select="translate(w:pPr/w:pStyle/@w:val, $upper, $lower)"/>
    <xsl:variable name="element">
      <xsl:choose>
        <xsl:when test="$style = 'title'">h1</xsl:when>
        <xsl:when test="string-length($style) = 8 and starts-with($style, 'heading')
                        and contains('123456', substring($style, 8))">
          <xsl:value-of select="concat('h', substring($style, 8))"/>
        </xsl:when>
        <xsl:otherwise>p</xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:element name="{$element}">
      <xsl:if test="$style = 'title'">
        <xsl:attribute name="class">title</xsl:attribute>
      </xsl:if>
      <xsl:call-template name="alignment"/>
      <xsl:apply-templates/>
      <xsl:if test="not(.//w:t[string-length(.) &gt; 0] | .//w:drawing | .//w:pict | .//w:sym | .//w:tab)">
        <xsl:text>&#160;</xsl:text>
      </xsl:if>
    </xsl:element>
  </xsl:template>

  <xsl:template name="alignment">
    <xsl:variable name="jc" select="w:pPr/w:jc/@w:val"/>
    <xsl:variable name="align">
      <xsl:choose>
        <xsl:when test="$jc = 'center'">center</xsl:when>
        <xsl:when test="$jc = 'right' or $jc = 'end'">right</xsl:when>
        <xsl:when test="$jc = 'both' or $jc = 'distribute'">justify</xsl:when>
      </xsl:choose>
    </xsl:variable>
    <xsl:if test="$align != ''">
      <xsl:attribute name="style">text-align: <xsl:value-of select="$align"/></xsl:attribute>
    </xsl:if>
  </xsl:template>

  <!-- Bookmarks become anchors for internal links; _GoBack is Word's own. -->
  <xsl:template match="w:bookmarkStart">
    <xsl:if test="@w:name != '_GoBack'">
      <a name="{@w:name}"></a>
    </xsl:if>
  </xsl:template>

  <!-- ===== Lists ===== -->

  <!-- sum() makes a paragraph without w:ilvl level 0. -->
  <xsl:template name="level-of">
    <xsl:param name="item"/>
    <xsl:value-of select="sum($item/w:pPr/w:numPr/w:ilvl/@w:val)"/>
  </xsl:template>

  <!-- One run of consecutive list paragraphs: a list at the first item's level, then, should
       the run go on at a shallower level or with other numbering at the same level, another
       list from there. -->
  <xsl:template name="list-run">
    <xsl:param name="item"/>
    <xsl:variable name="level">
      <xsl:call-template name="level-of"><xsl:with-param name="item" select="$item"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="numId" select="$item/w:pPr/w:numPr/w:numId/@w:val"/>
    <xsl:call-template name="list">
      <xsl:with-param name="item" select="$item"/>
      <xsl:with-param name="level" select="$level"/>
      <xsl:with-param name="numId" select="$numId"/>
    </xsl:call-template>
    <xsl:variable name="stop" select="$item/following-sibling::*[not(self::w:p/w:pPr/w:numPr)
        or sum(w:pPr/w:numPr/w:ilvl/@w:val) &lt; $level
        or (sum(w:pPr/w:numPr/w:ilvl/@w:val) = $level and w:pPr/w:numPr/w:numId/@w:val != $numId)][1]"/>
    <xsl:if test="$stop/w:pPr/w:numPr">
      <xsl:call-template name="list-run">
        <xsl:with-param name="item" select="$stop"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- $numId, given for a top-level list, ends it where the numbering changes; nested lists
       take every item of their level, so that nothing of a run is lost. -->
  <xsl:template name="list">
    <xsl:param name="item"/>
    <xsl:param name="level"/>
    <xsl:param name="numId" select="''"/>
    <xsl:variable name="itemNumId" select="$item/w:pPr/w:numPr/w:numId/@w:val"/>
    <xsl:variable name="abstract" select="$numberingPart/w:num[@w:numId = $itemNumId]/w:abstractNumId/@w:val"/>
    <xsl:variable name="format"
        select="$numberingPart/w:abstractNum[@w:abstractNumId = $abstract]/w:lvl[@w:ilvl = $level]/w:numFmt/@w:val"/>
    <xsl:choose>
      <xsl:when test="$format and $format != 'bullet' and $format != 'none'">
        <ol>
          <xsl:call-template name="list-items">
            <xsl:with-param name="item" select="$item"/>
            <xsl:with-param name="level" select="$level"/>
            <xsl:with-param name="numId" select="$numId"/>
          </xsl:call-template>
        </ol>
      </xsl:when>
      <xsl:otherwise>
        <ul>
          <xsl:call-template name="list-items">
            <xsl:with-param name="item" select="$item"/>
            <xsl:with-param name="level" select="$level"/>
            <xsl:with-param name="numId" select="$numId"/>
          </xsl:call-template>
        </ul>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The items of one list from $item on; deeper items nest in the item before them. -->
  <xsl:template name="list-items">
    <xsl:param name="item"/>
    <xsl:param name="level"/>
    <xsl:param name="numId"/>
    <li>
      <xsl:apply-templates select="$item/node()"/>
      <xsl:variable name="next" select="$item/following-sibling::*[1][self::w:p/w:pPr/w:numPr]"/>
      <xsl:variable name="nextLevel">
        <xsl:call-template name="level-of"><xsl:with-param name="item" select="$next"/></xsl:call-template>
      </xsl:variable>
      <xsl:if test="$next and $nextLevel &gt; $level">
        <xsl:call-template name="list">
          <xsl:with-param name="item" select="$next"/>
          <xsl:with-param name="level" select="$nextLevel"/>
        </xsl:call-template>
      </xsl:if>
    </li>
    <xsl:variable name="sibling" select="$item/following-sibling::*[not(self::w:p/w:pPr/w:numPr)
        or sum(w:pPr/w:numPr/w:ilvl/@w:val) &lt;= $level][1]"/>
    <xsl:variable name="siblingLevel">
      <xsl:call-template name="level-of"><xsl:with-param name="item" select="$sibling"/></xsl:call-template>
    </xsl:variable>
    <!-- Nothing but list paragraphs lies before $sibling, so it belongs to the same run. -->
    <xsl:if test="$sibling/w:pPr/w:numPr and $siblingLevel = $level
                  and ($numId = '' or $sibling/w:pPr/w:numPr/w:numId/@w:val = $numId)">
      <xsl:call-template name="list-items">
        <xsl:with-param name="item" select="$sibling"/>
        <xsl:with-param name="level" select="$level"/>
        <xsl:with-param name="numId" select="$numId"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- ===== Tables ===== -->

  <xsl:template match="w:tbl">
    <table cellspacing="0" cellpadding="4" border="1">
      <xsl:apply-templates select="w:tr"/>
    </table>
  </xsl:template>

  <xsl:template match="w:tr">
    <tr>
      <xsl:apply-templates select="w:tc"/>
    </tr>
  </xsl:template>

  <xsl:template match="w:tc">
    <xsl:variable name="merge" select="w:tcPr/w:vMerge"/>
    <!-- A cell that continues a vertical merge is covered by the rowspan of the cell above. -->
    <xsl:if test="not($merge) or $merge/@w:val = 'restart'">
      <xsl:variable name="element">
        <xsl:choose>
          <xsl:when test="../w:trPr/w:tblHeader[not(@w:val) or @w:val = 'true' or @w:val = '1' or @w:val = 'on']">th</xsl:when>
          <xsl:otherwise>td</xsl:otherwise>
        </xsl:choose>
      </xsl:variable>
      <xsl:element name="{$element}">
        <xsl:if test="w:tcPr/w:gridSpan/@w:val &gt; 1">
          <xsl:attribute name="colspan"><xsl:value-of select="w:tcPr/w:gridSpan/@w:val"/></xsl:attribute>
        </xsl:if>
        <xsl:if test="$merge">
          <xsl:variable name="column">
            <xsl:call-template name="grid-column"/>
          </xsl:variable>
          <xsl:variable name="span">
            <xsl:call-template name="merged-rows">
              <xsl:with-param name="row" select="../following-sibling::w:tr[1]"/>
              <xsl:with-param name="column" select="$column"/>
            </xsl:call-template>
          </xsl:variable>
          <xsl:attribute name="rowspan"><xsl:value-of select="$span + 1"/></xsl:attribute>
        </xsl:if>
        <xsl:variable name="fill" select="w:tcPr/w:shd/@w:fill"/>
        <xsl:if test="$fill and $fill != 'auto'">
          <xsl:attribute name="bgcolor"><xsl:value-of select="concat('#', $fill)"/></xsl:attribute>
        </xsl:if>
        <xsl:apply-templates select="*"/>
      </xsl:element>
    </xsl:if>
  </xsl:template>

  <!-- The grid column (from 1) at which the current cell starts. -->
  <xsl:template name="grid-column">
    <xsl:value-of select="1 + count(preceding-sibling::w:tc[not(w:tcPr/w:gridSpan)])
                            + sum(preceding-sibling::w:tc/w:tcPr/w:gridSpan/@w:val)"/>
  </xsl:template>

  <!-- How many rows from $row on continue the merge at $column. -->
  <xsl:template name="merged-rows">
    <xsl:param name="row"/>
    <xsl:param name="column"/>
    <xsl:variable name="cell" select="$row/w:tc[1 + count(preceding-sibling::w:tc[not(w:tcPr/w:gridSpan)])
                                      + sum(preceding-sibling::w:tc/w:tcPr/w:gridSpan/@w:val) = $column]"/>
    <xsl:choose>
      <xsl:when test="$cell/w:tcPr/w:vMerge[not(@w:val) or @w:val = 'continue']">
        <xsl:variable name="rest">
          <xsl:call-template name="merged-rows">
            <xsl:with-param name="row" select="$row/following-sibling::w:tr[1]"/>
            <xsl:with-param name="column" select="$column"/>
          </xsl:call-template>
        </xsl:variable>
        <xsl:value-of select="1 + $rest"/>
      </xsl:when>
      <xsl:otherwise>0</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Runs ===== -->

  <xsl:template name="on">
    <xsl:param name="property"/>
    <xsl:value-of select="boolean($property[not(@w:val) or @w:val = '1' or @w:val = 'true' or @w:val = 'on'])"/>
  </xsl:template>

  <xsl:template match="w:r">
    <xsl:variable name="p" select="w:rPr"/>
    <xsl:variable name="bold"><xsl:call-template name="on"><xsl:with-param name="property" select="$p/w:b"/></xsl:call-template></xsl:variable>
    <xsl:variable name="italic"><xsl:call-template name="on"><xsl:with-param name="property" select="$p/w:i"/></xsl:call-template></xsl:variable>
    <xsl:variable name="strike"><xsl:call-template name="on"><xsl:with-param name="property" select="$p/w:strike | $p/w:dstrike"/></xsl:call-template></xsl:variable>
    <xsl:variable name="caps"><xsl:call-template name="on"><xsl:with-param name="property" select="$p/w:smallCaps"/></xsl:call-template></xsl:variable>
    <xsl:variable name="underline" select="$p/w:u[@w:val != 'none' or not(@w:val)]"/>
    <xsl:variable name="css">
      <xsl:if test="$caps = 'true'">font-variant: small-caps; </xsl:if>
      <xsl:if test="$p/w:color/@w:val and $p/w:color/@w:val != 'auto'">color: #<xsl:value-of select="$p/w:color/@w:val"/>; </xsl:if>
      <xsl:if test="$p/w:highlight/@w:val and $p/w:highlight/@w:val != 'none'">background-color: <xsl:call-template name="highlight-colour"><xsl:with-param name="name" select="$p/w:highlight/@w:val"/></xsl:call-template>; </xsl:if>
      <xsl:if test="$p/w:sz/@w:val">font-size: <xsl:value-of select="$p/w:sz/@w:val div 2"/>pt; </xsl:if>
    </xsl:variable>
    <xsl:variable name="class" select="$p/w:rStyle/@w:val[. != 'Hyperlink' and . != 'FootnoteReference']"/>
    <xsl:choose>
      <xsl:when test="$css != '' or $class">
        <span>
          <xsl:if test="$class"><xsl:attribute name="class"><xsl:value-of select="$class"/></xsl:attribute></xsl:if>
          <xsl:if test="$css != ''"><xsl:attribute name="style"><xsl:value-of select="normalize-space($css)"/></xsl:attribute></xsl:if>
          <xsl:call-template name="run-bold"><xsl:with-param name="bold" select="$bold"/><xsl:with-param name="italic" select="$italic"/><xsl:with-param name="underline" select="boolean($underline)"/><xsl:with-param name="strike" select="$strike"/></xsl:call-template>
        </span>
      </xsl:when>
      <xsl:otherwise>
        <xsl:call-template name="run-bold"><xsl:with-param name="bold" select="$bold"/><xsl:with-param name="italic" select="$italic"/><xsl:with-param name="underline" select="boolean($underline)"/><xsl:with-param name="strike" select="$strike"/></xsl:call-template>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- Each formatting wraps the next: b, i, u, s, then sup or sub around the content. -->
  <xsl:template name="run-bold">
    <xsl:param name="bold"/><xsl:param name="italic"/><xsl:param name="underline"/><xsl:param name="strike"/>
    <xsl:choose>
      <xsl:when test="$bold = 'true'"><b><xsl:call-template name="run-italic"><xsl:with-param name="italic" select="$italic"/><xsl:with-param name="underline" select="$underline"/><xsl:with-param name="strike" select="$strike"/></xsl:call-template></b></xsl:when>
      <xsl:otherwise><xsl:call-template name="run-italic"><xsl:with-param name="italic" select="$italic"/><xsl:with-param name="underline" select="$underline"/><xsl:with-param name="strike" select="$strike"/></xsl:call-template></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="run-italic">
    <xsl:param name="italic"/><xsl:param name="underline"/><xsl:param name="strike"/>
    <xsl:choose>
      <xsl:when test="$italic = 'true'"><i><xsl:call-template name="run-underline"><xsl:with-param name="underline" select="$underline"/><xsl:with-param name="strike" select="$strike"/></xsl:call-template></i></xsl:when>
      <xsl:otherwise><xsl:call-template name="run-underline"><xsl:with-param name="underline" select="$underline"/><xsl:with-param name="strike" select="$strike"/></xsl:call-template></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="run-underline">
    <xsl:param name="underline"/><xsl:param name="strike"/>
    <xsl:choose>
      <xsl:when test="$underline"><u><xsl:call-template name="run-strike"><xsl:with-param name="strike" select="$strike"/></xsl:call-template></u></xsl:when>
      <xsl:otherwise><xsl:call-template name="run-strike"><xsl:with-param name="strike" select="$strike"/></xsl:call-template></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="run-strike">
    <xsl:param name="strike"/>
    <xsl:choose>
      <xsl:when test="$strike = 'true'"><s><xsl:call-template name="run-position"/></s></xsl:when>
      <xsl:otherwise><xsl:call-template name="run-position"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="run-position">
    <xsl:variable name="position" select="w:rPr/w:vertAlign/@w:val"/>
    <xsl:choose>
      <xsl:when test="$position = 'superscript'"><sup><xsl:apply-templates/></sup></xsl:when>
      <xsl:when test="$position = 'subscript'"><sub><xsl:apply-templates/></sub></xsl:when>
      <xsl:otherwise><xsl:apply-templates/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="highlight-colour">
    <xsl:param name="name"/>
    <xsl:choose>
      <xsl:when test="$name = 'darkBlue'">#000080</xsl:when>
      <xsl:when test="$name = 'darkCyan'">#008080</xsl:when>
      <xsl:when test="$name = 'darkGreen'">#008000</xsl:when>
      <xsl:when test="$name = 'darkMagenta'">#800080</xsl:when>
      <xsl:when test="$name = 'darkRed'">#800000</xsl:when>
      <xsl:when test="$name = 'darkYellow'">#808000</xsl:when>
      <xsl:when test="$name = 'darkGray'">#808080</xsl:when>
      <xsl:when test="$name = 'lightGray'">#C0C0C0</xsl:when>
      <xsl:when test="$name = 'green'">#00FF00</xsl:when>
      <xsl:when test="$name = 'cyan'">#00FFFF</xsl:when>
      <xsl:when test="$name = 'magenta'">#FF00FF</xsl:when>
      <!-- yellow, blue, red, black and white are CSS names as they stand. -->
      <xsl:otherwise><xsl:value-of select="$name"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Run content ===== -->

  <xsl:template match="w:t">
    <xsl:choose>
      <xsl:when test="@xml:space = 'preserve'">
        <xsl:call-template name="preserve-spaces"><xsl:with-param name="text" select="."/></xsl:call-template>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="."/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- HTML folds runs of spaces into one; every space after the first of a run becomes a
       no-break space, as does a lone space that a whole text consists of. -->
  <xsl:template name="preserve-spaces">
    <xsl:param name="text"/>
    <xsl:choose>
      <xsl:when test="contains($text, '  ')">
        <xsl:value-of select="substring-before($text, '  ')"/>
        <xsl:text> &#160;</xsl:text>
        <xsl:call-template name="preserve-spaces-rest">
          <xsl:with-param name="text" select="substring-after($text, '  ')"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="$text"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="preserve-spaces-rest">
    <xsl:param name="text"/>
    <xsl:choose>
      <xsl:when test="starts-with($text, ' ')">
        <xsl:text>&#160;</xsl:text>
        <xsl:call-template name="preserve-spaces-rest"><xsl:with-param name="text" select="substring($text, 2)"/></xsl:call-template>
      </xsl:when>
      <xsl:otherwise>
        <xsl:call-template name="preserve-spaces"><xsl:with-param name="text" select="$text"/></xsl:call-template>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="w:tab">
    <xsl:text>&#160;&#160;&#160;&#160;</xsl:text>
  </xsl:template>

  <xsl:template match="w:br | w:cr">
    <xsl:choose>
      <xsl:when test="@w:type = 'page'"><br style="page-break-before: always"/></xsl:when>
      <xsl:when test="@w:type = 'column'"><br class="column-break"/></xsl:when>
      <xsl:otherwise><br/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="w:noBreakHyphen">&#8209;</xsl:template>
  <xsl:template match="w:softHyphen">&#173;</xsl:template>

  <!-- Symbol-font characters sit at F0xx; the font itself holds them at xx. -->
  <xsl:template match="w:sym">
    <xsl:variable name="code" select="translate(@w:char, $lower, 'ABCDEFGHIJKLMNOPQRSTUVWXYZ')"/>
    <span style="font-family: {@w:font}">
      <xsl:value-of disable-output-escaping="yes"
          select="concat('&amp;#x', substring($code, 1 + 2 * (starts-with($code, 'F0') and string-length($code) = 4)), ';')"/>
    </span>
  </xsl:template>

  <!-- Notes are numbered in reading order; their ids only name the anchors. -->
  <xsl:template match="w:footnoteReference">
    <sup><a href="#footnote-{@w:id}" name="footnote-ref-{@w:id}"><xsl:value-of select="count(preceding::w:footnoteReference) + 1"/></a></sup>
  </xsl:template>

  <!-- Fields show their result: the runs of fldSimple, and between 'separate' and 'end' of a
       complex field, while its instruction text is left out. -->
  <xsl:template match="w:fldSimple | w:ins | w:moveTo | w:smartTag | w:customXml | w:sdt | w:sdtContent">
    <xsl:apply-templates select="*"/>
  </xsl:template>
  <xsl:template match="w:sdtPr | w:sdtEndPr"/>

  <!-- Content written twice for older readers: the first choice is enough. -->
  <xsl:template match="mc:AlternateContent">
    <xsl:apply-templates select="mc:Choice[1]/*"/>
  </xsl:template>

  <!-- ===== Links and images ===== -->

  <xsl:template match="w:hyperlink">
    <xsl:variable name="id" select="@r:id"/>
    <xsl:variable name="target">
      <xsl:choose>
        <xsl:when test="$id"><xsl:value-of select="$relationships[@Id = $id]/@Target"/></xsl:when>
      </xsl:choose>
      <xsl:if test="@w:anchor">#<xsl:value-of select="@w:anchor"/></xsl:if>
    </xsl:variable>
    <a href="{$target}"><xsl:apply-templates select="*"/></a>
  </xsl:template>

  <xsl:template match="w:drawing">
    <xsl:variable name="id" select=".//a:blip/@r:embed"/>
    <img src="{$relationships[@Id = $id]/@Target}" alt="{(.//wp:docPr/@descr | .//wp:docPr/@title)[1]}"/>
  </xsl:template>

  <xsl:template match="w:pict">
    <xsl:variable name="id" select=".//v:imagedata/@r:id"/>
    <img src="{$relationships[@Id = $id]/@Target}" alt="{.//v:imagedata/@o:title}"/>
  </xsl:template>

  <!-- ===== Footnotes ===== -->

  <xsl:template name="footnote-texts">
    <xsl:variable name="notes" select="$footnotesPart/w:footnote[not(@w:type) or @w:type = 'normal']"/>
    <xsl:if test="$notes">
      <div class="footnotes">
        <hr/>
        <xsl:for-each select="$notes">
          <div>
            <xsl:variable name="id" select="@w:id"/>
            <a name="footnote-{@w:id}" href="#footnote-ref-{@w:id}">
              <xsl:value-of select="count($mainDocument//w:footnoteReference[@w:id = $id][1]/preceding::w:footnoteReference) + 1"/>
            </a>
            <xsl:text> </xsl:text>
            <xsl:apply-templates select="*"/>
          </div>
        </xsl:for-each>
      </div>
    </xsl:if>
  </xsl:template>

</xsl:stylesheet>
