// sharing_test.cpp: today's challenge, game codes and the timers of the real window.
#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <array>
#include <cerrno>
#include <random>

#include "cellname.h"
#include "challengeenddialog.h"
#include "clicklist.h"
#include "codeplayer.h"
#include "craftedcode.h"
#include "form1fixture.h"
#include "gamenumberdialog.h"
#include "headlessgame.h"
#include "reviewpanel.h"
#include "scoresdialog.h"
#include "scoretablefile.h"
#include "watchcodedialog.h"
#include "watchplayer.h"

namespace varn::test {
namespace {

// Runs `answer` on the dialog of type `Dialog` that a command opens and waits in, however long
// a loaded machine takes to open it. One that never opens fails the test, and whatever dialog is
// up then is closed, so that the test ends.
template <typename Dialog = QMessageBox, typename Answer>
void whenOpen(Answer answer) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer, deadline = QDeadlineTimer(60'000)] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog && !deadline.hasExpired()) return;
        poll->stop();
        poll->deleteLater();
        if (dialog) return answer(*dialog);
        ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " opened";
        if (QWidget* other = QApplication::activeModalWidget()) other->close();
    });
    poll->start();
}

void pressButton(QWidget& dialog, const QString& text) {
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->text() == text) return button->click();
    FAIL() << "no button " << text.toStdString();
}

// What a window said in a message box that it opened beside itself.
QString said(QWidget& window) {
    QCoreApplication::processEvents();
    for (QMessageBox* box : window.findChildren<QMessageBox*>())
        if (box->isVisible()) return box->text();
    return {};
}

class Window {
  public:
    Window(RecordingOutput& output, PictureProvider& pictures, const std::string& saved, Days day)
        : session(output) {
        session.keepSavedGame(saved);
        session.setJudgeSettings({4, 4, 1}, {3, 8, 1});
        session.setClock([day] { return day + std::chrono::hours(1); });
        form = std::make_unique<Form1>(session, pictures);
        form->show();
    }
    void trigger(const char* name) {
        form->findChild<QAction*>(QString::fromLatin1(name))->trigger();
        session.settleFiles();
        QCoreApplication::processEvents();
    }
    GameSession session;
    std::unique_ptr<Form1> form;
};

// A window that knew nothing of the first's challenge cannot begin it again, and a window
// started while the first plays it never resumes it from the saved game.
TEST_F(Form1Test, ASecondWindowNeverPlaysTheFirstsChallenge) {
    const Days day = *parseDay("2027-02-01");
    const std::string saved = QDir::current().filePath("two-windows/game.txt").toStdString();
    Window second(m_output, m_pictures, saved, day);
    second.session.settleFiles();
    Window first(m_output, m_pictures, saved, day);
    first.trigger("challenge");
    ASSERT_TRUE(first.form->game().challenge());
    second.trigger("challenge");
    EXPECT_FALSE(second.form->game().challenge());
    EXPECT_EQ(said(*second.form), "You have played today's challenge.");
    Window third(m_output, m_pictures, saved, day);
    EXPECT_FALSE(third.form->game().challenge());
    EXPECT_TRUE(said(*third.form).startsWith("Another Varn window is playing your challenge"));
}

// Once its window has closed, the challenge goes on in the next one.
TEST_F(Form1Test, AChallengeGoesOnInTheNextWindow) {
    const Days day = *parseDay("2027-02-03");
    const std::string saved = QDir::current().filePath("next-window/game.txt").toStdString();
    {
        Window first(m_output, m_pictures, saved, day);
        first.trigger("challenge");
        ASSERT_TRUE(first.form->game().challenge());
    }
    errno = EAGAIN;  // as a read of the event loop's may leave it
    Window next(m_output, m_pictures, saved, day);
    EXPECT_TRUE(next.form->game().challenge());
    EXPECT_EQ(said(*next.form).toStdString(), "");
}

