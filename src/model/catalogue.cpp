// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"

#include "model/kinds.h"

#include <cstring>

namespace sw {

std::span<const char* const> ColourNames() { return kind_rows::kColours; }

std::span<const CatalogueEntry> Catalogue() { return kCatalogue; }

const CatalogueEntry* FindKind(int index) {
    if (index < 0 || index >= kKindCount)
        return nullptr;
    return &kCatalogue[size_t(index)];
}

const CatalogueEntry* FindKind(const char* element) {
    if (!element)
        return nullptr;
    // Every layer of every repaint asks this of every element: the first
    // letter rules out most rows before a whole comparison.
    for (const CatalogueEntry& row : kCatalogue)
        if (row.element[0] == element[0] && std::strcmp(row.element, element) == 0)
            return &row;
    return nullptr;
}

const CatalogueEntry* FindKind(const QString& element) {
    return FindKind(element.toUtf8().constData());
}

std::optional<BoardTools> ToolsForBoardType(const QString& boardType) {
    if (boardType == QLatin1String("PCB"))
        return BoardTools{false, true, true, true};
    if (boardType == QLatin1String("Stripboard"))
        return BoardTools{true, false, false, false};
    if (boardType == QLatin1String("Perfboard"))
        return BoardTools{false, false, false, false};
    return std::nullopt;
}

std::optional<bool> ToolboxShows(const CatalogueEntry& kind, const QString& boardType) {
    if (kind.toolbox == ToolboxBoards::Always)
        return true;
    const std::optional<BoardTools> tools = ToolsForBoardType(boardType);
    if (!tools)
        return std::nullopt;
    return kind.toolbox == ToolboxBoards::StripboardOnly ? tools->cutTrack : tools->solderPad;
}

}  // namespace sw
