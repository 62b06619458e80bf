<?xml version="1.0" encoding="UTF-8"?>
<!-- SPDX-License-Identifier: MIT -->
<!-- docx2html_ie.xslt: turns word/document.xml of a .docx into HTML 4.01 for Internet Explorer. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"
    exclude-result-prefixes="w">

  <xsl:output method="html" encoding="UTF-8" indent="no"
      doctype-public="-//W3C//DTD HTML 4.01 Transitional//EN"
      doctype-system="http://www.w3.org/TR/html4/loose.dtd"/>

  <xsl:template match="/">
    <html>
      <head>
        <meta http-equiv="Content-Type" content="text/html; charset=UTF-8"/>
        <title></title>
      </head>
      <body>
        <xsl:apply-templates select="w:document/w:body"/>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="w:body">
    <xsl:apply-templates select="w:p"/>
  </xsl:template>

  <xsl:template match="w:p">
    <p><xsl:apply-templates select="w:r"/></p>
  </xsl:template>

  <xsl:template match="w:r">
    <xsl:apply-templates select="w:t | w:tab | w:br"/>
  </xsl:template>

  <xsl:template match="w:t">
    <xsl:value-of select="."/>
  </xsl:template>

  <xsl:template match="w:tab">
    <xsl:text>&#9;</xsl:text>
  </xsl:template>

  <xsl:template match="w:br">
    <br/>
  </xsl:template>

</xsl:stylesheet>