// Leaving a challenge asks first; the player may go on. Once left, the day ends with its score,
// and its number shows from then on.
TEST_F(Form1Test, LeavingAChallengeAsksAndEndsTheDayWithItsScore) {
    const Days day = *parseDay("2027-02-02");
    m_session->setClock([day] { return day + std::chrono::hours(1); });
    item("challenge")->trigger();
    item("challenge")->trigger();  // again before the claim is answered: nothing more
    waitUntilIdle();
    EXPECT_EQ(said(*m_form).toStdString(), "");
    setBoard(kLShape);
    QTest::mouseClick(cell(55), Qt::LeftButton);
    waitUntilIdle();
    whenOpen<GameNumberDialog>([](GameNumberDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>()->text(),
                  "today's challenge, shown once it is over");
        dialog.reject();
    });
    item("gameNumber")->trigger();
    for (const char* answer : {"&Keep playing", "&Leave the challenge"}) {
        whenOpen([answer](QMessageBox& box) { pressButton(box, answer); });
        item("ng")->trigger();
        waitUntilIdle();
    }
    EXPECT_FALSE(m_form->game().challenge());
    auto* end = m_form->findChild<ChallengeEndDialog*>();
    ASSERT_TRUE(end);
    EXPECT_TRUE(QTest::qWaitFor([&] { return end->resultLine().contains(" % of par"); }, 60000));
    EXPECT_TRUE(end->resultLine().startsWith("Varn challenge 2027-02-02: 3 points in 1 moves, "));
    EXPECT_TRUE(m_session->challenges().finished(day));
}

// A row of the table whose code no player could have made plays nothing and stays.
TEST_F(Form1Test, ARowWithADamagedCodeWatchesNothingAndStays) {
    const ScoreTableFile file;
    file.enter(
        {2026, 50, Seconds(std::chrono::seconds(1'800'000'000)), 0, nestedClicks(2026, 20'000)},
        "Eve");
    whenOpen<ScoresDialog>([](ScoresDialog& dialog) { pressButton(dialog, "&Watch"); });
    whenOpen([](QMessageBox& box) {
        EXPECT_TRUE(box.text().contains("damaged"));
        box.close();
    });
    item("scores")->trigger();
    EXPECT_FALSE(m_form->watchPlayer().watching());
    EXPECT_EQ(file.read().rows().front().name, "Eve");
}

// The end of a challenge is no wider than the window, with every text whole, and "Watch a game
// code…" shows a code whole under its whole title, and keeps it when it cannot be watched.
TEST_F(Form1Test, TheSharingDialogsFitTheWindowAtScalesOneAndTwo) {
    const std::string line(300, 'x');
    for (const double scale : {1.0, 2.0}) {
        m_form->resize(DesignScale(scale).designSize() + QSize(0, m_form->menuBar()->height()));
        QTest::qWait(20);
        m_form->challengeOver({*parseDay("2027-02-03"), 1234, 50, 1, "varn1" + line, {}});
        auto* end = m_form->findChild<ChallengeEndDialog*>();
        ASSERT_TRUE(end);
        EXPECT_LE(end->frameGeometry().width(), m_form->width()) << scale;
        EXPECT_LE(end->minimumSizeHint().width(), m_form->width()) << scale;
        delete end;
        whenOpen<WatchCodeDialog>([&](WatchCodeDialog& dialog) {
            auto* field = dialog.findChild<QPlainTextEdit*>();
            field->setPlainText("varn1" + QString::fromStdString(line).left(60));
            pressButton(dialog, "&Watch");
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_TRUE(dialog.findChild<QLabel*>("problem")->isVisible());
            EXPECT_EQ(field->toPlainText().size(), 65);
            EXPECT_GE(field->viewport()->height(),
                      int(field->document()->size().height() * field->fontMetrics().lineSpacing()));
            EXPECT_GE(dialog.width(), dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()));
            dialog.reject();
        });
        item("watchCode")->trigger();
    }
}

