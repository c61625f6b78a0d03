// SPDX-License-Identifier: GPL-3.0-or-later
// The board view side of the main window: repainting, resizing and centring,
// the board type's toolbox items, the banner, the slide labels and the
// symbol-font warning.

#include "ui/main_form.h"

#include "model/catalogue.h"
#include "model/kinds.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/fonts.h"
#include "ui/board_rulers.h"
#include "ui/board_view.h"
#include "ui/explorer.h"
#include "ui/group_bar.h"

#include <QDateTime>
#include <algorithm>
#include <cstdlib>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>

namespace sw {
namespace {

constexpr int kBannerHeight = 44;

struct BannerLook {
    QColor colour;
    const char* text;
};
const BannerLook kBanners[4] = {
    {QColor(57, 181, 74), "Share your layouts: Help > Submit Layout"},
    {QColor(247, 148, 29), "Find ready-made layouts: Help > Layouts Online"},
    {QColor(236, 0, 140), "Colour bands to ohms and back: Help > Resistor Calculator"},
    {QColor(68, 140, 203), "Etch your own PCB: Render PnP makes a toner-transfer image"},
};

QPixmap BannerPicture(int n) {
    QPixmap picture(468, 36);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    p.setBrush(kBanners[n].colour.darker(115));
    p.drawRoundedRect(QRectF(1, 1, 466, 34), 8, 8);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(picture.rect(), Qt::AlignCenter, QLatin1String(kBanners[n].text));
    return picture;
}

}  // namespace

void TMainForm::ComposeBanner() {
    AdPanel = new QWidget(this);
    AdPanel->setFixedHeight(kBannerHeight);
    AdPanel->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(AdPanel);
    layout->setContentsMargins(0, 4, 0, 4);
    for (int n = 0; n < 4; ++n) {
        Ad[size_t(n)] = new QLabel(AdPanel);
        Ad[size_t(n)]->setPixmap(BannerPicture(n));
        Ad[size_t(n)]->setVisible(false);
        layout->addWidget(Ad[size_t(n)], 0, Qt::AlignCenter);
    }
}

void TMainForm::FormShow() {
    QRandomGenerator random(m_options.bannerSeed.value_or(
        unsigned(QDateTime::currentMSecsSinceEpoch())));
    m_banner = int(random.bounded(4));
    QPalette palette = AdPanel->palette();
    palette.setColor(QPalette::Window, kBanners[m_banner].colour);
    AdPanel->setPalette(palette);
    for (int n = 0; n < 4; ++n)
        Ad[size_t(n)]->setVisible(n == m_banner);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    static constexpr const char* kShownOnce = "swShown";
    if (!property(kShownOnce).toBool()) {
        setProperty(kShownOnce, true);
        FormShow();
    }
}

void TMainForm::FormActivate() {
    const bool hasWingdings = m_options.hasWingdings ? m_options.hasWingdings() : HasWingdings();
    // Once per run: the box itself reactivates the window when it closes.
    if (hasWingdings || m_wingdingsWarned)
        return;
    m_wingdingsWarned = true;
    m_dialogs->Message(MessageKind::Warning,
                       QStringLiteral("Font \"Wingdings\" is not installed. Please install it in "
                                      "order to display all elements correctly."),
                       MessageButtons::Ok);
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TMainForm::FormPaint() {
    if (!m_paintingEnabled || m_closing)
        return;
    m_scene->Render();
    Board->update();
    m_rulers->update();  // the layout's size or type may have changed
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TMainForm::FormResize() {
    // The explorer group fills the height of its panel through the layout; the
    // board image keeps its size, so nothing is rendered.
    CentreView();
}

void TMainForm::CentreView() {
    // Centre the middle of the board image in the centre area: the window's
    // width less the side panels that are shown. Taken from the window rather
    // than the scroll box, whose own size may not have caught up with a resize yet.
    int visible = width();
    if (!MainBar->isHidden())
        visible -= MainBar->width() + LeftLine->width();
    if (!ListBar->isHidden())
        visible -= ListBar->width() + RightLine->width();
    // At any zoom the middle of the scaled picture is centred, unless the board
    // with its rulers is wider than the view: then it opens at its left edge,
    // row letters in view, rather than with both edges out of sight.
    const int shown = Zoom().ViewSize(QSize(kBoardImageWidth, kBoardImageHeight)).width();
    ScrollBox->horizontalScrollBar()->setRange(0, std::max(0, shown - visible));
    ScrollBox->horizontalScrollBar()->setValue(
        CentreViewScroll(BoardAreaRect(Document().BoardWidth(), Document().BoardHeight()),
                         Zoom().Factor(), shown, visible));
    ScrollBox->verticalScrollBar()->setValue(0);
}

QPointF TMainForm::ViewportCentre() const {
    const QSize viewport = ScrollBox->viewport()->size();
    return {viewport.width() / 2.0, viewport.height() / 2.0};
}

void TMainForm::ChangeZoom(const std::function<bool(BoardZoom&)>& change, QPointF anchor) {
    // The board point under the anchor, in board-image pixels, before the change.
    const QPointF view = Board->mapFrom(ScrollBox->viewport(), anchor);
    BoardZoom& zoom = m_scene->Zoom();
    const QPointF board = view / zoom.Factor();
    if (!change(zoom))
        return;
    Board->ZoomChanged();
    // The scroll box may learn the new size only at its next layout; the ranges
    // are set here so that the position below is not clamped to the old ones.
    const QSize shown = zoom.ViewSize(QSize(kBoardImageWidth, kBoardImageHeight));
    const QSize viewport = ScrollBox->viewport()->size();
    QScrollBar* horizontal = ScrollBox->horizontalScrollBar();
    QScrollBar* vertical = ScrollBox->verticalScrollBar();
    horizontal->setRange(0, std::max(0, shown.width() - viewport.width()));
    vertical->setRange(0, std::max(0, shown.height() - viewport.height()));
    const QPoint scroll = zoom.ScrollKeeping(board, anchor);
    horizontal->setValue(scroll.x());
    vertical->setValue(scroll.y());
    ZoomPane->setText(QString::number(zoom.Percent()) + QLatin1Char('%'));
}

void TMainForm::ZoomIn() {
    ChangeZoom([](BoardZoom& zoom) { return zoom.StepIn(); }, ViewportCentre());
}

void TMainForm::ZoomOut() {
    ChangeZoom([](BoardZoom& zoom) { return zoom.StepOut(); }, ViewportCentre());
}

void TMainForm::ZoomToActualSize() {
    ChangeZoom([](BoardZoom& zoom) { return zoom.SetFactor(1.0); }, ViewportCentre());
}

void TMainForm::ZoomWheel(int steps, QPointF viewportPosition) {
    ChangeZoom(
        [steps](BoardZoom& zoom) {
            bool changed = false;
            for (int n = 0; n < std::abs(steps); ++n)
                changed = (steps > 0 ? zoom.StepIn() : zoom.StepOut()) || changed;
            return changed;
        },
        viewportPosition);
}

void TMainForm::FitBoard() {
    const QRect area = BoardAreaRect(Document().BoardWidth(), Document().BoardHeight());
    const QSize viewport = ScrollBox->viewport()->size();
    ChangeZoom([&](BoardZoom& zoom) { return zoom.SetFactor(BoardZoom::FitFactor(area, viewport)); },
               ViewportCentre());
    if (area.isEmpty())
        return;
    const QPoint scroll = Zoom().ScrollCentring(area, viewport);
    ScrollBox->horizontalScrollBar()->setValue(scroll.x());
    ScrollBox->verticalScrollBar()->setValue(scroll.y());
}

void TMainForm::ApplyBoardType() {
    const std::optional<BoardTools> tools = ToolsForBoardType(m_session.Document().BoardType());
    if (!tools)
        return;  // an unknown board type leaves the toolbox as it was
    m_toolboxItems[size_t(kind::CutTrack)]->setVisible(tools->cutTrack);
    m_toolboxItems[size_t(kind::SolderPad)]->setVisible(tools->solderPad);
    m_toolboxItems[size_t(kind::Trace)]->setVisible(tools->trace);
    m_renderPnpTask->setVisible(tools->renderPnp);
    m_exportGerberItem->setVisible(tools->renderPnp);
}

void TMainForm::SetReveal(bool on) {
    RevealPane->setText(on ? QStringLiteral("Reveal: ON") : QStringLiteral("Reveal: OFF"));
    m_scene->SetReveal(on);
}

void TMainForm::ToggleToolbox() {
    const bool hide = LeftSlide->text() == QLatin1String("<<");
    MainBar->setVisible(!hide);
    LeftLine->setVisible(!hide);
    LeftSlide->setText(hide ? QStringLiteral(">>") : QStringLiteral("<<"));
    CentreView();
}

void TMainForm::ToggleExplorer() {
    const bool hide = RightSlide->text() == QLatin1String(">>");
    ListBar->setVisible(!hide);
    RightLine->setVisible(!hide);
    RightSlide->setText(hide ? QStringLiteral("<<") : QStringLiteral(">>"));
    CentreView();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == LeftSlide) {
            ToggleToolbox();
            return true;
        }
        if (watched == RightSlide) {
            ToggleExplorer();
            return true;
        }
        if (watched == RevealPane) {
            SetReveal(!Reveal());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace sw
