// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/value_editor_setup.h"

#include "model/catalogue.h"
#include "model/layout_document.h"

namespace sw {
namespace {

QStringList ToList(std::span<const char* const> items) {
    QStringList list;
    for (const char* item : items)
        list << QLatin1String(item);
    return list;
}

// The parts common to new and replaced components: value field state, unit and
// extra lists with their enabled state, and the extra label.
ValueEditorSetup BaseSetup(const CatalogueEntry& kind) {
    ValueEditorSetup setup;
    setup.valueEnabled = kind.valueField != ValueField::Off;
    setup.units = ToList(kind.units);
    setup.unitsEnabled = kind.HasUnits();
    setup.extras = ToList(kind.extraItems);
    setup.extrasEnabled = kind.HasExtra();
    setup.extraLabel = kind.HasExtra() ? QLatin1String(kind.extraLabel) : QStringLiteral("Extra:");
    return setup;
}

}  // namespace

SplitValue SplitStoredValue(const QString& value) {
    qsizetype i = 0;
    while (i < value.size() &&
           ((value[i].isDigit() && value[i].unicode() < 128) || value[i] == u'.' || value[i] == u','))
        ++i;
    return {value.left(i), value.mid(i)};
}

std::optional<SplitValue> SplitTypedUnit(const QString& value, const QStringList& units) {
    const QString* best = nullptr;
    for (const QString& unit : units)
        if (!unit.isEmpty() && value.endsWith(unit) && (!best || unit.size() > best->size()))
            best = &unit;
    if (!best)
        return std::nullopt;
    return SplitValue{value.left(value.size() - best->size()), *best};
}

ValueEditorResult WithTypedUnit(ValueEditorResult result, const QStringList& units) {
    if (const std::optional<SplitValue> typed = SplitTypedUnit(result.value, units)) {
        result.value = typed->number;
        result.unit = typed->unit;
    }
    return result;
}

ValueEditorSetup NewComponentSetup(const CatalogueEntry& kind, const QString& name,
                                   const PlacementDefaults& defaults) {
    ValueEditorSetup setup = BaseSetup(kind);
    setup.caption = QStringLiteral("New component");
    setup.isNew = true;
    setup.name = name;
    if (kind.valueField == ValueField::DefaultPadSize)
        setup.value = QString::number(defaults.padSize);
    else if (kind.valueField == ValueField::DefaultTraceWidth)
        setup.value = QString::number(defaults.traceWidth);
    switch (kind.extraPreselect) {
    case ExtraPreselect::None:
        break;
    case ExtraPreselect::LastColour:
        setup.extra = setup.extras.contains(defaults.lastColour) ? defaults.lastColour
                                                                 : setup.extras.value(0);
        break;
    case ExtraPreselect::Fixed:
        setup.extra = QLatin1String(kind.extraDefault);
        break;
    }
    return setup;
}

ValueEditorSetup ReplaceComponentSetup(const CatalogueEntry& kind, pugi::xml_node element) {
    ValueEditorSetup setup = BaseSetup(kind);
    setup.caption = QStringLiteral("Replace component");
    setup.isNew = false;
    setup.name = TextAttr(element, "Name");
    const QString stored = TextAttr(element, "Value");
    if (kind.HasUnits()) {
        // A rest that is no unit of the list stays in the value field, so that OK
        // without edits stores the text unchanged (4K7 is not 4, abc is not empty).
        const SplitValue split = SplitStoredValue(stored);
        const bool unitListed = setup.units.contains(split.unit);
        setup.value = unitListed ? split.number : stored;
        setup.unit = unitListed ? split.unit : QString();
    } else {
        setup.value = stored;
    }
    if (kind.HasExtra()) {
        const pugi::xml_attribute attribute = element.attribute(kind.extraAttribute);
        if (attribute) {
            // A stored choice the list does not offer (a purple trace) is shown
            // as an entry of its own, so that OK without edits keeps it.
            setup.extra = QString::fromUtf8(attribute.value());
            if (!setup.extras.contains(setup.extra))
                setup.extras << setup.extra;
        }
        else if (kind.extraPreselect == ExtraPreselect::Fixed &&
                 QLatin1String(kind.extraAttribute) == QLatin1String("Size"))
            setup.extra = QLatin1String(kind.extraDefault);  // absent size means "Medium"
        else
            setup.extra = setup.extras.value(0);
    }
    return setup;
}

void TakeValueAsDefault(PlacementDefaults& defaults, kind::Index kind, const QString& value) {
    if (kind != kind::SolderPad && kind != kind::Trace)
        return;
    if (const std::optional<int> size = ParseInt(value.trimmed().toUtf8().constData()))
        (kind == kind::SolderPad ? defaults.padSize : defaults.traceWidth) = *size;
}

}  // namespace sw