// Random play in the window, with the picture buttons pressed while pieces fall: the game's code
// plays, as a watch and the replay driver play it, to the same board and score.
TEST_F(Form1Test, AGamePlayedWhilePiecesFallReplaysToTheSameBoardAndScore) {
    m_ownNumbers = true;
    startWindow(true);
    std::mt19937 random(20261209);
    std::size_t inside = 0;
    for (int games = 0; games < 3; ++games) {
        m_session->chooseNextGame(random() % 100'000 + 1);
        item("ng")->trigger();
        for (int move = 0; move < 12; ++move) {
            std::vector<int> cells;
            for (const Click& click : ClickList(tables()))
                if (click.size > 0) cells.push_back(click.cell);
            if (cells.empty()) break;
            for (int press = int(random() % 3); press > 0; --press) {
                const char* button = std::array{"Picture6", "Picture7", "Picture8"}[random() % 3];
                QTimer::singleShot(int(random() % 150), m_form.get(),
                                   [this, button] { Form1Test::press(control(button)); });
            }
            QTest::mouseClick(cell(cells[random() % cells.size()]), Qt::LeftButton);
            QTest::qWait(160);
            waitUntilIdle();
        }
        const std::optional<GameCode> code = m_form->game().code();
        ASSERT_TRUE(code);
        for (const RecordedAction& action : code->actions)
            inside += action.nested.size();
        CodePlayer watched({*code, std::nullopt});
        while (!watched.done())
            ASSERT_TRUE(watched.playNext());
        EXPECT_EQ(watched.game().tables().Board, tables().Board) << formatGameCode(*code);
        EXPECT_EQ(watched.game().scores().Score(), m_form->game().scores().Score());
    }
    EXPECT_GT(inside, 5u) << "pieces fell while the buttons were pressed";
}

// Three clearing clicks of game 2026, played on the real rules: a code that a watch plays.
Replay threeMoves() {
    SplitMixSource random(1);
    HeadlessGame played(random);
    random.chooseNextGame(2026);
    played.game.ng_click();
    for (int move = 0; move < 3; ++move) {
        for (const Click& click : ClickList(played.game.tables()))
            if (click.size > 0) {
                played.game.Element_Click(click.cell);
                break;
            }
    }
    return {*played.game.code(), std::nullopt};
}

struct TimerTicks : QObject {
    TimerTicks() { qApp->installEventFilter(this); }
    ~TimerTicks() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Timer;
        return false;
    }
    int count = 0;
};

// Whatever the player last did, the game then waits at 0 % of a core: no timer ticks.
TEST_F(Form1Test, NoTimerTicksOnceAnActionsWorkIsDone) {
    m_session->sound().findChild<QTimer*>(QStringLiteral("soundRest"))->setInterval(100);
    m_session->setHintSettings({3, 16, std::chrono::hours(1)});
    const auto move = [this] {
        setBoard(kLShape);
        QTest::mouseClick(cell(55), Qt::LeftButton);
        waitUntilIdle();
    };
    const auto until = [](auto done) { EXPECT_TRUE(QTest::qWaitFor(done, 60000)); };
    const std::pair<const char*, std::function<void()>> actions[] = {
        {"a drag of the window's edge", [&] { m_form->resize(m_form->size() + QSize(40, 30)); }},
        {"a zoom", [&] { item("zoomIn")->trigger(); }},
        {"a clip", move},
        {"a hint",
         [&] {
             setBoard(kLShape);
             item("hint")->trigger();
             until([&] { return cell(55)->outline() != 0; });
         }},
        {"a watch",
         [&] {
             m_form->watch(threeMoves());
             auto* progress = m_form->findChild<QLabel*>("watchProgress");
             until([&] { return progress->text().contains("the end"); });
         }},
        {"a challenge's end",
         [&] {
             m_form->watchPlayer().stop();
             item("challenge")->trigger();
             waitUntilIdle();
             move();
             whenOpen([](QMessageBox& box) { pressButton(box, "&Leave the challenge"); });
             item("ng")->trigger();
             until([&] {
                 auto* end = m_form->findChild<ChallengeEndDialog*>();
                 return end && end->resultLine().contains(" % of par");
             });
         }},
    };
    for (const auto& [what, action] : actions) {
        action();
        waitUntilIdle();
        QTest::qWait(600);  // the rests that fire once: the size's, the sound device's
        TimerTicks ticks;
        QTest::qWait(1000);
        EXPECT_EQ(ticks.count, 0) << "after " << what;
    }
}

// The watch bar always tells where the watch stands: a step leaves it paused. Faster than the
// pace of play, a clip no longer holds the game up, and the fall keeps the speed too.
TEST_F(Form1Test, TheWatchSaysWhereItStandsAndPlaysAsFastAsItSays) {
    m_form->watch(threeMoves());
    auto* progress = m_form->findChild<QLabel*>("watchProgress");
    type(Qt::Key_P);
    EXPECT_TRUE(progress->text().endsWith("(paused)"));
    for (const int speed : {1, 8}) {
        while (!progress->text().contains(QStringLiteral("speed %1×").arg(speed)))
            type(Qt::Key_F);
        type(Qt::Key_S);
        EXPECT_TRUE(progress->text().endsWith("(paused)")) << progress->text().toStdString();
        EXPECT_EQ(m_output.played.back().flags & SND_ASYNC, speed == 1 ? 0u : SND_ASYNC);
    }
    EXPECT_TRUE(progress->text().contains("action 2 of 3"));
    type(Qt::Key_Escape);
    EXPECT_FALSE(progress->isVisible());
}

