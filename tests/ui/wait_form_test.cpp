// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wait_form.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <stdexcept>

namespace sw {
namespace {

TEST(WaitFormTest, ShowsTheMessageAtItsFixedSize) {
    TWaitForm form;
    form.ShowWaiting();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.size(), QSize(392, 94));
    const auto labels = form.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front()->text(), QStringLiteral("Processing, please wait..."));
    EXPECT_TRUE(labels.front()->font().bold());
    form.HideWaiting();
    EXPECT_FALSE(form.isVisible());
}

TEST(WaitFormTest, GuardHidesTheWindowWhenTheWorkThrows) {
    TWaitForm form;
    try {
        WaitGuard guard(form);
        EXPECT_TRUE(form.isVisible());
        throw std::runtime_error("render failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace sw
