// SPDX-License-Identifier: MIT
// The catalogue's maps, for the embedded table and for small tables of the tests' own.
#include "resources/cppresmanager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cpp_res::CCPPResManager;
using cpp_res::ResourceTable;
using cpp_res::StoredPayload;

// A table of the tests' own whose rows borrow the stored bytes of embedded resources.
struct TestTable {
    std::vector<const wchar_t*> names;
    std::vector<StoredPayload> payloads;
    ResourceTable table;

    TestTable(std::initializer_list<std::pair<const wchar_t*, unsigned int>> rows) {
        for (const auto& row : rows) {
            names.push_back(row.first);
            payloads.push_back(cpp_res::kResourceTable.payloads[row.second - 1]);
        }
        table = {names.data(), payloads.data(), static_cast<unsigned int>(names.size())};
    }
};

std::vector<unsigned char> decodedById(const ResourceTable& table, unsigned int id) {
    std::vector<unsigned char> data;
    std::wstring name;
    cpp_res::decodeResource(table, id, data, name);
    return data;
}

TEST(Catalogue, EmbeddedTableFillsOnlyTheColonMap) {
    const CCPPResManager& catalogue = CCPPResManager::obj();
    EXPECT_EQ(catalogue.m_colonNames.size(), 28u);
    EXPECT_TRUE(catalogue.m_plainNames.empty());
    ASSERT_EQ(catalogue.m_colonNames.count(L"fonts/n019003l.afm"), 1u);
    EXPECT_EQ(catalogue.m_colonNames.at(L"fonts/n019003l.afm"), 3u);
    EXPECT_EQ(catalogue.m_colonNames.at(L"wvhtml.xml"), 1u);
    EXPECT_EQ(catalogue.m_colonNames.at(L"docx2html_ie.xslt"), 2u);
    EXPECT_EQ(catalogue.m_colonNames.count(L":fonts/n019003l.afm"), 0u);
    unsigned int fonts = 0;
    for (const auto& entry : catalogue.m_colonNames) fonts += entry.first.rfind(L"fonts/", 0) == 0;
    EXPECT_EQ(fonts, 26u);
}

TEST(Catalogue, ObjIsOneInstance) { EXPECT_EQ(&CCPPResManager::obj(), &CCPPResManager::obj()); }

TEST(Catalogue, DuplicateKeyKeepsTheLowerIdAndBothDecodeById) {
    const TestTable rows{{L":same.txt", 1}, {L":same.txt", 3}, {L"plain", 15}, {L"plain", 2}};
    const CCPPResManager catalogue(rows.table);
    EXPECT_EQ(catalogue.m_colonNames.size(), 1u);
    EXPECT_EQ(catalogue.m_plainNames.size(), 1u);
    EXPECT_EQ(catalogue.getFileId(L"same.txt", false), 1u);
    EXPECT_EQ(catalogue.getFileId(L"dir/same.txt", true), 1u);
    EXPECT_EQ(catalogue.getFileId(L"plain", false), 3u);

    EXPECT_TRUE(decodedById(rows.table, 2) == decodedById(cpp_res::kResourceTable, 3));
    EXPECT_TRUE(decodedById(rows.table, 4) == decodedById(cpp_res::kResourceTable, 2));
}

TEST(Catalogue, PlainNameIsFoundBeforeTheSameColonName) {
    const TestTable rows{{L":both.xml", 1}, {L"both.xml", 2}};
    const CCPPResManager catalogue(rows.table);
    EXPECT_EQ(catalogue.m_colonNames.at(L"both.xml"), 1u);
    EXPECT_EQ(catalogue.m_plainNames.at(L"both.xml"), 2u);
    EXPECT_EQ(catalogue.getFileId(L"both.xml", false), 2u);
    EXPECT_EQ(catalogue.getFileId(L"BOTH.XML", true), 2u);
    // Plain names are matched whole only; the tail search reaches the colon map alone.
    EXPECT_EQ(catalogue.getFileId(L"dir/both.xml", true), 1u);
}

TEST(Catalogue, OnlyTheFirstColonIsNotation) {
    const TestTable rows{{L"::double", 1}, {L"a:b", 2}, {L"", 3}, {L":", 4}};
    const CCPPResManager catalogue(rows.table);
    EXPECT_EQ(catalogue.getFileId(L":double", false), 1u);
    EXPECT_EQ(catalogue.getFileId(L"double", false), cpp_res::kNoResource);
    EXPECT_EQ(catalogue.getFileId(L"a:b", false), 2u);
    EXPECT_EQ(catalogue.m_plainNames.count(L""), 1u);
    EXPECT_EQ(catalogue.m_colonNames.count(L""), 1u);
    // Even with empty keys in the table, the empty request finds the plain one first.
    EXPECT_EQ(catalogue.getFileId(L"", true), 3u);
    EXPECT_EQ(catalogue.getFileId(L"dir/", true), 4u);
}

TEST(Catalogue, PlainTableNamesAreNotFolded) {
    const TestTable rows{{L"Mixed\\Case", 1}};
    const CCPPResManager catalogue(rows.table);
    EXPECT_EQ(catalogue.getFileId(L"Mixed\\Case", false), 1u);
    EXPECT_EQ(catalogue.getFileId(L"Mixed\\Case", true), cpp_res::kNoResource);
}

TEST(Catalogue, DecodeOutsideTheTableEmptiesOutputs) {
    const TestTable rows{{L":one", 1}};
    std::vector<unsigned char> data(5, 1);
    std::wstring name = L"x";
    EXPECT_FALSE(cpp_res::decodeResource(rows.table, 2, data, name));
    EXPECT_TRUE(data.empty());
    EXPECT_TRUE(name.empty());
    EXPECT_TRUE(cpp_res::decodeResource(rows.table, 1, data, name));
    EXPECT_EQ(name, L":one");
}

}  // namespace
