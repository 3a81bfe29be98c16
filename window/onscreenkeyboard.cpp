// onscreenkeyboard.cpp: laying out the keys, walking them and typing.
#include "onscreenkeyboard.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace varn {

namespace {

// Capitals about 15 pixels tall on keys a thumb can aim at, and the whole keyboard well inside
// a 1280 by 800 screen, also with the longest rows that a translation gives.
constexpr int kLetterPixels = 20;
constexpr int kKeyWidth = 52;
constexpr int kKeyHeight = 46;
constexpr int kSpacing = 4;
constexpr int kMinimumWidth = 10;  // the digits' row

}  // namespace

OnScreenKeyboard::OnScreenKeyboard(QLineEdit* target, QWidget* parent)
    : QWidget(parent), m_target(target) {
    setAccessibleName(tr("On-screen keyboard"));
    // A style sheet sets the keys' font, which their own class's font would otherwise override.
    setStyleSheet(QStringLiteral("QPushButton { font-size: %1px; font-weight: bold; }"
                                 "QPushButton:focus { background: #ffd54a; color: #111111;"
                                 " border: 3px solid #111111; border-radius: 6px; }")
                      .arg(kLetterPixels));
    setFocusPolicy(Qt::StrongFocus);
    installEventFilter(this);
    auto* grid = new QGridLayout(this);
    grid->setSpacing(kSpacing);
    //: The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this
    //: language's keyboards set them out; a last row may hold more letters that names need.
    const QStringList letters =
        tr("QWERTYUIOP ASDFGHJKL ZXCVBNM").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int width = kMinimumWidth;
    for (const QString& row : letters)
        width = std::max(width, int(row.size()));
    for (int column = 0; column < 2 * width; ++column)
        grid->setColumnStretch(column, 1);
    addRow(0, QStringLiteral("1234567890"), width);
    for (const QString& row : letters)
        addRow(int(m_rows.size()), row, width);
    const int row = int(m_rows.size());
    const int space = 2 * (width - 8);
    addKey(row, {nullptr, Role::Shift, QStringLiteral("⇧"), 0, 4}, tr("Shift"));
    addKey(row, {nullptr, Role::Character, QStringLiteral("-"), 4, 2}, tr("Hyphen"));
    addKey(row, {nullptr, Role::Character, QStringLiteral("'"), 6, 2}, tr("Apostrophe"));
    addKey(row, {nullptr, Role::Space, tr("Space"), 8, space}, tr("Space"));
    addKey(row, {nullptr, Role::Character, QStringLiteral("."), 8 + space, 2}, tr("Full stop"));
    addKey(row, {nullptr, Role::Backspace, QStringLiteral("←"), 10 + space, 2}, tr("Backspace"));
    addKey(row, {nullptr, Role::Done, tr("Done"), 12 + space, 4}, tr("Done"));
    m_rows[row][0].button->setCheckable(true);
    moveTo(m_row, m_index);
}

OnScreenKeyboard* OnScreenKeyboard::openUnder(QLineEdit& line) {
    QWidget* window = line.window();
    if (auto* open = window->findChild<OnScreenKeyboard*>()) {
        open->show();
        return open;
    }
    auto* keyboard = new OnScreenKeyboard(&line, window);
    int row = -1;
    QFormLayout::ItemRole role;
    auto* form = qobject_cast<QFormLayout*>(window->layout());
    if (form) form->getWidgetPosition(&line, &row, &role);
    if (form && row >= 0) {
        form->insertRow(row + 1, keyboard);
    } else if (window->layout()) {
        window->layout()->addWidget(keyboard);
    }
    connect(keyboard, &OnScreenKeyboard::closed, window, [keyboard, window] {
        keyboard->deleteLater();
        QTimer::singleShot(0, window, [window] { window->adjustSize(); });
    });
    keyboard->show();
    return keyboard;
}

// A row shorter than the widest stands in its middle, each key a key wide.
void OnScreenKeyboard::addRow(int row, const QString& characters, int width) {
    const int start = width - int(characters.size());
    for (int i = 0; i < characters.size(); ++i) {
        const QString character(characters[i]);
        addKey(row, {nullptr, Role::Character, character, start + 2 * i, 2}, character);
    }
}

void OnScreenKeyboard::addKey(int row, Key key, const QString& name) {
    if (int(m_rows.size()) <= row) m_rows.resize(std::size_t(row) + 1);
    const int index = int(m_rows[std::size_t(row)].size());
    key.button = new QPushButton(key.character, this);
    key.button->setAccessibleName(name);
    key.button->setFocusPolicy(Qt::ClickFocus);
    key.button->setAutoDefault(false);
    key.button->setMinimumSize(key.span * kKeyWidth / 2 - kSpacing, kKeyHeight);
    key.button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    key.button->installEventFilter(this);
    static_cast<QGridLayout*>(layout())->addWidget(key.button, row, key.start, 1, key.span);
    connect(key.button, &QPushButton::clicked, this, [this, row, index] {
        moveTo(row, index);
        typed(m_rows[std::size_t(row)][std::size_t(index)]);
    });
    m_rows[std::size_t(row)].push_back(key);
}

