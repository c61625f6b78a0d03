// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_form.h"

#include "edit/value_editor_setup.h"
#include "model/catalogue.h"
#include "model/layout_document.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace sw {
namespace {

enum class Focus { Name, Value };

struct Shown {
    QString caption, name, value, unit, extra, extraLabel;
    bool valueEnabled, unitsEnabled, extrasEnabled, extraLabelEnabled;
    int unitCount, extraCount;
    Focus focus;
};

Shown Show(const ValueEditorSetup& setup) {
    TEditForm form;
    form.Setup(setup);
    form.FormShow();
    return {form.windowTitle(),
            form.NameEdit->text(),
            form.ValueEdit->text(),
            form.UnitBox->currentText(),
            form.ExtraBox->currentText(),
            form.ExtraLabel->text(),
            form.ValueEdit->isEnabled(),
            form.UnitBox->isEnabled(),
            form.ExtraBox->isEnabled(),
            form.ExtraLabel->isEnabled(),
            form.UnitBox->count(),
            form.ExtraBox->count(),
            form.FocusTarget() == form.NameEdit ? Focus::Name : Focus::Value};
}

TEST(TEditForm, NewComponentsOpenAsTheirKindSays) {
    PlacementDefaults defaults;
    defaults.lastColour = QStringLiteral("Green");
    struct Case {
        const char* element;
        const char* value;
        bool valueEnabled;
        const char* unit;
        int units;
        const char* extraLabel;
        const char* extra;
        int extras;
        Focus focus;
    };
    const Case cases[] = {
        {"Resistor", "", true, "R", 3, "Extra:", "", 0, Focus::Value},
        {"Pad", "15", true, "px", 1, "Color:", "Green", 7, Focus::Name},
        {"Electrolyte", "", true, "nF", 2, "Size:", "Medium", 3, Focus::Value},
        {"Pot", "", true, "R", 3, "Taper:", "Linear", 3, Focus::Value},
        {"Wire", "", false, "", 0, "Color:", "Black", 7, Focus::Name},
        {"Tube", "", true, "", 0, "Type:", "Noval", 2, Focus::Value},
    };
    for (const Case& c : cases) {
        const Shown s = Show(NewComponentSetup(*FindKind(c.element), QStringLiteral("N1"), defaults));
        EXPECT_EQ(s.caption, QStringLiteral("New component")) << c.element;
        EXPECT_EQ(s.name, QStringLiteral("N1")) << c.element;
        EXPECT_EQ(s.value, QLatin1String(c.value)) << c.element;
        EXPECT_EQ(s.valueEnabled, c.valueEnabled) << c.element;
        EXPECT_EQ(s.unit, QLatin1String(c.unit)) << c.element;
        EXPECT_EQ(s.unitCount, c.units) << c.element;
        EXPECT_EQ(s.unitsEnabled, c.units > 0) << c.element;
        EXPECT_EQ(s.extraLabel, QLatin1String(c.extraLabel)) << c.element;
        EXPECT_EQ(s.extra, QLatin1String(c.extra)) << c.element;
        EXPECT_EQ(s.extraCount, c.extras) << c.element;
        EXPECT_EQ(s.extrasEnabled, c.extras > 0) << c.element;
        EXPECT_EQ(s.extraLabelEnabled, c.extras > 0) << c.element;
        EXPECT_EQ(s.focus, c.focus) << c.element;
    }
}

TEST(TEditForm, ReplacingSplitsTheStoredValue) {
    LayoutDocument doc;
    struct Case {
        const char* element;
        const char* stored;
        const char* value;
        const char* unit;
    };
    const Case cases[] = {
        {"Capacitor", "100nF", "100", "nF"},
        {"Capacitor", "0,1uF", "0,1", "uF"},
        {"Capacitor", "1F", "1F", ""},  // a rest that is no offered unit stays in the value
        {"Trimmer", "10K Log", "10", "K Log"},
        {"Transformer", "12V", "12V", ""},  // no units: the value whole
    };
    for (const Case& c : cases) {
        pugi::xml_node element = doc.AppendComponent(c.element);
        element.append_attribute("Value") = c.stored;
        element.append_attribute("Name") = "C9";
        const Shown s = Show(ReplaceComponentSetup(*FindKind(c.element), element));
        EXPECT_EQ(s.caption, QStringLiteral("Replace component"));
        EXPECT_EQ(s.name, QStringLiteral("C9"));
        EXPECT_EQ(s.value, QLatin1String(c.value)) << c.stored;
        EXPECT_EQ(s.unit, QLatin1String(c.unit)) << c.stored;
        // The value field holds text, so the name gets the focus.
        EXPECT_EQ(s.focus, Focus::Name) << c.stored;
    }
}

TEST(TEditForm, ListsNeverCarryEntriesOverAndResultReadsBack) {
    TEditForm form;
    form.Setup(NewComponentSetup(*FindKind("Pot"), QStringLiteral("P1"), {}));
    form.Setup(NewComponentSetup(*FindKind("Diode"), QStringLiteral("D1"), {}));
    form.FormShow();
    EXPECT_EQ(form.UnitBox->count(), 0);
    EXPECT_EQ(form.ExtraBox->count(), 0);
    form.ValueEdit->setText(QStringLiteral("1N4148"));
    const ValueEditorResult result = form.Result();
    EXPECT_EQ(result.name, QStringLiteral("D1"));
    EXPECT_EQ(result.value, QStringLiteral("1N4148"));
    EXPECT_EQ(result.unit, QString());
    EXPECT_EQ(result.extra, QString());
}

TEST(TEditForm, ExtraEntriesAreDrawnInTheirColour) {
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(1, 2, 3));
    palette.setColor(QPalette::HighlightedText, QColor(4, 5, 6));
    const struct {
        const char* text;
        bool selected;
        QColor colour;
        bool bold;
    } cases[] = {
        {"Red", false, QColor(255, 0, 0), true},
        {"Black", false, QColor(0, 0, 0), true},
        {"Audio", false, QColor(1, 2, 3), false},
        {"red", false, QColor(1, 2, 3), false},  // colour names are case-sensitive
        {"Red", true, QColor(4, 5, 6), true},
    };
    for (const auto& c : cases) {
        const ExtraItemLook look = UnitBoxDrawItem(QLatin1String(c.text), c.selected, palette);
        EXPECT_EQ(look.colour, c.colour) << c.text;
        EXPECT_EQ(look.bold, c.bold) << c.text;
    }
}

