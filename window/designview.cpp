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
#include "designtable.h"
#include "fittedfont.h"
#include "fonts.h"
#include "picturebox.h"
#include "pictureprovider.h"

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

// Drawn the way the pieces are: an icon read from its file would have Qt load its icon engine
// and every image-format plugin while the game starts.
QIcon drawnIcon(PictureProvider& pictures) {
    const QString path = artwork::picturePath(QStringLiteral("icon.svg"));
    QIcon icon;
    for (const qreal scale : {1.0, 2.0})
        icon.addPixmap(QPixmap::fromImage(pictures.picture(path, 1.0, scale)));
    return icon;
}

}  // namespace

DesignView::DesignView(QMainWindow& window, PictureProvider& pictures)
    : QObject(&window), m_window(window), m_pictures(pictures) {
    const DesignTable& design = designTable();
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
    connect(new BoardCursor(m_boardFrame, m_cells), &BoardCursor::play, this,
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
        m_patterns.fill(QPixmap());
        drawAhead(dealtPictures());
        placeControls();
        m_design->resize(scale.designSize());
        fitTexts();
        // The hot spot is the fingertip, the top-left pixel.
        m_ownPointer = QCursor(picture(artwork::picturePath(kPointer)), 0, 0);
        setPointer(m_pointer);
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
        placed.pictureDue = placed.design->picture != nullptr;
        bringUpToDate(placed);
    }
    m_cellArea->setGeometry(m_boardFrame->rect().adjusted(1, 1, -1, -1));
    for (int cell = 0; cell < kCellCount; ++cell) {
        m_cells[cell]->setGeometry(m_scale.toPixels(m_cellPlaces[cell]));
        m_cells[cell]->setRingWidth(ring);
        if (m_cellPatterns[cell] >= 0) showPattern(cell, m_cellPatterns[cell]);
    }
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
            ->setPicture(picture(artwork::picturePath(placed.design->picture)),
                         placed.design->fill);
        placed.pictureDue = false;
    }
    if (placed.fitDue) {
        fitText(*placed.widget, scaledFont(placed.design->font, m_scale), m_scale.factor());
        placed.fitDue = false;
    }
}

QPixmap DesignView::picture(const QString& path) const {
    return QPixmap::fromImage(m_pictures.picture(path, qApp->devicePixelRatio(), m_scale.factor()));
}

// One rendering of each pattern at a scale, drawn when a cell first shows it, shared by every
// cell that shows it.
const QPixmap& DesignView::pattern(int index) {
    QPixmap& pattern = m_patterns[index];
    if (pattern.isNull()) pattern = picture(artwork::patternPath(index));
    return pattern;
}

void DesignView::drawAhead(const QStringList& paths) {
    m_pictures.drawAhead(paths, qApp->devicePixelRatio(), m_scale.factor());
}

// The pieces that a deal can show, in the order opposite to the window's own, so that the
// provider's thread and the window's meet in the middle. The window's boxes draw their
// pictures as they are first shown, when the help panel is known to be closed.
QStringList DesignView::dealtPictures() {
    QStringList paths;
    for (int index = piece::PatternCount - 1; index >= 0; --index) {
        if (isBoardCode(index) && index != piece::Empty) paths.append(artwork::patternPath(index));
    }
    return paths;
}

// The rest: the effects of a move and the icon, on the provider's thread and the window's,
// once the window has shown its first frame. The help panel's texture, the largest picture by
// far, waits until the panel first opens: most games never hold it.
void DesignView::drawTheRest() {
    QStringList paths;
    for (int index = 0; index < piece::PatternCount; ++index) {
        if (isPatternIndex(index)) paths.append(artwork::patternPath(index));
    }
    drawAhead(paths);
    m_window.setWindowIcon(drawnIcon(m_pictures));
}

void DesignView::showPattern(int cell, int pattern) {
    m_cellPatterns[cell] = pattern;
    m_cells[cell]->setPicture(this->pattern(pattern));
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
    if (watched == m_boardFrame && event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, &DesignView::drawTheRest);
    }
    if (event->type() == QEvent::Show) {
        for (Placed& placed : m_controls) {
            if (placed.widget == watched) bringUpToDate(placed);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace varn
