// SPDX-License-Identifier: MIT
// The catalogue's maps, for the embedded table and for small tables of the tests' own.
#include "resources/cppresmanager.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using cpp_res::CCPPResManager;

// A table of the tests' own whose rows borrow the stored bytes of embedded resources.
struct TestTable {
    std::vector<const wchar_t*> names;
    std::vector<cpp_res::StoredPayload> payloads;
    cpp_res::ResourceTable table;
    TestTable(std::initializer_list<std::pair<const wchar_t*, unsigned int>> rows) {
        for (const auto& [name, row] : rows) {
            names.push_back(name);
            payloads.push_back(cpp_res::kResourceTable.payloads[row - 1]);
        }
        table = {names.data(), payloads.data(), static_cast<unsigned int>(names.size())};
    }
};

TEST(Catalogue, EmbeddedTableFillsOnlyTheColonMap) {
    const CCPPResManager& catalogue = CCPPResManager::obj();
    EXPECT_EQ(catalogue.m_colonNames.size(), 28u);
    EXPECT_TRUE(catalogue.m_plainNames.empty());
    for (const auto& [key, id] : catalogue.m_colonNames) EXPECT_EQ(cpp_res::getFileId(key.c_str(), false), unsigned(id));
    EXPECT_EQ(catalogue.m_colonNames.at(L"fonts/n019003l.afm"), 3u) << "kept without its ':'";
}

// Each case: a table (name, embedded row whose payload it borrows), then requests and their ids.
TEST(Catalogue, TablesOfTheTestsOwn) {
    const struct {
        TestTable rows;
        std::vector<std::tuple<const wchar_t*, bool, unsigned int>> requests;
    } cases[] = {
        // The lower id keeps a duplicate key, in either map.
        {{{L":same.txt", 1}, {L":same.txt", 3}, {L"plain", 15}, {L"plain", 2}},
         {{L"same.txt", false, 1}, {L"dir/same.txt", true, 1}, {L"plain", false, 3}}},
        // A plain name is found before the same colon name; the tail search reaches colon names only.
        {{{L":both.xml", 1}, {L"both.xml", 2}}, {{L"both.xml", false, 2}, {L"BOTH.XML", true, 2}, {L"dir/both.xml", true, 1}}},
        // Only the first character is notation; empty keys are found by empty requests and tails.
        {{{L"::double", 1}, {L"a:b", 2}, {L"", 3}, {L":", 4}},
         {{L":double", false, 1}, {L"double", false, cpp_res::kNoResource}, {L"a:b", false, 2}, {L"", true, 3}, {L"dir/", true, 4}}},
    };
    for (const auto& c : cases) {
        const CCPPResManager catalogue(c.rows.table);
        for (const auto& [name, normalise, id] : c.requests) EXPECT_EQ(catalogue.getFileId(name, normalise), id) << name;
    }
    std::vector<unsigned char> hidden, shadowed;
    std::wstring name;
    unsigned int embedded = 2;
    EXPECT_TRUE(cpp_res::decodeResource(cases[0].rows.table, 4, hidden, name) && cpp_res::getFileData(embedded, shadowed, name));
    EXPECT_TRUE(hidden == shadowed) << "a row that lost its key still decodes by id";
}

}  // namespace
