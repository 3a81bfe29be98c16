// designview.cpp: building the controls from the design table, scaling and placing them.
#include "designview.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "artwork.h"
#include "boardcursor.h"
#include "cellname.h"
#include "designpictures.h"
#include "designtable.h"
#include "fittedfont.h"
#include "fonts.h"
#include "picturebox.h"

namespace varn {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("varn::Form1", text);
}

const QString kPointer = QStringLiteral("pointer.svg");

// A control's design font at the window's scale.
QFont scaledFont(const Control::Font& font, const DesignScale& scale) {
    return designFont(font.family, font.points * scale.factor(), font.bold, font.italic);
}

}  // namespace

DesignView::DesignView(QMainWindow& window, PictureProvider& pictures)
    : QObject(&window), m_window(window), m_pictures(new DesignPictures(pictures, this)) {
    const DesignTable& design = designTable();
    connect(m_pictures, &DesignPictures::refined, this, &DesignView::showPictures);
    m_cellPatterns.fill(-1);
    window.setWindowTitle(QString::fromLatin1(design.caption));
    // The window's inside, wider or taller than the design as the player sizes it; the design
    // lies centred on it, on the same ground.
    m_surface = new PictureBox(QStringLiteral("surface"), &window);
    m_surface->setMinimumSize(DesignScale().designSize());
    m_surface->installEventFilter(this);
    window.setCentralWidget(m_surface);
    m_design = new PictureBox(QString::fromLatin1(design.name), m_surface);
    for (PictureBox* surface : {m_surface, m_design}) {
        surface->setBackground(QColor::fromRgb(design.ground));
        connect(surface, &PictureBox::clicked, this,
                [this, command = design.command] { emit handlerCalled(command, 0); });
    }
    buildControls();
    buildCells();
    orderKeys();
}

void DesignView::buildControls() {
    for (const Control& design : designTable().controls) {
        const QString parentName = QString::fromLatin1(design.parent);
        QWidget* parent = parentName == m_design->objectName()
                              ? m_design
                              : m_design->findChild<QWidget*>(parentName);
        Q_ASSERT(parent);
        QWidget* widget = buildControl(design, parent);
        wireControl(design, widget);
        // A picture or a fitted text waits until its control is shown.
        if (design.picture || design.fitted) widget->installEventFilter(this);
        m_controls.push_back({&design, widget});
    }
}

// Places, pictures and fonts come with the scale; this sets what never changes.
QWidget* DesignView::buildControl(const Control& design, QWidget* parent) {
    QWidget* widget = nullptr;
    const QString text = design.text ? translated(design.text) : QString();
    if (design.kind == Control::Kind::Box) {
        widget = buildBox(design, parent);
    } else if (design.kind == Control::Kind::Label) {
        auto* label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(design.wraps);
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, QColor::fromRgb(design.colour));
        label->setPalette(colours);
        widget = label;
    } else {
        widget = new QPushButton(text, parent);
    }
    widget->setObjectName(QString::fromLatin1(design.name));
    if (design.spoken) widget->setAccessibleName(translated(design.spoken));
    return widget;
}

QWidget* DesignView::buildBox(const Control& design, QWidget* parent) {
    auto* box = new PictureBox(QString(), parent);
    if (design.colour) box->setBackground(QColor::fromRgb(design.colour));
    // A piece or face smaller than its box leaves the button face showing at its edges.
    if (design.button) box->setBackground(m_window.palette().color(QPalette::Button));
    box->setBorder(design.border);
    box->setButton(design.button);
    // Only keys bring the focus to a picture button, so a mouse player never sees it.
    if (design.button) box->setFocusPolicy(Qt::TabFocus);
    return box;
}

void DesignView::wireControl(const Control& design, QWidget* widget) {
    if (!design.command) return;
    const auto call = [this, command = *design.command] { emit handlerCalled(command, 0); };
    if (auto* box = qobject_cast<PictureBox*>(widget))
        connect(box, &PictureBox::clicked, this, call);
    if (auto* button = qobject_cast<QPushButton*>(widget))
        connect(button, &QPushButton::clicked, this, call);
    if (!design.keys) return;
    for (const QKeySequence& key : QKeySequence::listFromString(QString::fromLatin1(design.keys)))
        new QShortcut(key, widget->parentWidget(), this, call, Qt::WidgetWithChildrenShortcut);
}

void DesignView::buildCells() {
    const CellGrid& grid = designTable().cells;
    m_boardFrame = control<PictureBox>(grid.frame);
    m_boardFrame->setFocusPolicy(Qt::StrongFocus);
    // The board is in every first frame: its first paint starts drawing the rest.
    m_boardFrame->installEventFilter(this);
    // The rules give the frame's backing the focus; the frame with the cells takes the keys.
    m_boardFrame->parentWidget()->setFocusProxy(m_boardFrame);
    m_cellArea = new QWidget(m_boardFrame);
    m_cellArea->setObjectName(QString::fromLatin1(grid.frame) + QStringLiteral("Inside"));
    // The cells fill in the button face that they inherit, so that a hundred cells share one
    // palette; the area itself stays unfilled between them.
    QPalette face = m_cellArea->palette();
    face.setColor(QPalette::Window, m_window.palette().color(QPalette::Button));
    m_cellArea->setPalette(face);
    for (int cell = 0; cell < kCellCount; ++cell) {
        m_cells[cell] = new PictureBox(QStringLiteral("Element"), m_cellArea);
        m_cells[cell]->setAutoFillBackground(true);
        m_cells[cell]->setButton(true);
        connect(m_cells[cell], &PictureBox::clicked, this,
                [this, cell, command = grid.command] { emit handlerCalled(command, cell); });
    }
    m_cursor = new BoardCursor(m_boardFrame, m_cells);
    connect(m_cursor, &BoardCursor::play, this,
            [this, command = grid.command](int cell) { emit handlerCalled(command, cell); });
}