TEST(TEditForm, ControlsSitWhereTheDialogPlacesThem) {
    TEditForm form;
    EXPECT_EQ(form.size(), QSize(232, 164));
    EXPECT_EQ(form.NameEdit->geometry().topLeft(), QPoint(16, 24));
    EXPECT_EQ(form.ValueEdit->geometry().topLeft(), QPoint(16, 64));
    EXPECT_EQ(form.UnitBox->geometry().topLeft(), QPoint(152, 64));
    EXPECT_EQ(form.ExtraBox->geometry().topLeft(), QPoint(16, 104));
    EXPECT_TRUE(form.OkButton->isDefault());
    // Tab order: name, value, unit, Cancel, OK, extra.
    auto nextTab = [](QWidget* w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    const QList<QWidget*> order = {form.NameEdit, form.ValueEdit, form.UnitBox,
                                   form.CancelButton, form.OkButton, form.ExtraBox};
    for (int i = 0; i + 1 < order.size(); ++i)
        EXPECT_EQ(nextTab(order[i]), order[i + 1]) << i;
}

// Replace, then OK without touching a field: the element keeps what it had,
// whatever the stored value or extra looks like.
TEST(TEditForm, ReplaceConfirmedWithoutEditsKeepsTheStoredValueAndExtra) {
    struct Case { const char* element; const char* value; const char* extra; };
    const Case cases[] = {
        {"Resistor", "4K7", nullptr}, {"Resistor", "abc", nullptr}, {"Resistor", "4.7K", nullptr},
        {"Resistor", "", nullptr},    {"Capacitor", "0,1uF", nullptr}, {"Pot", "10K Log", "Audio"},
        {"Pad", "15px", "Red"},       {"Trace", "5", "Purple"},     {"Electrolyte", "1F", "Huge"},
        {"Pot", "47K", "Squared"},    {"Transformer", "12V", nullptr},
    };
    LayoutDocument doc;
    for (const Case& c : cases) {
        const CatalogueEntry& kind = *FindKind(c.element);
        pugi::xml_node element = doc.AppendComponent(c.element);
        element.append_attribute("Value") = c.value;
        if (c.extra)
            element.append_attribute(kind.extraAttribute) = c.extra;
        TEditForm form;
        form.Setup(ReplaceComponentSetup(kind, element));
        form.FormShow();
        const ValueEditorResult result = form.Result();
        EXPECT_EQ(result.value + result.unit, QLatin1String(c.value)) << c.element << " " << c.value;
        if (c.extra)
            EXPECT_EQ(result.extra, QLatin1String(c.extra)) << c.element << " " << c.extra;
    }
}

// Typing a unit at the end of the value picks the list's entry for it, and the
// value reads back as typed; a unit chosen in the list is still appended to a
// bare number.
TEST(TEditForm, AUnitTypedWithTheValueSelectsTheListsEntry) {
    struct Case {
        const char* element;
        const char* typed;
        const char* picked;  // the entry chosen in the list after typing, or null
        const char* unitShown;
        const char* stored;
    };
    const Case cases[] = {
        {"Resistor", "47K", nullptr, "K", "47K"},
        {"Resistor", "47", nullptr, "R", "47R"},
        {"Resistor", "47", "M", "M", "47M"},
        {"Resistor", "2.2M", "R", "R", "2.2M"},  // the typed unit wins over the list
        {"Capacitor", "10uF", nullptr, "uF", "10uF"},
        {"Trimmer", "10K Log", nullptr, "K Log", "10K Log"},
        {"Resistor", "47k", nullptr, "R", "47kR"},  // units match exactly
    };
    for (const Case& c : cases) {
        TEditForm form;
        form.Setup(NewComponentSetup(*FindKind(c.element), QStringLiteral("X1"), {}));
        form.FormShow();
        QTest::keyClicks(form.ValueEdit, QLatin1String(c.typed));
        if (c.picked)
            form.UnitBox->setCurrentIndex(form.UnitBox->findText(QLatin1String(c.picked)));
        const ValueEditorResult result = form.Result();
        if (!c.picked)
            EXPECT_EQ(form.UnitBox->currentText(), QLatin1String(c.unitShown)) << c.typed;
        EXPECT_EQ(result.value + result.unit, QLatin1String(c.stored)) << c.typed;
    }
}

}  // namespace
}  // namespace sw
