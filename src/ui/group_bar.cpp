// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/group_bar.h"

#include <QAction>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace sw {

BarGroup::BarGroup(const QString& caption, QWidget* parent, bool scroll) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(0);

    m_header = new QToolButton(this);
    m_header->setText(caption);
    m_header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_header->setArrowType(Qt::DownArrow);
    m_header->setAutoRaise(true);
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont bold = m_header->font();
    bold.setBold(true);
    m_header->setFont(bold);
    m_header->setBackgroundRole(QPalette::Mid);
    m_header->setAutoFillBackground(true);
    connect(m_header, &QToolButton::clicked, this, [this] { SetFolded(!m_folded); });
    layout->addWidget(m_header);

    QWidget* items = new QWidget(this);
    if (scroll) {
        auto* area = new QScrollArea(this);
        area->setFrameShape(QFrame::NoFrame);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setWidgetResizable(true);
        area->setBackgroundRole(QPalette::Base);
        area->setWidget(items);
        m_body = area;
    } else {
        m_body = items;
    }
    m_bodyLayout = new QVBoxLayout(items);
    m_bodyLayout->setContentsMargins(4, 2, 2, 2);
    m_bodyLayout->setSpacing(0);
    m_bodyLayout->setAlignment(Qt::AlignTop);
    layout->addWidget(m_body, 1);
    // Takes the height a folded body leaves, so the header stays on top.
    layout->addStretch(0);
}

QToolButton* BarGroup::AddItem(QAction* action) {
    auto* item = new QToolButton(m_bodyLayout->parentWidget());
    item->setDefaultAction(action);
    item->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    item->setIconSize(QSize(16, 16));
    item->setAutoRaise(true);
    item->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    item->setCursor(Qt::PointingHandCursor);
    // A tool button follows its action's text, icon and enabled state but not
    // its visibility, which the board type switches.
    item->setVisible(action->isVisible());
    connect(action, &QAction::visibleChanged, item,
            [item, action] { item->setVisible(action->isVisible()); });
    m_bodyLayout->addWidget(item);
    return item;
}

void BarGroup::AddSeparator() {
    auto* line = new QFrame(m_bodyLayout->parentWidget());
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(7);
    m_bodyLayout->addWidget(line);
}

void BarGroup::SetContent(QWidget* content) {
    // A widget body (the explorer) takes the group's whole width.
    m_bodyLayout->setContentsMargins(0, 2, 0, 0);
    content->setParent(m_bodyLayout->parentWidget());
    m_bodyLayout->addWidget(content, 1);
}

void BarGroup::SetFolded(bool folded) {
    m_folded = folded;
    m_body->setVisible(!folded);
    m_header->setArrowType(folded ? Qt::RightArrow : Qt::DownArrow);
}

GroupBar::GroupBar(QWidget* parent) : QFrame(parent) {
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 2, 0, 2);
    m_layout->setSpacing(4);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

BarGroup* GroupBar::AddGroup(const QString& caption) {
    auto* group = new BarGroup(caption, this);
    m_layout->addWidget(group);
    return group;
}

BarGroup* GroupBar::AddStretchingGroup(const QString& caption) {
    auto* group = new BarGroup(caption, this);
    m_layout->addWidget(group, 1);
    return group;
}

BarGroup* GroupBar::AddScrollingGroup(const QString& caption) {
    auto* group = new BarGroup(caption, this, true);
    m_layout->addWidget(group, 1);
    return group;
}

DottedLine::DottedLine(QWidget* parent) : QWidget(parent) { setFixedWidth(1); }

void DottedLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    painter.drawLine(0, 0, 0, height());
}

}  // namespace sw