// The keyboard goes round the controls in the design's order.
void DesignView::orderKeys() {
    QWidget* previous = nullptr;
    for (const char* name : designTable().keyOrder) {
        QWidget* next = control(name);
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void DesignView::applyScale(const DesignScale& scale) {
    if (scale != m_scale || !m_placed) {
        m_placed = true;
        m_scale = scale;
        m_pictures->setScale(scale.factor());
        placeControls();
        m_design->resize(scale.designSize());
        fitTexts();
        showPictures();
    }
    m_design->move((m_surface->width() - m_design->width()) / 2,
                   (m_surface->height() - m_design->height()) / 2);
}

void DesignView::placeControls() {
    const qreal ring = 2 * m_scale.factor();
    for (Placed& placed : m_controls) {
        placed.widget->setGeometry(m_scale.toPixels(placed.design->twips));
        if (placed.design->font.family)
            placed.widget->setFont(scaledFont(placed.design->font, m_scale));
        if (auto* box = qobject_cast<PictureBox*>(placed.widget)) box->setRingWidth(ring);
    }
    m_cellArea->setGeometry(m_boardFrame->rect().adjusted(1, 1, -1, -1));
    for (int cell = 0; cell < kCellCount; ++cell) {
        m_cells[cell]->setGeometry(m_scale.toPixels(m_cellPlaces[cell]));
        m_cells[cell]->setRingWidth(ring);
    }
}

// Every picture anew: at a new scale, and when the drawn pictures take the stand-ins' place.
void DesignView::showPictures() {
    for (Placed& placed : m_controls) {
        placed.pictureDue = placed.design->picture != nullptr;
        bringUpToDate(placed);
    }
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (m_cellPatterns[cell] >= 0) showPattern(cell, m_cellPatterns[cell]);
    }
    if (m_pictures->shownFirstFrame()) showPointer();
}

// Until the first frame is out the window keeps the desktop's pointer: a pointer made from a
// picture needs its mask worked out pixel by pixel, which at a large scale costs as much as a
// tenth of the way to that frame.
void DesignView::showPointer() {
    // The hot spot is the fingertip, the top-left pixel.
    m_ownPointer = QCursor(m_pictures->picture(artwork::picturePath(kPointer)), 0, 0);
    setPointer(m_pointer);
}

// Once every control stands in its place: a caption's room ends where the value beside it
// begins.
void DesignView::fitTexts() {
    for (Placed& placed : m_controls) {
        placed.fitDue = placed.design->fitted;
        bringUpToDate(placed);
    }
}

// A control's picture and fitted text at the current scale, once it is on the screen: those of
// the help panel wait until the panel first opens, and the window's until it is first shown.
void DesignView::bringUpToDate(Placed& placed) {
    if (!placed.widget->isVisible()) return;
    if (placed.pictureDue) {
        static_cast<PictureBox*>(placed.widget)
            ->setPicture(m_pictures->picture(artwork::picturePath(placed.design->picture)),
                         placed.design->fill);
        placed.pictureDue = false;
    }
    if (placed.fitDue) {
        fitText(*placed.widget, scaledFont(placed.design->font, m_scale), m_scale.factor());
        placed.fitDue = false;
    }
}

QWidget* DesignView::controlOf(Command command) const {
    for (const Placed& placed : m_controls) {
        if (placed.design->command == command) return placed.widget;
    }
    return nullptr;
}

void DesignView::showPattern(int cell, int pattern) {
    m_cellPatterns[cell] = pattern;
    m_cells[cell]->setPicture(m_pictures->pattern(pattern));
    m_cells[cell]->setAccessibleName(cellName(pattern, cell));
}

void DesignView::placeCell(int cell, const QRect& twips) {
    m_cellPlaces[cell] = twips;
    m_cells[cell]->setGeometry(m_scale.toPixels(twips));
}

void DesignView::setPointer(Pointer pointer) {
    m_pointer = pointer;
    m_window.setCursor(pointer == Pointer::Busy ? QCursor(Qt::WaitCursor) : m_ownPointer);
}

bool DesignView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_surface && event->type() == QEvent::Resize)
        applyScale(DesignScale::fitting(m_surface->size()));
    if (watched == m_boardFrame && event->type() == QEvent::Paint &&
        !m_pictures->shownFirstFrame()) {
        // Once, after the frame is out.
        QTimer::singleShot(0, this, [this] {
            if (m_pictures->shownFirstFrame()) return;
            // Its picture stands in like the others' until it is drawn.
            showPointer();
            m_pictures->firstFrameShown();
            m_window.setWindowIcon(m_pictures->icon());
        });
    }
    if (event->type() == QEvent::Show) {
        for (Placed& placed : m_controls) {
            if (placed.widget == watched) bringUpToDate(placed);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace varn
