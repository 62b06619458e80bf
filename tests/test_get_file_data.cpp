// SPDX-License-Identifier: MIT
// What cpp_res::getFileData does with its caller's outputs.
#include "kyio.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(GetFileDataById, InvalidIdsEmptyBothOutputsAndKeepTheId) {
    for (const unsigned int invalid : {0u, 29u, 1000u, 0xFFFFFFFFu}) {
        unsigned int id = invalid;
        std::vector<unsigned char> data(100, 0x55);
        std::wstring name = L"previous";
        EXPECT_FALSE(cpp_res::getFileData(id, data, name)) << invalid;
        EXPECT_TRUE(data.empty()) << invalid;
        EXPECT_TRUE(name.empty()) << invalid;
        EXPECT_EQ(id, invalid);
    }
}

TEST(GetFileDataById, FillsDataAndTableName) {
    unsigned int id = cpp_res::eResN019003lAfm;
    std::vector<unsigned char> data;
    std::wstring name;
    ASSERT_TRUE(cpp_res::getFileData(id, data, name));
    EXPECT_EQ(id, 3u);
    EXPECT_EQ(name, L":fonts/n019003l.afm");
    EXPECT_GT(data.size(), 0u);
    EXPECT_LE(data.size(), 32787u);
    const std::string start(data.begin(), data.begin() + 16);
    EXPECT_EQ(start, "StartFontMetrics");
}

TEST(GetFileDataById, LongerOldContentIsCutToTheDecodedLength) {
    unsigned int id = cpp_res::eResWvHtmlXml;
    std::vector<unsigned char> fresh;
    std::wstring name;
    ASSERT_TRUE(cpp_res::getFileData(id, fresh, name));

    std::vector<unsigned char> reused(400000, 0xAB);  // longer than any capacity
    ASSERT_TRUE(cpp_res::getFileData(id, reused, name));
    EXPECT_TRUE(reused == fresh);

    std::vector<unsigned char> shorter(3, 0xAB);
    ASSERT_TRUE(cpp_res::getFileData(id, shorter, name));
    EXPECT_TRUE(shorter == fresh);
}

TEST(GetFileDataById, StylesheetIsTrimmedBelowItsCapacity) {
    unsigned int id = cpp_res::eResDocx2HtmlIeXslt;
    std::vector<unsigned char> data;
    std::wstring name;
    ASSERT_TRUE(cpp_res::getFileData(id, data, name));
    EXPECT_EQ(name, L":docx2html_ie.xslt");
    EXPECT_GT(data.size(), 0u);
    EXPECT_LT(data.size(), 350000u);
}

TEST(GetFileDataById, SuccessiveCallsGiveEqualIndependentCopies) {
    unsigned int id = cpp_res::eResS050000lPfb;
    std::vector<unsigned char> first, second;
    std::wstring firstName, secondName;
    ASSERT_TRUE(cpp_res::getFileData(id, first, firstName));
    ASSERT_TRUE(cpp_res::getFileData(id, second, secondName));
    EXPECT_TRUE(first == second);
    EXPECT_NE(first.data(), second.data());
    first[0] ^= 0xFF;
    EXPECT_NE(first[0], second[0]);
}

TEST(GetFileDataByName, UnknownNamesLeaveOutputsUntouched) {
    for (const wchar_t* unknown : {L":wvhtml.xml", L"nothing.txt", L"", L"WVHTML.XML"}) {
        std::vector<unsigned char> data = {1, 2, 3};
        std::wstring name = L"kept";
        // WVHTML.XML is unknown only without folding.
        EXPECT_FALSE(cpp_res::getFileData(unknown, data, name, false)) << unknown;
        EXPECT_EQ(data, (std::vector<unsigned char>{1, 2, 3}));
        EXPECT_EQ(name, L"kept");
    }
    std::vector<unsigned char> data = {9};
    std::wstring name = L"kept";
    EXPECT_FALSE(cpp_res::getFileData(nullptr, data, name, true));
    EXPECT_EQ(data, std::vector<unsigned char>{9});
    EXPECT_EQ(name, L"kept");
}

TEST(GetFileDataByName, FoldedNameGivesTheSameBytesAsItsId) {
    std::vector<unsigned char> byName, byId;
    std::wstring outName, idName;
    ASSERT_TRUE(cpp_res::getFileData(L"WVHTML.XML", byName, outName, true));
    EXPECT_EQ(outName, L":wvhtml.xml");
    unsigned int id = 1;
    ASSERT_TRUE(cpp_res::getFileData(id, byId, idName));
    EXPECT_TRUE(byName == byId);
}

}  // namespace
