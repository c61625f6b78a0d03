// SPDX-License-Identifier: GPL-3.0-or-later
// The application-wide tooltip switch.

#include "ui/application_hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace sw {
namespace {

// A widget that notes whether a tooltip event reached it.
class Probe : public QWidget {
public:
    bool reached = false;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ToolTip)
            reached = true;
        return QWidget::event(e);
    }
};

TEST(ApplicationHints, TooltipsReachWidgetsOnlyWhileHintsAreOn) {
    Probe probe;
    for (const bool on : {false, true, false}) {
        SetApplicationHints(on);
        EXPECT_EQ(ApplicationHints(), on);
        probe.reached = false;
        QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        QApplication::sendEvent(&probe, &tip);
        EXPECT_EQ(probe.reached, on);
    }
}

}  // namespace
}  // namespace sw
