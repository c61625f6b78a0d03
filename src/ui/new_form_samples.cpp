// SPDX-License-Identifier: GPL-3.0-or-later
// The sample boards of the layout properties dialog, made of the board tiles.

#include "render/board_tiles.h"
#include "ui/new_form.h"

#include <QPainter>

namespace sw {

QImage SampleBoardImage(int typeIndex) {
    constexpr int kHoles = 5;
    constexpr int kRows = 3;
    QImage image(kTileSize * (kHoles + 1), kTileSize * kRows, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (typeIndex < 0 || typeIndex >= TNewForm::TypeNames().size())
        return image;
    const std::optional<BoardTileSet> tiles = TilesForBoardType(TNewForm::TypeNames()[typeIndex]);
    if (!tiles)
        return image;
    QPainter painter(&image);
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column <= kHoles; ++column) {
            const Tile tile = column == 0        ? tiles->first
                              : column == kHoles ? tiles->last
                                                 : tiles->middle;
            painter.drawImage(column * kTileSize, row * kTileSize, TileImage(tile));
        }
    return image;
}

}  // namespace sw
