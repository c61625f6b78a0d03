// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cut, Copy and Paste in the main window: the fragment text (edit/
// clipboard_commands.h) goes to the system clipboard under the program's own
// type and as plain text, and comes back from either. Ctrl+V pastes at the
// hole under the pointer when the pointer is over the board; the menu item
// pastes one hole right and down of where the parts were.

#include <QObject>
#include "model/hole.h"

#include <QPoint>
#include <optional>

class QMimeData;

namespace sw {

class EditorHost;
class TMainForm;

class MainFormClipboard : public QObject {
    Q_OBJECT
public:
    MainFormClipboard(TMainForm& form, EditorHost& host);

    void Cut();
    void Copy();
    // `byKey`: Ctrl+V rather than the menu item.
    void Paste(bool byKey);

    // The board hole under the pointer, when the pointer is over the visible
    // board and that hole is on it.
    std::optional<Hole> HoleUnderPointer() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Put(const std::string& text);

    TMainForm& m_form;
    EditorHost& m_host;
};

// The clipboard's text as a fragment: the program's own type first, then plain text.
std::string FragmentTextOf(const QMimeData* data);

}  // namespace sw
