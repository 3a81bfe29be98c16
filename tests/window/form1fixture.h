// form1fixture.h: the real window with the real rules, shown and active, in a scratch folder.
#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "boardpicture.h"
#include "constantsource.h"
#include "form1.h"
#include "gamesession.h"
#include "picturebox.h"
#include "pictureprovider.h"
#include "recordingoutput.h"

namespace varn::test {

class Form1Test : public ::testing::Test {
  protected:
    void SetUp() override { startWindow(true); }
    void startWindow(bool atActualSize) {
        QFile::remove(QStringLiteral("Varn_hsc.nrz"));
        m_form.reset();
        m_session = std::make_unique<GameSession>(m_output, m_ownNumbers ? nullptr : &m_random);
        // A par or a review of the search's own width takes seconds: a test needs its way alone.
        m_session->setJudgeSettings({4, 4, 1}, {3, 8, 1});
        prepare(*m_session);
        m_form = std::make_unique<Form1>(*m_session, m_pictures);
        if (atActualSize) item("actualSize")->trigger();
        m_form->show();
        m_form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    }
    // What a test gives the session before the window is built.
    virtual void prepare(GameSession&) {}
    void TearDown() override { waitUntilIdle(); }

    QAction* item(const char* name) const {
        return m_form->findChild<QAction*>(QString::fromLatin1(name));
    }
    QWidget* control(const char* name) const {
        return m_form->findChild<QWidget*>(QString::fromLatin1(name));
    }
    PictureBox* cell(int index) const {
        return m_form->findChildren<PictureBox*>(QStringLiteral("Element")).at(index);
    }
    const BoardTables& tables() { return m_form->game().tables(); }
    std::string label(const char* name) const {
        return qobject_cast<QLabel*>(control(name))->text().toStdString();
    }
    // What a screen reader reads.
    static std::string spoken(QObject* object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name).toStdString();
    }
    static void press(QObject* object) {
        QAccessible::queryAccessibleInterface(object)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
    }
    static void saveScreenshot(const QImage& picture, const char* name) {
        QDir().mkpath(QStringLiteral(VARN_SCREENSHOT_DIR));
        EXPECT_TRUE(picture.save(QStringLiteral(VARN_SCREENSHOT_DIR "/") + name));
    }
    // The keyboard's mark: a dark ring round the edge with a light one inside it, each two
    // pixels wide at scale 1, which stand out in grey too, whatever the picture.
    bool ringed(QWidget* box) const {
        const QImage shot = box->grab().toImage();
        const double scale = m_form->scale().factor();
        const int dark = int(scale);
        const int light = int(3 * scale);
        const int x = box->width() / 2;
        const int y = box->height() / 2;
        const int right = box->width() - 1;
        const int bottom = box->height() - 1;
        const QPoint rings[][2] = {
            {{dark, y}, {light, y}},  // dark, light: left, top, right, bottom
            {{x, dark}, {x, light}},
            {{right - dark, y}, {right - light, y}},
            {{x, bottom - dark}, {x, bottom - light}}};
        return std::all_of(std::begin(rings), std::end(rings), [&](const auto& ring) {
            return qGray(shot.pixel(ring[0] * shot.devicePixelRatio())) < 64 &&
                   qGray(shot.pixel(ring[1] * shot.devicePixelRatio())) > 192;
        });
    }
    // Puts a known board in place of the dealt one and shows it.
    void setBoard(const std::string& picture) {
        m_form->game().tables() = boardFromPicture(picture);
        for (int i = 0; i < kCellCount; ++i)
            m_form->showPattern(i, tables().Board[i]);
    }
    // A key as the player types it: to whatever holds the keyboard, shortcuts first.
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(m_form->windowHandle(), key, modifiers);
    }
    void waitUntilIdle() {
        QElapsedTimer clock;
        clock.start();
        while ((!m_form->boardEnabled() || m_form->timerRunning()) && clock.elapsed() < 5000)
            QTest::qWait(10);
        m_session->settleFiles();
    }
    // Runs `during` inside the move that the caller starts next, once pieces are falling.
    void duringNextMove(const std::function<void()>& during) {
        QTimer::singleShot(60, m_form.get(), during);
    }

    RecordingOutput m_output;
    ConstantSource m_random;
    bool m_ownNumbers = false;  // the game deals its own numbers, which a game number fixes
    std::unique_ptr<GameSession> m_session;
    PictureProvider m_pictures;
    std::unique_ptr<Form1> m_form;
};

// A group of three fish on a board without any other group.
inline const std::string kLShape = checkerWith({{44, '0'}, {54, '0'}, {55, '0'}});

}  // namespace varn::test
