#include "inventory/property_value.h"

#include <gtest/gtest.h>

#include "inventory/failure.h"
#include "tests/inventory/decimal_separator.h"

namespace quarvel {
namespace {

using testing::DecimalSeparator;

TEST(ValueText, RendersEachKindInsideAJoinedText) {
    EXPECT_EQ(valueText(PropertyValue()), "");
    EXPECT_EQ(valueText(PropertyValue::null()) + " MHz", " MHz");
    EXPECT_EQ(valueText(667), "667");
    EXPECT_EQ(valueText(-12), "-12");
    EXPECT_EQ(valueText(std::int32_t{2147483647}), "2147483647");
    EXPECT_EQ(valueText(1013.76), "1013.76");
    EXPECT_EQ(valueText("Acme "), "Acme ");
}

TEST(RealText, ShortestFormWithAtMostFifteenDigits) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {2, "2"},
        {0.5, "0.5"},
        {1.99, "1.99"},
        {512, "512"},
        {1013.76, "1013.76"},
        {1024 * 0.5, "512"},
        {0.1 + 0.2, "0.3"},
        {-0.0, "0"},
        {4095.99, "4095.99"},
        {1.0 / 3, "0.333333333333333"},
        {16384, "16384"},
        {1099511627776.0, "1099511627776"},
    };
    for (const Case& c : cases) EXPECT_EQ(realText(c.value), c.text) << c.value;
}

TEST(RealText, UsesTheUsersDecimalSeparator) {
    DecimalSeparator comma(",");
    EXPECT_EQ(realText(1013.76), "1013,76");
    EXPECT_EQ(realText(512), "512");
    EXPECT_EQ(valueText(0.5) + " GB", "0,5 GB");
}

TEST(Round2, RoundsToHundredthsWithHalvesToEven) {
    struct Case {
        double value;
        double rounded;
    };
    const Case cases[] = {
        {0.125, 0.12}, {0.375, 0.38},   {0.999, 1},    {1.994, 1.99}, {2, 2},
        {0.4994, 0.5}, {-0.125, -0.12}, {0.625, 0.62}, {0.875, 0.88},
    };
    for (const Case& c : cases) EXPECT_EQ(round2(c.value), PropertyValue(c.rounded)) << c.value;
    EXPECT_TRUE(round2(PropertyValue::null()).isNull());
    EXPECT_EQ(round2(1e300), PropertyValue(1e300));  // no overflow on the way to hundredths
}

TEST(Divide, ReadsDecimalTextAndKeepsNull) {
    const double MB = 1024.0 * 1024;
    EXPECT_EQ(divide("536870912", MB), PropertyValue(512.0));
    EXPECT_EQ(divide(" 1610088448 ", MB), PropertyValue(1535.5));
    EXPECT_EQ(divide("17179869184", 1024.0 * MB), PropertyValue(16.0));
    EXPECT_EQ(divide(4194304, MB), PropertyValue(4.0));
    EXPECT_EQ(divide(2.5, 0.5), PropertyValue(5.0));
    EXPECT_EQ(divide("-3e2", 100), PropertyValue(-3.0));
    EXPECT_TRUE(divide(PropertyValue::null(), MB).isNull());
}

TEST(Divide, TextThatIsNotANumberIsATypeMismatch) {
    for (const char* text : {"12x", "", " ", "1.2.3", "+", "1e", "0x10", "1,5"}) {
        try {
            divide(text, 2);
            ADD_FAILURE() << "no failure for \"" << text << "\"";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.what(),
                      "Type mismatch: \"" + std::string(text) + "\" is not a number");
        }
    }
}

TEST(Divide, ReadsTheUsersDecimalSeparator) {
    DecimalSeparator comma(",");
    EXPECT_EQ(divide("1,5", 1), PropertyValue(1.5));
    EXPECT_THROW(divide("1.5", 1), Failure);
}

}  // namespace
}  // namespace quarvel
