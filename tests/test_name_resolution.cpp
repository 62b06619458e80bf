// SPDX-License-Identifier: MIT
// Which requested names reach which resource, through cpp_res::getFileId.
#include "kyio.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

constexpr unsigned int kNotFound = cpp_res::kNoResource;

struct Resolution {
    const wchar_t* request;
    bool normalise;
    unsigned int expected;
};

class NameResolution : public ::testing::TestWithParam<Resolution> {};

TEST_P(NameResolution, GivesExpectedIdAndLeavesRequestAlone) {
    const Resolution& c = GetParam();
    const std::wstring before = c.request;
    std::wstring request = c.request;
    EXPECT_EQ(cpp_res::getFileId(request.c_str(), c.normalise), c.expected);
    EXPECT_EQ(request, before);
}

const Resolution kResolutions[] = {
    // Exact names, with and without folding.
    {L"fonts/n019003l.afm", false, 3},
    {L"fonts/n019003l.afm", true, 3},
    {L"FONTS\\N019003L.AFM", true, 3},
    {L"FONTS\\N019003L.AFM", false, kNotFound},
    {L"Fonts/N019003L.afm", false, kNotFound},
    {L"fonts/s050000l.pfb", false, 28},
    {L"fonts\\n022024l.PFB", true, 27},
    // The table's ':' is notation, never part of a request.
    {L":fonts/n019003l.afm", true, kNotFound},
    {L":fonts/n019003l.afm", false, kNotFound},
    {L":wvhtml.xml", true, kNotFound},
    // Font keys hold a '/', so only the whole request can match them.
    {L"n019003l.afm", true, kNotFound},
    {L"share/fonts/n019003l.afm", true, kNotFound},
    {L"/fonts/n019003l.afm", true, kNotFound},
    // The two names without a directory match as the last component of any path.
    {L"wvhtml.xml", false, 1},
    {L"/opt/share/WVHTML.XML", true, 1},
    {L"/opt/share/wvhtml.xml", false, kNotFound},
    {L"C:\\Temp\\Docx2Html_IE.xslt", true, 2},
    {L"a\\b/c\\docx2html_ie.xslt", true, 2},
    {L"docx2html_ie.xslt", true, 2},
    {L"/wvhtml.xml", true, 1},
    // A trailing separator leaves an empty tail; no key is empty.
    {L"wvhtml.xml/", true, kNotFound},
    {L"wvhtml.xml\\", true, kNotFound},
    {L"/", true, kNotFound},
    {L"", true, kNotFound},
    {L"", false, kNotFound},
    // Near misses: no prefix, suffix or partial matching.
    {L"wvhtml.xm", true, kNotFound},
    {L"wvhtml.xml ", true, kNotFound},
    {L"xwvhtml.xml", true, kNotFound},
    {L"fonts/n019003l.afm/", true, kNotFound},
    {L"fonts//n019003l.afm", true, kNotFound},
    // Outside ASCII nothing folds to a table name: U+0130 lowers to 'i' only with towlower,
    // codes above 255 are never folded, and bytes widened from negative chars stay negative.
    {L"docx2html_\u0130e.xslt", true, kNotFound},
    {L"fonts/n019003l.af\u1E3E", true, kNotFound},
    {L"wvhtml.xm\u013D", true, kNotFound},
    {L"\xFFFFFF80wvhtml.xml", true, kNotFound},
    {L"dir\xFFFFFFC9/wvhtml.xml", true, 1},
};

INSTANTIATE_TEST_SUITE_P(Table, NameResolution, ::testing::ValuesIn(kResolutions));

TEST(NameResolution, NullNameIsNotFound) {
    EXPECT_EQ(cpp_res::getFileId(nullptr, true), kNotFound);
    EXPECT_EQ(cpp_res::getFileId(nullptr, false), kNotFound);
}

TEST(NameResolution, EmbeddedNulEndsTheRequest) {
    const wchar_t request[] = L"wvhtml.xml\0.bak";
    EXPECT_EQ(cpp_res::getFileId(request, false), 1u);
}

// Folding uses the C library's tolower, so the locale decides what changes; in the C locale
// only 'A' to 'Z' do, and in a UTF-8 locale codes from 128 to 255 are not letters either.
TEST(NameResolution, FoldsOnlyAsciiLettersInTheCAndUtf8Locales) {
    for (const char* locale : {"C", "C.UTF-8"}) {
        if (std::setlocale(LC_CTYPE, locale) == nullptr) continue;
        SCOPED_TRACE(locale);
        EXPECT_EQ(cpp_res::getFileId(L"WVHTML.XML", true), 1u);
        EXPECT_EQ(cpp_res::getFileId(L"WVHTML.XM\u00CC", true), kNotFound);
        EXPECT_EQ(cpp_res::getFileId(L"\u00C9/wvhtml.xml", true), 1u);
    }
    std::setlocale(LC_CTYPE, "C");
}

}  // namespace
