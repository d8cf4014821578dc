#include "core/alias_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

TEST(AliasTable, AnAliasIsFoundByItsExactPathAndAnEmptyOneRemovesIt) {
    AliasTable aliases;
    std::string alias = "unchanged";
    EXPECT_FALSE(aliases.LookUp("C:\\作業", alias));
    EXPECT_EQ("unchanged", alias);
    aliases.Set("C:\\作業", "仕事");
    ASSERT_TRUE(aliases.LookUp("C:\\作業", alias));
    EXPECT_EQ("仕事", alias);
    EXPECT_FALSE(aliases.LookUp("c:\\作業", alias)) << "paths are matched as the shell gives them";
    aliases.Set("C:\\作業", "");
    EXPECT_FALSE(aliases.LookUp("C:\\作業", alias));
    EXPECT_TRUE(aliases.All().empty());
}

}  // namespace

namespace {

AliasTable Decode(const std::vector<uint8_t>& bytes) {
    datafile::PayloadReader reader(bytes.data(), bytes.size());
    return DecodeAliases(reader);
}

void PutPair(datafile::PayloadWriter& payload, const std::string& path, uint32_t aliasLength,
             const std::string& alias) {
    payload.PutU32(static_cast<uint32_t>(path.size()));
    payload.PutBytes(path.data(), path.size());
    payload.PutU32(aliasLength);
    payload.PutBytes(alias.data(), alias.size());
}

TEST(AliasFile, PairsAreWrittenInTheOrderOfThePathsBytesAndReadBack) {
    AliasTable aliases;
    aliases.Set("C:\\作業\\b", "二");
    aliases.Set("C:\\作業", "一");
    aliases.Set("C:\\A", "upper");
    aliases.Set("マイ コンピュータ", "PC");
    datafile::PayloadWriter payload;
    EncodeAliases(aliases, payload);

    datafile::PayloadWriter expected;
    expected.PutU32(4);
    // "C:\A" (0x41) before "C:\作業" (0x8D..), the prefix before its longer path, then the
    // katakana name (0x83..) after every "C:" path.
    PutPair(expected, "C:\\A", 5, "upper");
    PutPair(expected, "C:\\作業", 2, "一");
    PutPair(expected, "C:\\作業\\b", 2, "二");
    PutPair(expected, "マイ コンピュータ", 2, "PC");
    EXPECT_EQ(expected.Bytes(), payload.Bytes());
    EXPECT_EQ(aliases.All(), Decode(payload.Bytes()).All());
}

TEST(AliasFile, EmptyAliasesUnusablePathsAndRepeatedPathsAreLeftOut) {
    datafile::PayloadWriter payload;
    payload.PutU32(5);
    PutPair(payload, "C:\\empty", 0, "");
    PutPair(payload, std::string("C:\\a\0b", 6), 1, "z");
    PutPair(payload, "C:\\kept", 5, "first");
    PutPair(payload, "C:\\kept", 6, "second");
    PutPair(payload, "D:\\", 1, "d");
    AliasTable read = Decode(payload.Bytes());
    EXPECT_EQ((std::map<std::string, std::string>{{"C:\\kept", "first"}, {"D:\\", "d"}}), read.All());
}

TEST(AliasFile, TheCountOnlyLimitsAndALengthPastTheEndStopsKeepingThePairsBefore) {
    for (uint32_t count : {0x7FFFFFFFu, 0xFFFFFFFFu}) {
        datafile::PayloadWriter payload;
        payload.PutU32(count);
        PutPair(payload, "C:\\one", 1, "1");
        EXPECT_EQ(1u, Decode(payload.Bytes()).All().size()) << count;
    }
    for (uint32_t length : {0xFFFFFFFFu, 0x80000000u, 100u}) {
        datafile::PayloadWriter pathTooLong;
        pathTooLong.PutU32(3);
        PutPair(pathTooLong, "C:\\one", 1, "1");
        pathTooLong.PutU32(length);
        pathTooLong.PutBytes("C:\\two", 6);
        pathTooLong.PutU32(1);
        pathTooLong.PutBytes("2", 1);
        EXPECT_EQ((std::map<std::string, std::string>{{"C:\\one", "1"}}), Decode(pathTooLong.Bytes()).All());

        datafile::PayloadWriter aliasTooLong;
        aliasTooLong.PutU32(2);
        PutPair(aliasTooLong, "C:\\one", 1, "1");
        PutPair(aliasTooLong, "C:\\two", length, "2");
        EXPECT_EQ((std::map<std::string, std::string>{{"C:\\one", "1"}}), Decode(aliasTooLong.Bytes()).All());
    }
    datafile::PayloadWriter payload;
    payload.PutU32(2);
    PutPair(payload, "C:\\one", 1, "1");
    PutPair(payload, "C:\\two", 3, "22");
    std::vector<uint8_t> bytes = payload.Bytes();
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        size_t pairs = Decode(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut)).All().size();
        EXPECT_EQ(cut < 4 + 4 + 6 + 4 + 1 ? 0u : 1u, pairs) << cut;
    }
}

}  // namespace
