// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A compact side panel of foldable groups: each group has a header that folds
// and unfolds it and holds either a list of clickable items (a 16 x 16 picture
// and a caption) or any widget. It stands in for the group bars of the main
// window's left and right panels.

#include <QFrame>
#include <QIcon>
#include <QToolButton>
#include <QWidget>

class QAction;
class QVBoxLayout;

namespace sw {

class BarGroup : public QWidget {
    Q_OBJECT
public:
    // A group whose items `scroll` when the panel is too short for them.
    BarGroup(const QString& caption, QWidget* parent, bool scroll = false);
    // Adds an item that triggers `action` (caption, picture, enabled state and
    // visibility follow the action).
    QToolButton* AddItem(QAction* action);
    void AddSeparator();
    // Makes `content` the group's body (for a group that holds a tree, say).
    void SetContent(QWidget* content);
    void SetFolded(bool folded);
    bool Folded() const { return m_folded; }
    QToolButton* Header() const { return m_header; }
    QWidget* Body() const { return m_body; }

private:
    QToolButton* m_header;
    QWidget* m_body;
    QVBoxLayout* m_bodyLayout;
    bool m_folded = false;
};

class GroupBar : public QFrame {
    Q_OBJECT
public:
    explicit GroupBar(QWidget* parent);
    BarGroup* AddGroup(const QString& caption);
    // A group that takes the remaining height of the bar (the explorer).
    BarGroup* AddStretchingGroup(const QString& caption);
    // A group that takes the remaining height and scrolls its items in it (the
    // Toolbox of a small window).
    BarGroup* AddScrollingGroup(const QString& caption);

private:
    QVBoxLayout* m_layout;
};

// The dotted line between a side panel and the centre.
class DottedLine : public QWidget {
public:
    explicit DottedLine(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sw
