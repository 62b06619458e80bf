// SPDX-License-Identifier: MIT
// Every embedded resource decodes to exactly the bytes of its source file, with each decoder.
#include "kyio.h"
#include "support/manifest.h"

#include "conv_uncompress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

using kyio_test::manifestRows;

class ResourceDecoding : public ::testing::TestWithParam<std::tuple<conv_backend, unsigned int>> {
protected:
    void SetUp() override {
        if (!conv_set_backend(std::get<0>(GetParam()))) GTEST_SKIP() << "decoder not built in";
    }
};

TEST_P(ResourceDecoding, MatchesSourceFileByteForByte) {
    const unsigned int index = std::get<1>(GetParam());
    ASSERT_LT(index, manifestRows().size());
    const kyio_test::ManifestRow& row = manifestRows()[index];

    unsigned int id = row.id;
    std::vector<unsigned char> data;
    std::wstring name;
    ASSERT_TRUE(cpp_res::getFileData(id, data, name));
    EXPECT_EQ(name, kyio_test::widen(row.name));
    EXPECT_LE(data.size(), row.capacity);
    EXPECT_TRUE(data == kyio_test::readFile(row.source)) << row.name << " differs from " << row.source;
}

std::string caseName(const ::testing::TestParamInfo<ResourceDecoding::ParamType>& info) {
    return std::string(conv_backend_name(std::get<0>(info.param))) + "_id" +
           std::to_string(std::get<1>(info.param) + 1);
}

INSTANTIATE_TEST_SUITE_P(AllResources, ResourceDecoding,
                         ::testing::Combine(::testing::Values(CONV_BACKEND_LIBDEFLATE,
                                                              CONV_BACKEND_ZLIB),
                                            ::testing::Range(0u, 28u)),
                         caseName);

TEST(ResourceTable, HasTwentyEightRowsInManifestOrder) {
    ASSERT_EQ(manifestRows().size(), 28u);
    for (const auto& row : manifestRows()) {
        unsigned int id = row.id;
        std::vector<unsigned char> data;
        std::wstring name;
        ASSERT_TRUE(cpp_res::getFileData(id, data, name));
        EXPECT_EQ(name, kyio_test::widen(row.name));
        EXPECT_EQ(cpp_res::getFileId(name.c_str() + 1, false), row.id);
    }
}

TEST(ResourceTable, EnumeratorsNameTheirRows) {
    const struct {
        cpp_res::EBinResData id;
        const wchar_t* name;
    } cases[] = {
        {cpp_res::eResWvHtmlXml, L":wvhtml.xml"},
        {cpp_res::eResDocx2HtmlIeXslt, L":docx2html_ie.xslt"},
        {cpp_res::eResN019003lAfm, L":fonts/n019003l.afm"},
        {cpp_res::eResS050000lAfm, L":fonts/s050000l.afm"},
        {cpp_res::eResN019003lPfb, L":fonts/n019003l.pfb"},
        {cpp_res::eResN022024lPfb, L":fonts/n022024l.pfb"},
        {cpp_res::eResS050000lPfb, L":fonts/s050000l.pfb"},
    };
    for (const auto& c : cases) {
        unsigned int id = c.id;
        std::vector<unsigned char> data;
        std::wstring name;
        ASSERT_TRUE(cpp_res::getFileData(id, data, name));
        EXPECT_EQ(name, c.name);
    }
}

TEST(ConvUncompress, CountsWhatItWritesAndNeverPassesTheCapacity) {
    const unsigned char stream[] = {0x78, 0xda, 0xcb, 0x48, 0xcd, 0xc9, 0xc9, 0x07,
                                    0x00, 0x06, 0x2c, 0x02, 0x15};  // zlib stream of "hello"
    for (const conv_backend backend : {CONV_BACKEND_LIBDEFLATE, CONV_BACKEND_ZLIB}) {
        if (!conv_set_backend(backend)) continue;
        SCOPED_TRACE(conv_backend_name(backend));

        unsigned char out[8] = {0, 0, 0, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
        uint64_t length = 3;
        EXPECT_NE(conv_uncompress(out, &length, stream, sizeof stream), CONV_OK);
        EXPECT_LE(length, 3u);
        for (int i = 3; i < 8; ++i) EXPECT_EQ(out[i], 0xEE);

        length = sizeof out;
        EXPECT_EQ(conv_uncompress(out, &length, stream, sizeof stream), CONV_OK);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(out), length), "hello");

        unsigned char corrupt[sizeof stream];
        std::copy(stream, stream + sizeof stream, corrupt);
        corrupt[sizeof corrupt - 1] ^= 0xFF;  // the Adler-32 no longer matches
        length = sizeof out;
        EXPECT_NE(conv_uncompress(out, &length, corrupt, sizeof corrupt), CONV_OK);
        EXPECT_LE(length, sizeof out);
    }
}

}  // namespace
