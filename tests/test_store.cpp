// SPDX-License-Identifier: MIT
// The resource store through its exported functions; each test, in its own process, is a first use.
#include "support.h"

#include "conv_uncompress.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using kyio_test::manifestRows;

std::string decoded(unsigned int id, std::wstring* name = nullptr) {
    std::vector<unsigned char> data;
    std::wstring table;
    cpp_res::getFileData(id, data, name ? *name : table);
    return {data.begin(), data.end()};
}

class Decoding : public ::testing::TestWithParam<conv_backend> {};

TEST_P(Decoding, EveryResourceIsItsSourceWithItsTableName) {
    EXPECT_EQ(conv_set_backend(static_cast<conv_backend>(7)), 0) << "no such decoder";
    if (!conv_set_backend(GetParam())) GTEST_SKIP() << "decoder not built in";
    ASSERT_EQ(manifestRows().size(), 28u);
    for (const auto& row : manifestRows()) {
        std::wstring name;
        EXPECT_TRUE(decoded(row.id, &name) == row.content()) << row.name << " differs from " << row.source;
        EXPECT_EQ(name, std::wstring(row.name.begin(), row.name.end()));
        EXPECT_EQ(cpp_res::getFileId(name.c_str() + 1, false), row.id);
    }
}

// The fuzz target's decoder seeds: damaged, truncated or too-small streams fail; whole ones decode.
TEST_P(Decoding, SeedsGiveTheirStatedOutcomes) {
    if (!conv_set_backend(GetParam())) GTEST_SKIP() << "decoder not built in";
    std::string text;
    for (int i = 0; i < 20; ++i) text += "StartFontMetrics 2.0\nComment Copyright URW\n";
    const std::pair<const char*, int> cases[] = {{"level0", CONV_OK}, {"level9", CONV_OK}, {"empty_capacity", CONV_OK},
        {"bad_checksum", CONV_DATA_ERROR}, {"corrupt_middle", CONV_DATA_ERROR}, {"truncated", CONV_DATA_ERROR},
        {"garbage", CONV_DATA_ERROR}, {"too_small", CONV_BUF_ERROR}, {"stored_too_small", CONV_BUF_ERROR}};
    for (const auto& [name, status] : cases) {
        const std::string seed = kyio_test::readFile(std::string(KYIO_TEST_SOURCE_DIR "/fuzz/corpus/uncompress/") + name);
        std::vector<unsigned char> out((static_cast<unsigned char>(seed[0]) | static_cast<unsigned char>(seed[1]) << 8) + 1u);
        std::uint64_t length = out.size() - 1;
        EXPECT_EQ(conv_uncompress(out.data(), &length, reinterpret_cast<const unsigned char*>(seed.data()) + 2, seed.size() - 2), status) << name;
        EXPECT_TRUE(status != CONV_OK || std::string(out.begin(), out.begin() + static_cast<long>(length)) == (out.size() > 1 ? text : "")) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Decoders, Decoding, ::testing::Values(CONV_BACKEND_LIBDEFLATE, CONV_BACKEND_ZLIB));

TEST(GetFileData, InvalidIdsEmptyTheOutputsAndOldContentGivesWayToTheDecodedBytes) {
    for (const unsigned int invalid : {0u, 29u, 0xFFFFFFFFu}) {
        unsigned int id = invalid;
        std::vector<unsigned char> data(100, 0x55);
        std::wstring name = L"previous";
        EXPECT_FALSE(cpp_res::getFileData(id, data, name));
        EXPECT_TRUE(data.empty() && name.empty() && id == invalid) << invalid;
    }
    const std::string fresh = decoded(cpp_res::eResWvHtmlXml);
    for (const size_t old : {size_t{3}, size_t{400000}}) {
        unsigned int id = cpp_res::eResWvHtmlXml;
        std::vector<unsigned char> reused(old, 0xAB);
        std::wstring name;
        ASSERT_TRUE(cpp_res::getFileData(id, reused, name));
        EXPECT_TRUE(std::string(reused.begin(), reused.end()) == fresh) << old;
    }
    EXPECT_LT(decoded(cpp_res::eResDocx2HtmlIeXslt).size(), manifestRows()[1].capacity) << "trimmed below the capacity";
}

TEST(GetFileData, ByNameResolvesOrLeavesTheOutputsAlone) {
    for (const wchar_t* unknown : {L":wvhtml.xml", L"nothing.txt", L"", L"WVHTML.XML"}) {
        std::vector<unsigned char> data = {1, 2, 3};
        std::wstring name = L"kept";
        EXPECT_FALSE(cpp_res::getFileData(unknown, data, name, false)) << unknown;
        EXPECT_TRUE(data.size() == 3 && name == L"kept") << unknown;
    }
    std::vector<unsigned char> data;
    std::wstring name;
    EXPECT_TRUE(cpp_res::getFileData(L"WVHTML.XML", data, name, true) && name == L":wvhtml.xml");
    EXPECT_EQ(cpp_res::getFileId(nullptr, true), cpp_res::kNoResource);
}

// Backslashes and capitals only when normalising; the loose files as any path's last component.
TEST(GetFileId, CoreNamesHaveFixedIds) {
    const unsigned none = cpp_res::kNoResource;
    const std::wstring overLong = std::wstring(5000, L'a') + L"/wvhtml.xml";
    const std::tuple<std::wstring, unsigned, unsigned> cases[] = {  // name, its id plain, normalised
        {L"wvhtml.xml", 1, 1}, {L"WVHTML.XML", none, 1}, {L"fonts\\n019003l.afm", none, 3}, {L"FONTS\\N019004L.AFM", none, 4},
        {L"C:\\Temp\\wvhtml.xml", none, 1}, {L"/any/where/docx2html_ie.xslt", none, 2}, {L"fonts/s050000l.pfb", 28, 28},
        {L"x/n019003l.afm", none, none}, {L":wvhtml.xml", none, none}, {L"fonts/", none, none}, {overLong, none, 1},
        {L"wvhtml.xml\u00e9", none, none}, {L"WVHTML.XM\u00cc", none, none},
    };
    for (const auto& [name, plain, normalised] : cases) {
        EXPECT_EQ(cpp_res::getFileId(name.c_str(), false), plain) << name.size();
        EXPECT_EQ(cpp_res::getFileId(name.c_str(), true), normalised) << name.size();
    }
}

}  // namespace
