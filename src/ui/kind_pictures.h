// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 16 x 16 pictures of the twenty-one component kinds (by picture index) and
// of the Quick Tasks items, drawn once on first use.

#include <QIcon>
#include <QPixmap>

namespace sw {

// The kind picture of a picture index (0 ... 20); an empty pixmap outside.
const QPixmap& KindPicture(int pictureIndex);
QIcon KindIcon(int pictureIndex);

enum class TaskPicture {
    NewProject, OpenProject, SaveProject, RenderImage, RenderPnp, BoardProperties, Undo,
    CheckConnectivity, Tutorials, LayoutsOnline,
};
QIcon TaskIcon(TaskPicture picture);

}  // namespace sw
