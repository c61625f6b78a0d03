// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(WindowCentring, CentresOnAShownOwnerOtherwiseOnTheScreen) {
    QWidget owner;
    owner.setGeometry(100, 80, 400, 300);
    // A hidden owner does not count: the screen's free area is used.
    EXPECT_EQ(CentringArea(&owner), QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_EQ(CentringArea(nullptr), QGuiApplication::primaryScreen()->availableGeometry());
    owner.show();
    EXPECT_EQ(CentringArea(&owner), owner.frameGeometry());

    QWidget window;
    window.resize(101, 51);
    CentreWindowIn(window, QRect(0, 0, 301, 201));
    EXPECT_EQ(window.pos(), QPoint(100, 75));
    CentreWindowIn(window, QRect());
    EXPECT_EQ(window.pos(), QPoint(100, 75));
}

}  // namespace
}  // namespace sw
