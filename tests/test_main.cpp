// SPDX-License-Identifier: GPL-3.0-or-later
// Shared entry point of the test programs: a Qt application on the offscreen
// platform (unless a display is asked for) with the program's fonts registered.

#include "render/fonts.h"

#include <QApplication>
#include <gmock/gmock.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    sw::RegisterFonts();
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
