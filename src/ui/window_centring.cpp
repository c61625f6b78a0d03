// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace sw {

QRect CentringArea(const QWidget* owner) {
    if (owner && owner->isVisible())
        return owner->frameGeometry();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    return {};
}

void CentreWindowIn(QWidget& window, const QRect& area) {
    if (area.isValid())
        window.move(area.center() - window.rect().center());
}

}  // namespace sw
