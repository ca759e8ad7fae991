// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Error reporting and the number text of results: messages, the abort on a second error,
// formatting with _digits or 18 digits, and reading numbers back.
#include "CalcFixture.h"

#include <cmath>
#include <limits>

namespace calc::testing {
namespace {

using ErrorReporting = CalcFixture;

TEST_F(ErrorReporting, MessagesAreComposedInWindows1252) {
    struct Row {
        int code;
        std::string detail;
        std::string text;
    };
    const Row rows[] = {
        {0, "x", "Syntaxfel."},
        {1, "", "Division med noll."},
        {2, "sin", "Felaktigt antal argument till funktionen sin."},
        {3, "(Ej specificerad)", "Ogiltigt argument till funktionen (Ej specificerad)."},
        {4, "q", "Det finns ingen variabel eller konstant deklarerad med namnet q."},
        {5, "Sin", "Det finns ingen funktion deklarerad med namnet Sin."},
        {6, "",
         "V\xE4rdet \"\" \xE4r inte ett reellt tal i intervallet 3.6\xD7"
         "10^-4951 till 1.1\xD7"
         "10^4932."},
        {7, "AritOp", "Det gick inte att ber\xE4kna AritOp av det angivna argumentet."},
        {8, "fact", "Ett naturligt tal f\xF6rv\xE4ntades som argument till funktionen fact."},
        {9, "mod", "Ett heltal f\xF6rv\xE4ntades som argument till funktionen mod."},
        {10, "x",
         "Ett ok\xE4nt fel intr\xE4"
         "ffade vid ber\xE4kning av uttrycket. Kontrollera syntaxen."},
        {11, "PrevPrime",
         "Funktionen PrevPrime kunde inte ber\xE4knas, ty det minsta primtalet \xE4r 2."},
        {12, "abc", "Ospecificerat fel.Identifierare: abc"},
        {255, "", "Ospecificerat fel.Identifierare: "},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(CalcErrorMessage(static_cast<TCalcError>(row.code), row.detail), row.text);
    }
}

TEST_F(ErrorReporting, FirstErrorReturnsAndASecondOneAborts) {
    RaiseCalcError(errDivisionByZero, "");
    EXPECT_TRUE(ErrorReported);
    EXPECT_TRUE(ErrorOccurred);
    EXPECT_EQ(FirstError, errDivisionByZero);
    EXPECT_THROW(RaiseCalcError(static_cast<TCalcError>(40), "x"), runtime::EAbort);
    EXPECT_EQ(FirstError, errDivisionByZero);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ErrorReporting, ImmediateCodesShowATopmostBoxAndAbort) {
    ImmediateErrors = 1u << errSyntax;
    EXPECT_THROW(RaiseCalcError(errSyntax, ""), runtime::EAbort);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Syntaxfel.");
    EXPECT_EQ(boxes[0].caption, "Kvarnelo");
    EXPECT_TRUE(boxes[0].topmost);
    // Once an error is reported, no further box is shown.
    EXPECT_THROW(RaiseCalcError(errSyntax, ""), runtime::EAbort);
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(ErrorReporting, EveryEvaluationStartsClean) {
    EXPECT_EQ(Eval("1/0").firstError, errDivisionByZero);
    const Evaluation next = Eval("2");
    EXPECT_EQ(next.firstError, -1);
    EXPECT_FALSE(ErrorOccurred);
    EXPECT_FALSE(ErrorReported);
    // The empty text clears ErrorOccurred but leaves ErrorReported alone.
    RaiseCalcError(errSyntax, "");
    EXPECT_EQ(EvaluateExpression(""), 0);
    EXPECT_FALSE(ErrorOccurred);
    EXPECT_TRUE(ErrorReported);
    EXPECT_EQ(FirstError, -1);
}

using NumberFormat = CalcFixture;

TEST_F(NumberFormat, WritesDigitsAndFullPrecisionTexts) {
    struct Row {
        Extended value;
        const char *withDigits;
        const char *full;
    };
    const Row rows[] = {
        {42, "42", "42"},
        {1.0L / 3, "0.333333333333", "0.333333333333333333"},
        {2.0L / 3, "0.666666666667", "0.666666666666666667"},
        {-2.5L, "-2.5", "-2.5"},
        {123456789012.0L, "123456789012", "123456789012"},
        {1e12L, "1E12", "1000000000000"},
        {1234567890123.0L, "1.23456789012E12", "1234567890123"},
        {0.0001L, "0.0001", "0.0001"},
        {0.00001L, "1E-5", "1E-5"},
        {1e12L - 0.5L, "1E12", "999999999999.5"},
        {0, "0", "0"},
        {-0.0L, "0", "0"},
        {999999999999.5L, "1E12", "999999999999.5"},
        {-0.000123456L, "-0.000123456", "-0.000123456"},
        {1e18L, "1E18", "1E18"},
        {123456789012345678.0L, "1.23456789012E17", "123456789012345678"},
        {std::numeric_limits<Extended>::max(), "1.18973149536E4932", "1.18973149535723177E4932"},
        {std::numeric_limits<Extended>::denorm_min(), "3.64519953188E-4951",
         "3.6451995318824746E-4951"},
        {std::numeric_limits<Extended>::infinity(), "INF", "INF"},
        {-std::numeric_limits<Extended>::infinity(), "-INF", "-INF"},
        {std::numeric_limits<Extended>::quiet_NaN(), "NAN", "NAN"},
        {-std::numeric_limits<Extended>::quiet_NaN(), "-NAN", "-NAN"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.full);
        EXPECT_EQ(FormatResult(true, row.value), row.withDigits);
        EXPECT_EQ(FormatResult(false, row.value), row.full);
    }
}

TEST_F(NumberFormat, DigitsSettingRoundsClampsAndPadsTheExponent) {
    struct Row {
        Extended digits;
        Extended value;
        const char *text;
    };
    const Row rows[] = {
        {3, 1234, "1.23E003"},
        {1, 1234, "1.2E3"},
        {4, 1234, "1234"},
        {4, 12345, "1.235E0004"},
        {0, 1234, "1.2E3"},
        {2.5L, 1234, "1.2E03"},
        {3.5L, 0.00001L, "1E-0005"},
        {5, 1e-5L, "1E-5"},
        {-1, 1234, "1.2E3"},
        {40, 1.0L / 3, "0.333333333333333333"},
        {6, 999999.5L, "1E6"},
        // Two rounding steps: first to 18 digits (0.125000000000000000), then to the
        // precision by the first dropped digit; a single rounding would give 0.12.
        {2, 0.12499999999999999999L, "0.13"},
        {12, 0.1234567890124999999999L, "0.123456789013"},
        {12, -0.1234567890124999999999L, "-0.123456789013"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        SetVariable("_digits", row.digits);
        EXPECT_EQ(FormatResult(true, row.value), row.text);
    }
}

class NumberFormatSep : public CalcFixtureSep {};

TEST_P(NumberFormatSep, UsesTheLocaleSeparatorBothWays) {
    EXPECT_EQ(FormatResult(false, 2.5L), Local("2.5"));
    EXPECT_EQ(ParseReal(Local("2.5")), 2.5L);
    const std::string other = GetParam() == ',' ? "2.5" : "2,5";
    EXPECT_THROW(ParseReal(other), runtime::EConvertError);
}

TEST_P(NumberFormatSep, EighteenDigitTextsRoundTrip) {
    const Extended values[] = {1.0L / 3,
                               2.0L / 3,
                               0.1L,
                               3.14159265358979323846L,
                               1e-300L,
                               123456789.123456789L,
                               9.99999999999999999e4931L};
    for (const Extended value : values) {
        const std::string text = FormatResult(false, value);
        SCOPED_TRACE(text);
        EXPECT_EQ(FormatResult(false, ParseReal(text)), text);
    }
}

CALC_BOTH_SEPARATORS(NumberFormatSep);

using NumberParsing = CalcFixture;

TEST_F(NumberParsing, ReadsTheNumberForms) {
    struct Row {
        const char *text;
        Extended value;
    };
    const Row rows[] = {
        {"1E", 1},
        {"1e3", 1000},
        {"1E-5", 0.00001L},
        {"  12  ", 12},
        {".", 0},
        {"-.", 0},
        {"+7", 7},
        {"007", 7},
        {"1.", 1},
        {".5", 0.5L},
        {"1E+2", 100},
        {"1E-", 1},
        {"0.1", 0.1L},
        {"1E-4999", 0},
        {"1E0000000003", 1000},
        {"3.14159265358979324", 3.14159265358979324L},
        {"18446744073709551617", 18446744073709551617.0L},
        {"1E-4951", 0},
        {"3.7E-4951", std::numeric_limits<Extended>::denorm_min()},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ParseReal(row.text), row.value);
    }
    // The literal is rounded by the compiler; some C libraries' powl is a few units off.
    EXPECT_EQ(ParseReal("1E500"), 1e500L);
    // The digits are accumulated one at a time, each step rounded to extended precision:
    // beyond 19 digits that can differ from the nearest value to the whole text.
    EXPECT_EQ(ParseReal("98765432109876543210987"), 98765432109876543201280.0L);
    EXPECT_EQ(ParseReal("3333333333333333333333333.3"), 3333333333333333332983808.0L);
    // Leading zeros add nothing, however many; the tiny value underflows to 0.
    EXPECT_EQ(ParseReal("0." + std::string(5000, '0') + "1"), 0);
    EXPECT_TRUE(std::signbit(ParseReal("-0")));
}

TEST_F(NumberParsing, RejectsWhatIsNoNumber) {
    const char *rows[] = {"",    "+",   "-",   "1E5000", "1E4933", "1,5",
                          "abc", "1 2", "E5",  "1E5x",   "\t1",    "1e+-2",
                          "--1", "INF", "NAN", "1..2",   "0x1",    "1E499999"};
    // So many digits that their accumulation leaves the extended range.
    const std::string longFraction = "0." + std::string(5000, '1');
    std::vector<std::string> texts(std::begin(rows), std::end(rows));
    texts.push_back(longFraction);
    for (const std::string &text : texts) {
        SCOPED_TRACE(text.substr(0, 40));
        try {
            ParseReal(text);
            ADD_FAILURE() << "no failure";
        } catch (const runtime::EConvertError &e) {
            EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid floating point value");
        }
    }
}

// The characters from "/" to "?" next to "0" to "9" look like digits to a byte-wise test:
// in runs of eight or more, in the integer part, the fraction and the exponent, none of them
// may be read as a digit.
TEST_F(NumberParsing, CharactersNextToTheDigitsAreNoDigits) {
    const std::string digits = "1234567890123456789012345";
    const std::string prefixes[] = {"", "-", "0.", "12.", "1234567.", "0.00000000"};
    for (const std::string &prefix : prefixes)
        for (std::size_t at = 0; at <= digits.size(); ++at)
            for (const char c : std::string("/:;<=>?@\x00\xB5", 10)) {
                std::string text = prefix + digits;
                text.insert(at + prefix.size(), 1, c);
                SCOPED_TRACE(text);
                EXPECT_THROW(ParseReal(text), runtime::EConvertError);
                text.erase(at + prefix.size());
                text += std::string("E12") + c;
                EXPECT_THROW(ParseReal(text), runtime::EConvertError);
            }
    // The same runs with nothing foreign read whole.
    EXPECT_EQ(ParseReal("12345678"), 12345678);
    EXPECT_EQ(ParseReal("1234567890123456"), 1234567890123456);
    EXPECT_EQ(ParseReal("0.12345678"), 0.12345678L);
    EXPECT_EQ(ParseReal("99999999.99999999"), 9999999999999999 / 1e8L);
    // The expression that first showed the gap: an error, not 12345680.
    const Evaluation outcome = Eval("1234567:");
    EXPECT_EQ(outcome.value, 0);
    EXPECT_EQ(outcome.firstError, errUnknown);
}

} // namespace
} // namespace calc::testing