// Whatever begins another game puts the hint away: a new game, a numbered game and a watch (the
// challenge is proven with its own test).
TEST_F(Form1Test, EveryKindOfNewGameClearsTheHint) {
    m_session->setHintSettings({3, 16, std::chrono::hours(1)});
    const std::function<void()> newGames[] = {
        [&] { item("ng")->trigger(); },
        [&] {
            whenOpen<GameNumberDialog>([](GameNumberDialog& dialog) {
                dialog.findChildren<QLineEdit*>().last()->setText("77");
                pressButton(dialog, "&Play");
            });
            item("gameNumber")->trigger();
        },
        [&] { m_form->watch(threeMoves()); },
    };
    for (const auto& newGame : newGames) {
        setBoard(kLShape);
        item("hint")->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return cell(55)->outline() != 0; }, 10000));
        newGame();
        waitUntilIdle();
        EXPECT_EQ(cell(55)->outline() | cell(44)->outline(), 0u);
        m_form->watchPlayer().stop();
    }
}

// A review shows each action with the search's best there and its misses, the largest first;
// one of them shows the game where it was played, with the better action outlined. A review's
// progress is cancelled with Escape, and nothing opens then.
TEST_F(Form1Test, AReviewGoesToItsMissesAndEscapeCancelsOne) {
    const std::string code = formatGameCode(threeMoves().code);
    m_form->resize(DesignScale(2).designSize() + QSize(0, m_form->menuBar()->height()));
    whenOpen<WatchCodeDialog>([&](WatchCodeDialog& dialog) {
        dialog.findChild<QPlainTextEdit*>()->setPlainText(QString::fromStdString(code));
        pressButton(dialog, "&Review");
    });
    item("watchCode")->trigger();
    ReviewPanel* panel = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (panel = m_form->findChild<ReviewPanel*>()); }));
    EXPECT_TRUE(panel->findChild<QLabel*>("accuracy")->text().startsWith("Accuracy "));
    EXPECT_EQ(panel->findChild<QTableWidget*>("reviewedActions")->rowCount(), 3);
    QPushButton* miss = panel->findChild<QGroupBox*>()->findChild<QPushButton*>();
    ASSERT_TRUE(miss);
    const int action = miss->text().section(':', 0, 0).section(' ', 1).toInt() - 1;
    miss->click();
    CodePlayer before({threeMoves().code, std::nullopt});
    for (int i = 0; i < action; ++i)
        before.playNext();
    for (int i = 0; i < kCellCount; ++i)
        EXPECT_EQ(cell(i)->accessibleName(), cellName(before.game().tables().Board[i], i)) << i;
    QImage shot(m_form->width() + panel->width(), std::max(m_form->height(), panel->height()),
                QImage::Format_RGB32);
    shot.fill(Qt::white);
    QPainter painter(&shot);
    painter.drawPixmap(0, 0, m_form->grab());
    painter.drawPixmap(m_form->width(), 0, panel->grab());
    painter.end();
    saveScreenshot(shot, "varn-review-scale2.png");
    panel->close();
    EXPECT_FALSE(m_form->watchPlayer().watching());
    m_session->setJudgeSettings({4, 4, 1}, {50, 4096, 1});
    whenOpen<WatchCodeDialog>([&](WatchCodeDialog& dialog) {
        dialog.findChild<QPlainTextEdit*>()->setPlainText(QString::fromStdString(code));
        pressButton(dialog, "&Review");
    });
    item("watchCode")->trigger();
    auto* progress = m_form->findChild<QProgressDialog*>();
    ASSERT_TRUE(progress);
    QTest::keyClick(progress, Qt::Key_Escape);
    QTest::qWait(100);
    EXPECT_FALSE(m_form->findChild<ReviewPanel*>());
}

}  // namespace
}  // namespace varn::test
