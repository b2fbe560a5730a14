#include "Brisvale/records/JsonText.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

namespace {

std::string floatText(float value)
{
    QByteArray out;
    EXPECT_TRUE(JsonText::appendFloat(out, value));
    return out.toStdString();
}

std::string doubleText(double value)
{
    QByteArray out;
    EXPECT_TRUE(JsonText::appendDouble(out, value));
    return out.toStdString();
}

std::string stringText(const QString& value)
{
    QByteArray out;
    JsonText::appendString(out, value);
    return out.toStdString();
}

// What a JSON reader makes of `text` as the only element of an array.
QJsonValue parsedElement(const QByteArray& text)
{
    const QJsonDocument document = QJsonDocument::fromJson("[" + text + "]");
    EXPECT_TRUE(document.isArray()) << text.toStdString();
    return document.array().at(0);
}

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}

TEST(JsonTextNumbers, FloatsTakeTheShortestDecimalThatReadsBackAsTheSameFloat)
{
    EXPECT_EQ(floatText(3.45f), "3.45");
    EXPECT_EQ(floatText(2.3f), "2.3");
    EXPECT_EQ(floatText(0.1f), "0.1");
    EXPECT_EQ(floatText(450.0f), "450");
    EXPECT_EQ(floatText(-1.25f), "-1.25");
    EXPECT_EQ(floatText(FLT_MAX), "3.4028235e+38");
    EXPECT_EQ(floatText(std::numeric_limits<float>::denorm_min()), "1e-45");
}

TEST(JsonTextNumbers, AFloatWhoseShortestDecimalMisleadsADoubleReaderTakesMoreDigits)
{
    // "7.038531e-26" is the shortest decimal of this float, but read as a double and narrowed it
    // gives the next float up.
    float value;
    const quint32 pattern = 0x15ae43fd;
    std::memcpy(&value, &pattern, sizeof value);
    for (const float signedValue : {value, -value}) {
        QByteArray out;
        ASSERT_TRUE(JsonText::appendFloat(out, signedValue));
        EXPECT_NE(out, signedValue > 0 ? "7.038531e-26" : "-7.038531e-26");
        EXPECT_TRUE(sameBits(static_cast<float>(parsedElement(out).toDouble()), signedValue))
            << out.toStdString();
    }
}

TEST(JsonTextNumbers, FloatsAcrossTheWholeRangeSurviveAJsonReader)
{
    // Every 4099th bit pattern: all exponents, many mantissas, subnormals and both signs. The
    // reader turns numbers into doubles; narrowing gives back the very float written.
    QByteArray text = "[";
    std::vector<float> written;
    for (quint64 bits = 0; bits <= 0xffffffffu; bits += 4099) {
        float value;
        const auto pattern = static_cast<quint32>(bits);
        std::memcpy(&value, &pattern, sizeof value);
        if (!std::isfinite(value)) {
            continue;
        }
        if (!written.empty()) {
            text += ',';
        }
        ASSERT_TRUE(JsonText::appendFloat(text, value));
        written.push_back(value);
    }
    text += ']';
    const QJsonArray array = QJsonDocument::fromJson(text).array();
    ASSERT_EQ(static_cast<size_t>(array.size()), written.size());
    for (size_t i = 0; i < written.size(); ++i) {
        const float back = static_cast<float>(array.at(static_cast<qsizetype>(i)).toDouble());
        ASSERT_TRUE(sameBits(back, written[i]) || (back == 0.0f && written[i] == 0.0f))
            << written[i];
    }
}

TEST(JsonTextNumbers, DoublesKeepFullPrecisionAndIntegralValuesHaveNoFraction)
{
    EXPECT_EQ(doubleText(86400.0), "86400");
    EXPECT_EQ(doubleText(0.0), "0");
    EXPECT_EQ(doubleText(-31536000.0), "-31536000");
    EXPECT_EQ(doubleText(0.5), "0.5");
    EXPECT_EQ(doubleText(732000000.000123), "732000000.000123");
    for (const double value : {732000000.0001234, 1.0 / 3.0, 1e300, -4.9e-324, 978307200.999999}) {
        EXPECT_EQ(parsedElement(QByteArray::fromStdString(doubleText(value))).toDouble(), value);
    }
}

TEST(JsonTextNumbers, NonFiniteNumbersHaveNoJsonFormAndAppendNothing)
{
    QByteArray out = "x";
    EXPECT_FALSE(JsonText::appendFloat(out, std::numeric_limits<float>::quiet_NaN()));
    EXPECT_FALSE(JsonText::appendFloat(out, std::numeric_limits<float>::infinity()));
    EXPECT_FALSE(JsonText::appendFloat(out, -std::numeric_limits<float>::infinity()));
    EXPECT_FALSE(JsonText::appendDouble(out, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(JsonText::appendDouble(out, -std::numeric_limits<double>::infinity()));
    EXPECT_EQ(out, "x");
}

TEST(JsonTextStrings, QuotesBackslashesAndControlCharactersAreEscaped)
{
    EXPECT_EQ(stringText(QStringLiteral("say \"hi\"")), R"("say \"hi\"")");
    EXPECT_EQ(stringText(QStringLiteral("C:\\path")), R"("C:\\path")");
    EXPECT_EQ(stringText(QStringLiteral("a\nb\tc\rd")), R"("a\nb\tc\rd")");
    EXPECT_EQ(stringText(QString(QChar(0x01)) + QChar(0x1f) + QChar(0x08) + QChar(0x0c)),
              R"("\u0001\u001f\b\f")");
    EXPECT_EQ(stringText(QString(QChar(0))), R"("\u0000")");
    EXPECT_EQ(stringText(QString()), R"("")");
}

TEST(JsonTextStrings, SlashDeleteAndNonAsciiStayAsUtf8)
{
    EXPECT_EQ(stringText(QStringLiteral("a/b\x7f")), "\"a/b\x7f\"");
    const QString text = QStringLiteral("é 漢字 😀 記錄");
    // Quoted by appending: GCC 12 at -O3 reports a false overlap in prepending to a string.
    std::string quoted(1, '"');
    quoted.append(text.toStdString()).push_back('"');
    EXPECT_EQ(stringText(text), quoted);
}

TEST(JsonTextStrings, EveryEscapedTextReadsBackUnchanged)
{
    QString all;
    for (char16_t code = 0; code < 0x80; ++code) {
        all += QChar(code);
    }
    all += QStringLiteral("é漢😀\u2028");
    QByteArray out;
    JsonText::appendString(out, all);
    EXPECT_EQ(parsedElement(out).toString(), all);
}
