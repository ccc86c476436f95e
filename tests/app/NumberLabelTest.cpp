#include <gtest/gtest.h>

#include "ui/widgets/NumberLabel.h"

using tessella::widgets::NumberLabel;

TEST(NumberLabel, CaptionIsThePlainDecimalValue) {
    NumberLabel label;
    const struct {
        int value;
        const char* caption;
    } rows[] = {{-5, "-5"}, {1000000, "1000000"}, {-2147483647 - 1, "-2147483648"}};
    for (const auto& row : rows) {
        label.setValue(row.value);
        EXPECT_EQ(label.value(), row.value);
        EXPECT_EQ(label.text().toStdString(), row.caption);
    }
    // Setting an equal value rewrites the caption.
    label.setValue(7);
    label.setText(QStringLiteral("autre"));
    label.setValue(7);
    EXPECT_EQ(label.text(), "7");
}
