// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/new_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(TNewForm, FillsAndReadsBackEveryField) {
    TNewForm form;
    const LayoutProperties given{QStringLiteral("PCB"), 33, 7, QStringLiteral("Amp"),
                                 QStringLiteral("me"), true};
    form.SetProperties(given);
    EXPECT_EQ(form.TypeIndex(), 2);
    const LayoutProperties back = form.Properties();
    EXPECT_EQ(back.type, given.type);
    EXPECT_EQ(back.width, 33);
    EXPECT_EQ(back.height, 7);
    EXPECT_EQ(back.project, given.project);
    EXPECT_EQ(back.credits, given.credits);
    EXPECT_TRUE(back.hideList);
}

TEST(TNewForm, OneSamplePictureFollowsTheSelectedType) {
    TNewForm form;
    QLabel* pictures[3] = {form.Vero, form.Perf, form.pcb};
    for (int type = 0; type < 3; ++type) {
        form.SetTypeIndex(type);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(!pictures[i]->isHidden(), i == type) << type << " " << i;
    }
    // The stripboard sample shows copper (255, 185, 66), the PCB sample none.
    const QImage strip = SampleBoardImage(0);
    const QImage pcb = SampleBoardImage(2);
    EXPECT_EQ(strip.size(), QSize(120, 60));
    EXPECT_EQ(strip.pixel(30, 10) & 0xFFFFFF, 0xFFB942u);
    EXPECT_NE(pcb.pixel(30, 10) & 0xFFFFFF, 0xFFB942u);
}

TEST(TNewForm, AnUnknownTypeSelectsNoneAndComesBackUnchanged) {
    TNewForm form;
    form.SetProperties({QStringLiteral("PCB"), 20, 10, {}, {}, false});
    form.SetProperties({QStringLiteral("Gadget"), 20, 10, {}, {}, false});
    EXPECT_EQ(form.TypeIndex(), -1);
    EXPECT_EQ(form.Properties().type, QStringLiteral("Gadget"));
    form.SetTypeIndex(1);
    EXPECT_EQ(form.Properties().type, QStringLiteral("Perfboard"));
}

TEST(TNewForm, SizesHaveNoBounds) {
    TNewForm form;
    for (int value : {0, -5, 100000, -2147483647 - 1, 2147483647}) {
        form.SetProperties({QStringLiteral("Stripboard"), value, value, {}, {}, false});
        EXPECT_EQ(form.Properties().width, value);
        EXPECT_EQ(form.Properties().height, value);
    }
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Layout Properties"));
}

}  // namespace
}  // namespace sw
