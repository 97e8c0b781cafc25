#include "equipment/DelimitedLine.h"

#include <gtest/gtest.h>

using namespace orvik;

namespace {

TEST(DelimitedLine, SplitsAsSpreadsheetsQuote) {
    const struct {
        const char* line;
        QChar delimiter;
        QStringList fields;
    } cases[] = {
        {"MIC,Acme,4134", u',', {"MIC", "Acme", "4134"}},
        {"\"MIC\",\"Acme\",47.3", u',', {"MIC", "Acme", "47.3"}},
        {"\"Acme, Inc.\",x", u',', {"Acme, Inc.", "x"}},
        {"\"say \"\"hi\"\"\",", u',', {"say \"hi\"", ""}},
        {" \"MIC\" ,b", u',', {"MIC", "b"}},
        {"a\"b,c", u',', {"a\"b", "c"}},
        {"\"open,rest", u',', {"open,rest"}},
        {"\"MIC\"\t\"a,b\"", u'\t', {"MIC", "a,b"}},
        {",,", u',', {"", "", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitDelimitedLine(QString::fromLatin1(c.line), c.delimiter), c.fields) << c.line;
}

} // namespace