void OnScreenKeyboard::press(PadButton button) {
    switch (button) {
        case PadButton::DpadUp:
            return move(-1, 0);
        case PadButton::DpadDown:
            return move(1, 0);
        case PadButton::DpadLeft:
            return move(0, -1);
        case PadButton::DpadRight:
            return move(0, 1);
        case PadButton::A:
            return m_rows[m_row][m_index].button->click();
        case PadButton::B:
            return close(false);
        case PadButton::X:
            return typed({nullptr, Role::Backspace, {}, 0, 0});
        case PadButton::Y:
            return typed({nullptr, Role::Space, {}, 0, 0});
        case PadButton::Start:
            return close(true);
        default:
            return;
    }
}

// The keyboard's own keys, whichever key holds the focus; the keys reach no button, so that
// Return and Escape reach no dialog either.
bool OnScreenKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
            press(PadButton::DpadUp);
            return true;
        case Qt::Key_Down:
            press(PadButton::DpadDown);
            return true;
        case Qt::Key_Left:
            press(PadButton::DpadLeft);
            return true;
        case Qt::Key_Right:
            press(PadButton::DpadRight);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Select:
        case Qt::Key_Space:
            press(PadButton::A);
            return true;
        case Qt::Key_Escape:
        case Qt::Key_Back:
            press(PadButton::B);
            return true;
        case Qt::Key_Backspace:
            press(PadButton::X);
            return true;
        default:
            return QWidget::eventFilter(watched, event);
    }
}

// A text all selected when the keyboard comes is replaced by the first key, as typing would
// replace it; the line edit loses its selection with the focus.
void OnScreenKeyboard::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    const QString text = m_target->text();
    m_replace = !text.isEmpty() && m_target->selectedText() == text;
    m_shift = text.isEmpty() || m_replace;
    showCase();
    m_rows[m_row][m_index].button->setFocus(Qt::OtherFocusReason);
}

// Up and down aim at the column that the last walk sideways left, so that a walk through the
// wide keys of the last row comes back where it began.
void OnScreenKeyboard::move(int rows, int keys) {
    int row = m_row;
    int index = m_index;
    if (keys != 0) {
        const int count = int(m_rows[row].size());
        index = (index + keys + count) % count;
        m_column = m_rows[row][index].start + m_rows[row][index].span / 2;
    } else {
        const int count = int(m_rows.size());
        row = (row + rows + count) % count;
        const auto distance = [this](const Key& key) {
            return std::max({key.start - m_column, m_column - (key.start + key.span - 1), 0});
        };
        const auto& keysOfRow = m_rows[row];
        index = int(std::min_element(
                        keysOfRow.begin(), keysOfRow.end(),
                        [&](const Key& a, const Key& b) { return distance(a) < distance(b); }) -
                    keysOfRow.begin());
    }
    moveTo(row, index);
}

void OnScreenKeyboard::moveTo(int row, int index) {
    m_row = row;
    m_index = index;
    QPushButton* key = m_rows[row][index].button;
    setFocusProxy(key);
    if (isVisible()) key->setFocus(Qt::OtherFocusReason);
}

void OnScreenKeyboard::typed(const Key& key) {
    switch (key.role) {
        case Role::Character:
            insert(m_shift ? key.character : key.character.toLower());
            break;
        case Role::Shift:
            m_shift = !m_shift;
            return showCase();
        case Role::Space:
            insert(QStringLiteral(" "));
            break;
        case Role::Backspace:
            erase();
            break;
        case Role::Done:
            return close(true);
    }
    const QString text = m_target->text();
    m_shift = text.isEmpty() || text.endsWith(QLatin1Char(' '));
    showCase();
}

void OnScreenKeyboard::insert(const QString& text) {
    if (m_replace) m_target->clear();
    m_replace = false;
    m_target->insert(text);
}

void OnScreenKeyboard::erase() {
    m_replace ? m_target->clear() : m_target->backspace();
    m_replace = false;
}

void OnScreenKeyboard::close(bool done) {
    hide();
    m_target->setFocus(Qt::OtherFocusReason);
    emit closed(done);
}

void OnScreenKeyboard::showCase() {
    for (const auto& row : m_rows) {
        for (const Key& key : row) {
            if (key.role == Role::Shift) key.button->setChecked(m_shift);
            if (key.role != Role::Character || !key.character[0].isLetter()) continue;
            const QString shown = m_shift ? key.character : key.character.toLower();
            key.button->setText(shown);
            key.button->setAccessibleName(shown);
        }
    }
}

}  // namespace varn
