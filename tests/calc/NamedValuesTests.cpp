// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The table of named values: initial contents, lookup, storing and the refused names.
#include "CalcFixture.h"

#include <cstring>

namespace calc::testing {
namespace {

using NamedValues = CalcFixture;

// The sign-and-exponent word and the mantissa of an extended value.
void Bits(Extended value, std::uint16_t &signExponent, std::uint64_t &mantissa) {
    unsigned char bytes[sizeof(Extended)];
    std::memcpy(bytes, &value, sizeof bytes);
    std::memcpy(&mantissa, bytes, sizeof mantissa);
    std::memcpy(&signExponent, bytes + sizeof mantissa, sizeof signExponent);
}

TEST_F(NamedValues, StartWithTheConstantsInTheirBitPatterns) {
    struct Row {
        const char *name;
        std::uint16_t signExponent;
        std::uint64_t mantissa;
    };
    const Row rows[] = {
        {"Pi", 0x4000, 0xC90FDAA22168C234},
        {"e", 0x4000, 0xADF85458A2BB4A9B},
        {"Phi", 0x3FFF, 0xCF1BBCDCBFA53E0B},
        {"_digits", 0x4002, 0xC000000000000000},
    };
    ASSERT_EQ(Variables.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(Variables[i].Name, rows[i].name);
        std::uint16_t word = 0;
        std::uint64_t mantissa = 0;
        Bits(Variables[i].Value, word, mantissa);
        EXPECT_EQ(word, rows[i].signExponent);
        EXPECT_EQ(mantissa, rows[i].mantissa);
    }
    EXPECT_EQ(Variables[3].Value, 12);
}

TEST_F(NamedValues, AreFoundByExactName) {
    EXPECT_EQ(FindVariable("Pi"), 0);
    EXPECT_EQ(FindVariable("_digits"), 3);
    EXPECT_EQ(FindVariable("pi"), -1);
    EXPECT_EQ(FindVariable("PI"), -1);
    EXPECT_EQ(FindVariable(""), -1);
}

TEST_F(NamedValues, NewNamesAppendAndKnownNamesKeepTheirPlace) {
    SetVariable("Ans", 5);
    ASSERT_EQ(Variables.size(), 5u);
    EXPECT_EQ(FindVariable("Ans"), 4);
    SetVariable("Ans", 7);
    ASSERT_EQ(Variables.size(), 5u);
    EXPECT_EQ(Variables[4].Value, 7);
    SetVariable("E", 1);
    EXPECT_EQ(FindVariable("E"), 5);
    SetVariable("2abc", 3);
    EXPECT_EQ(FindVariable("2abc"), 6);
    // Only the characters are checked, so the empty name is stored too; it names nothing in
    // an expression, which still evaluates.
    SetVariable("", 8);
    EXPECT_EQ(FindVariable(""), 7);
    EXPECT_EQ(EvaluateExpression("1+1"), 2);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(NamedValues, DigitsMayChangeAndInitRestoresThem) {
    SetVariable("_digits", 6);
    EXPECT_EQ(FormatResult(true, 1.0L / 3), "0.333333");
    InitVariables();
    EXPECT_EQ(FormatResult(true, 1.0L / 3), "0.333333333333");
    EXPECT_EQ(Variables.size(), 4u);
}

TEST_F(NamedValues, RefusedNamesShowABoxAndAbortWithoutChange) {
    struct Row {
        std::string name;
        std::string text;
    };
    const Row rows[] = {
        {"Phi", "Phi \xE4r en skyddad konstant."}, {"e", "e \xE4r en skyddad konstant."},
        {"Pi", "Pi \xE4r en skyddad konstant."},   {"a-b", "Ogiltigt variabelnamn."},
        {"a b", "Ogiltigt variabelnamn."},         {"1.5", "Ogiltigt variabelnamn."},
        {"\xE5", "Ogiltigt variabelnamn."},        {"x!", "Ogiltigt variabelnamn."},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        boxes.clear();
        EXPECT_THROW(SetVariable(row.name, 1), runtime::EAbort);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, row.text);
        EXPECT_EQ(boxes[0].caption, "Kvarnelo");
        EXPECT_FALSE(boxes[0].topmost);
        EXPECT_EQ(Variables.size(), 4u);
    }
    EXPECT_EQ(FindVariable("Phi"), 2);
}

TEST_F(NamedValues, UnknownNameLeavesTheCallersValue) {
    Extended value = 99;
    EXPECT_FALSE(GetVariable("Ans", value));
    EXPECT_EQ(value, 99);
    EXPECT_TRUE(GetVariable("_digits", value));
    EXPECT_EQ(value, 12);
}

TEST_F(NamedValues, UserFunctionTableStaysEmptyAndEveryNameIsUnknown) {
    InitFunctions();
    EXPECT_TRUE(Functions.empty());
    EXPECT_EQ(CallFunction("nosuch", {1}), 0);
    EXPECT_EQ(FirstError, errUnknownFunction);
}

} // namespace
} // namespace calc::testing
