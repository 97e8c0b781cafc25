#include "model/FixedText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace orvik {
namespace {

using Name = char[41]; // the size of the technician, customer and location fields

QString repeated(const char16_t* unit, int times) {
    return QString::fromUtf16(unit).repeated(times);
}

struct RoundTrip {
    const char* what;
    QString typed;
};

class FixedTextRoundTrip : public testing::TestWithParam<RoundTrip> {};

// Everything a technician can type that fits the field comes back exactly as typed.
TEST_P(FixedTextRoundTrip, ReadsBackWhatWasWritten) {
    Name field;
    std::memset(field, 0x5a, sizeof field);
    setFixedText(field, GetParam().typed);
    EXPECT_EQ(fixedText(field), GetParam().typed);
}

INSTANTIATE_TEST_SUITE_P(
    FixedText, FixedTextRoundTrip,
    testing::Values(RoundTrip{"Ascii", QStringLiteral("K. Olsen")}, RoundTrip{"Polish", QStringLiteral("Łukasz Żółć")},
                    RoundTrip{"Latin1", QStringLiteral("Jörg Müller")},
                    RoundTrip{"Greek", QStringLiteral("Σωκράτης Παπάς")}, RoundTrip{"Cjk", QStringLiteral("山田太郎")},
                    RoundTrip{"Emoji", QStringLiteral("Booth 🎧 2")},
                    RoundTrip{"Combining", QStringLiteral("Rene\u0301e")},
                    RoundTrip{"FullOfTwoByteCharacters", repeated(u"Ł", 20)},
                    RoundTrip{"FortyLatin1CharactersAsEarlierVersionsStoredThem", repeated(u"ü", 40)},
                    RoundTrip{"FortyAscii", repeated(u"a", 40)}, RoundTrip{"Empty", QString()}),
    [](const testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.what); });

struct Cut {
    const char* what;
    QString typed;
    QString kept;
};

class FixedTextCut : public testing::TestWithParam<Cut> {};

// A text too long for its field loses whole characters at its end, never half of one, and the field gives back
// exactly what the fit of the typed text predicts (the search relies on it).
TEST_P(FixedTextCut, KeepsTheLongestWholeBeginning) {
    Name field;
    setFixedText(field, GetParam().typed);
    EXPECT_EQ(fixedText(field), GetParam().kept);
    EXPECT_EQ(fittedFixedText(GetParam().typed, sizeof field), GetParam().kept);
    EXPECT_EQ(field[sizeof field - 1], '\0');
}

INSTANTIATE_TEST_SUITE_P(
    FixedText, FixedTextCut,
    testing::Values(
        Cut{"AsciiBeyondForty", repeated(u"a", 45), repeated(u"a", 40)},
        Cut{"TwoByteCharacterAcrossTheEnd", repeated(u"a", 39) + QStringLiteral("Ł"), repeated(u"a", 39)},
        Cut{"TwentyOneTwoByteCharacters", repeated(u"Ł", 21), repeated(u"Ł", 20)},
        Cut{"Latin1BeyondForty", repeated(u"é", 41), repeated(u"é", 40)},
        Cut{"EmojiAcrossTheEnd", repeated(u"a", 38) + QStringLiteral("🎧"), repeated(u"a", 38)},
        Cut{"AccentIsKeptWithItsLetter", repeated(u"a", 38) + QStringLiteral("e\u0301"), repeated(u"a", 38)},
        // Its Latin-1 bytes would read back as UTF-8 "é"; cut after an "Ã" they no longer do.
        Cut{"Latin1ThatReadsAsUtf8", repeated(u"Ã©", 20), repeated(u"Ã©", 19) + QStringLiteral("Ã")},
        Cut{"ZeroEndsTheText", QStringLiteral("Olsen") + QChar(u'\0') + QStringLiteral("x"), QStringLiteral("Olsen")}),
    [](const testing::TestParamInfo<Cut>& info) { return std::string(info.param.what); });

TEST(FixedText, WritesUtf8AndLatin1OnlyWhenUtf8DoesNotFit) {
    Name field;
    setFixedText(field, QStringLiteral("Łukasz"));
    EXPECT_EQ(QByteArray(field), QByteArray("\xc5\x81ukasz"));
    setFixedText(field, QStringLiteral("Jörg"));
    EXPECT_EQ(QByteArray(field), QByteArray("J\xc3\xb6rg"));
    setFixedText(field, repeated(u"ü", 40));
    EXPECT_EQ(QByteArray(field), QByteArray(40, '\xfc'));
}

struct Stored {
    const char* what;
    QByteArray bytes;
    QString reads;
};

class FixedTextStored : public testing::TestWithParam<Stored> {};

// Records written by earlier versions hold Latin-1 bytes; they read as they always did.
TEST_P(FixedTextStored, ReadsStoredBytes) {
    Name field{};
    std::memcpy(field, GetParam().bytes.constData(), std::size_t(GetParam().bytes.size()));
    EXPECT_EQ(fixedText(field), GetParam().reads);
}

INSTANTIATE_TEST_SUITE_P(
    FixedText, FixedTextStored,
    testing::Values(Stored{"Latin1", QByteArray("J\xf6rg M\xfcller"), QStringLiteral("Jörg Müller")},
                    Stored{"Utf8", QByteArray("\xc5\x81ukasz"), QStringLiteral("Łukasz")},
                    Stored{"Latin1EndingLikeAnUnfinishedUtf8Sequence", QByteArray("Fran\xc3"), QStringLiteral("FranÃ")},
                    Stored{"Latin1ThatIsAlsoUtf8ReadsAsUtf8", QByteArray("\xc3\xa9"), QStringLiteral("é")},
                    Stored{"NoTerminator", QByteArray(41, 'x'), repeated(u"x", 41)}),
    [](const testing::TestParamInfo<Stored>& info) { return std::string(info.param.what); });

TEST(FixedText, VeryLongTextKeepsWhatFits) {
    const QString pasted = repeated(u"Ł", 1'000'000);
    EXPECT_EQ(fittedFixedText(pasted, 512), repeated(u"Ł", 255));
}

} // namespace
} // namespace orvik
