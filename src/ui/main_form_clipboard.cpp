// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_form_clipboard.h"

#include "edit/clipboard_commands.h"
#include "edit/editor_host.h"
#include "render/board_geometry.h"
#include "session/layout_fragment.h"
#include "ui/board_view.h"
#include "ui/main_form.h"

#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QScrollArea>

namespace sw {

MainFormClipboard::MainFormClipboard(TMainForm& form, EditorHost& host)
    : QObject(&form), m_form(form), m_host(host) {
    form.ConnectCommand(Command::Cut, [this] { Cut(); });
    form.ConnectCommand(Command::Copy, [this] { Copy(); });
    form.ConnectCommand(Command::Paste, [this] { Paste(false); });
    // Ctrl+V reaches the item as a shortcut event first: it pastes at the pointer.
    for (QAction* action : form.ActionsOf(Command::Paste))
        action->installEventFilter(this);
}

bool MainFormClipboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        auto* action = qobject_cast<QAction*>(watched);
        if (action && action->isEnabled()) {
            Paste(true);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void MainFormClipboard::Put(const std::string& text) {
    if (text.empty())
        return;
    auto* data = new QMimeData;
    const QByteArray bytes = QByteArray::fromStdString(text);
    data->setData(QString::fromLatin1(kFragmentMimeType), bytes);
    data->setText(QString::fromUtf8(bytes));
    QGuiApplication::clipboard()->setMimeData(data);
}

void MainFormClipboard::Cut() { Put(CutSelectionText(m_host)); }
void MainFormClipboard::Copy() { Put(CopySelectionText(m_host)); }

void MainFormClipboard::Paste(bool byKey) {
    const std::string text = FragmentTextOf(QGuiApplication::clipboard()->mimeData());
    PasteText(m_host, text, byKey ? HoleUnderPointer() : std::nullopt);
}

std::optional<Hole> MainFormClipboard::HoleUnderPointer() const {
    const QWidget* viewport = m_form.ScrollBox->viewport();
    if (!viewport->rect().contains(viewport->mapFromGlobal(QCursor::pos())))
        return std::nullopt;
    const QPoint local = m_form.Board->mapFromGlobal(QCursor::pos());
    if (!m_form.Board->rect().contains(local))
        return std::nullopt;
    const QPoint pixel = m_form.Board->BoardPoint(local);
    const LayoutDocument& doc = m_form.Document();
    const QPoint hole = PointToHole(pixel.x(), pixel.y(), doc.BoardWidth());
    if (hole.x() < 1 || hole.y() < 1 || hole.x() > doc.BoardWidth() || hole.y() > doc.BoardHeight())
        return std::nullopt;
    return Hole{hole.x(), hole.y()};
}

std::string FragmentTextOf(const QMimeData* data) {
    if (!data)
        return {};
    const QString own = QString::fromLatin1(kFragmentMimeType);
    if (data->hasFormat(own))
        return data->data(own).toStdString();
    return data->text().toStdString();
}

}  // namespace sw
