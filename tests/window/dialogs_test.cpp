// dialogs_test.cpp: the Scores, name and game number dialogs, played with keys alone and read
// through Qt's accessibility as a screen reader reads them, in every language the game speaks.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <ctime>

#include "challengeenddialog.h"
#include "gamenumberdialog.h"
#include "namedialog.h"
#include "scoreplot.h"
#include "scoresdialog.h"
#include "translations.h"

namespace varn::test {
namespace {

// Three games entered a day apart from 2027-01-15 08:00 UTC, and one game played to its end.
ScoreTable sampleTable() {
    ScoreTable table;
    const Seconds start{std::chrono::seconds(1'800'000'000)};
    table.enter({2026, 5120, start, 0, {}}, "Ana Kovač");
    table.enter({1, 40, start + std::chrono::hours(24), 3, {}}, "Ben");
    table.enter({4294967295u, 880, start + std::chrono::hours(48), 0, {}}, "明美");
    table.gameEnded(5120);
    return table;
}

// Challenges on the three days before 2027-01-16 and on that day, begun and left at 0; the
// day before them was missed. The best kept its game code.
constexpr Days kToday{std::chrono::days(20834)};
ChallengeTable sampleChallenges() {
    ChallengeTable table;
    // Each finished with the rank it takes among those before it.
    const std::tuple<int, std::int64_t, int> played[] = {
        {-5, 700, 1}, {-3, 300, 2}, {-2, 900, 1}, {-1, 300, 4}};
    for (const auto& [day, score, rank] : played)
        EXPECT_EQ(table.finish(kToday + std::chrono::days(day), score, 50, "Ana",
                               day == -2 ? "varn1Ab9" : ""),
                  rank);
    table.begin(kToday, "Ben");
    return table;
}

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        qputenv("TZ", "UTC");
        tzset();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
    static void open(QDialog& dialog) {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    // Keys as the player types them: to whatever holds the keyboard.
    static void type(QDialog& dialog, const QString& keys) {
        for (const QChar key : keys)
            QTest::keyClick(dialog.windowHandle(), key.toLatin1());
    }
    static void type(QDialog& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(dialog.windowHandle(), key, modifiers);
    }
    static QAbstractButton* button(const QDialog& dialog, const QString& text) {
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            if (button->text() == text) return button;
        throw std::runtime_error("no button " + text.toStdString());
    }
    static QString read(QWidget* widget, QAccessible::Text text = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(widget)->text(text);
    }
};

TEST_F(DialogTest, ScoresReadAsATableWithStatisticsAndPlayTheRowChosenWithKeys) {
    ScoresDialog dialog(sampleTable(), sampleChallenges(), kToday);
    open(dialog);
    QAccessibleInterface* view =
        QAccessible::queryAccessibleInterface(dialog.findChild<QTableWidget*>("bestGames"));
    QAccessibleTableInterface* table = view->tableInterface();
    ASSERT_EQ(table->rowCount(), 3);
    const QStringList rows[] = {{"Rank", "Name", "Score", "Date", "Game", "Hints"},
                                {"1", "Ana Kovač", "5.120", "15.01.27 08:00", "2026", "0"},
                                {"2", "明美", "880", "17.01.27 08:00", "4294967295", "0"},
                                {"3", "Ben", "40", "16.01.27 08:00", "1", "3"}};
    for (int column = 0; column < table->columnCount(); ++column) {
        // The column titles come first among the table's children, after its corner.
        EXPECT_EQ(view->child(column + 1)->text(QAccessible::Name), rows[0][column]);
        EXPECT_EQ(view->child(column + 1)->role(), QAccessible::ColumnHeader);
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(table->cellAt(row, column)->text(QAccessible::Name), rows[row + 1][column]);
    }
    QStringList statistics;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        const QString caption = read(label, QAccessible::Description);
        if (!caption.isEmpty()) statistics << caption + " " + read(label);
    }
    EXPECT_EQ(statistics, QStringList({"Games played 1", "Games entered 3", "Best score 5.120",
                                       "Average score 2.013,3"}));
    auto* plot = dialog.findChild<ScorePlot*>();
    EXPECT_EQ(read(plot), "Recent scores: 3");
    EXPECT_EQ(read(plot, QAccessible::Description),
              "From 15.01.27 to 17.01.27: lowest 40, highest 5.120, last 880.");
    // The best challenges first, of equal scores the earlier; today's, begun, ends a streak
    // of four days, and cannot be begun again.
    QAccessibleInterface* page =
        QAccessible::queryAccessibleInterface(dialog.findChild<QTableWidget*>("challenges"));
    QAccessibleTableInterface* challenges = page->tableInterface();
    QStringList shown;
    for (int column = 0; column < challenges->columnCount(); ++column)
        shown << page->child(column + 1)->text(QAccessible::Name);
    EXPECT_EQ(shown, QStringList({"Rank", "Date", "Score", "Par", "Name"}));
    shown.clear();
    for (int row = 0; row < challenges->rowCount(); ++row)
        shown << challenges->cellAt(row, 1)->text(QAccessible::Name) + " " +
                     challenges->cellAt(row, 2)->text(QAccessible::Name);
    EXPECT_EQ(shown, QStringList({"14.01.27 900", "11.01.27 700", "13.01.27 300", "15.01.27 300",
                                  "16.01.27 0"}));
    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("Days in a row: 4")) << labels.join('|').toStdString();
    EXPECT_FALSE(button(dialog, "Today's challenge")->isEnabled());
    type(dialog, Qt::Key_Down);
    type(dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenGame(), 4294967295u);
}

// The buttons act on the page shown: a challenge with a code is watched, one without is played
// as its day's game. The code goes to the file and back.
TEST_F(DialogTest, TheChallengesPageWatchesARowsCodeAndPlaysItsDay) {
    const ChallengeTable challenges = sampleChallenges();
    std::string problem;
    EXPECT_EQ(ChallengeTable::parse(challenges.text(), problem).rows(), challenges.rows());
    EXPECT_EQ(problem, "");
    ChallengeTable::parse("varn-challenges 1\ncode varn1Ab9\nend\n", problem);
    EXPECT_NE(problem, "");
    for (const bool watch : {true, false}) {
        ScoresDialog dialog(sampleTable(), challenges, kToday);
        open(dialog);
        dialog.findChild<QTabWidget*>()->setCurrentIndex(1);
        QAbstractButton* watchButton = button(dialog, "&Watch");
        ASSERT_TRUE(watchButton->isEnabled());
        if (watch) {
            watchButton->click();
            EXPECT_EQ(dialog.result(), ScoresDialog::kWatched);
            EXPECT_EQ(dialog.watchedActions(), "varn1Ab9");
            continue;
        }
        dialog.findChild<QTableWidget*>("challenges")->selectRow(1);
        EXPECT_FALSE(watchButton->isEnabled());
        type(dialog, Qt::Key_Return);
        EXPECT_EQ(dialog.chosenGame(), challengeNumber(kToday - std::chrono::days(5)));
    }
}

TEST_F(DialogTest, AnEmptyTableHasNothingToPlayAndEscapeCloses) {
    ScoresDialog dialog(ScoreTable{});
    open(dialog);
    type(dialog, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(read(dialog.findChild<ScorePlot*>(), QAccessible::Description),
              "No score has been entered yet.");
    type(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.chosenGame(), 0u);
}

TEST_F(DialogTest, TheNameIsTheOneAcceptedWithReturnAndTheProposedOneAfterEscape) {
    const std::tuple<const char*, Qt::Key, const char*> cases[] = {{"Mia", Qt::Key_Return, "Mia"},
                                                                   {"Mia", Qt::Key_Escape, "Ana"},
                                                                   {"", Qt::Key_Return, "Ana"},
                                                                   {"   ", Qt::Key_Return, "Ana"}};
    for (const auto& [typed, key, name] : cases) {
        NameDialog dialog("Ana", 2, 880);
        open(dialog);
        EXPECT_TRUE(dialog.findChild<QLabel*>()->text().contains("880 is number 2"));
        type(dialog, typed);
        type(dialog, key);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.name(), name) << typed << " " << key;
    }
}

// The result gives away nothing of the day's deal: ten moves a bar, as high as their points;
// the code is one press away, and each press says what it copied.
TEST_F(DialogTest, TheChallengesResultSharesNoCodeAndEachCopySaysSo) {
    std::vector<std::int64_t> points(50, 0);
    points[0] = 70;  // the first ten moves score 70, the next 10, then 0, 30 and 60
    points[10] = 10;
    points[30] = 30;
    points[40] = 60;
    ChallengeEndDialog dialog({kToday, 170, 50, 2, "varn1Ab9", points});
    open(dialog);
    type(dialog, Qt::Key_Return);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Varn challenge 2027-01-16: 170 points in 50 moves █▂▁▄▇");
    auto* copied = dialog.findChild<QLabel*>("copied");
    EXPECT_EQ(read(copied), "The result is on the clipboard.");
    button(dialog, "Copy game code")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "varn1Ab9");
    EXPECT_EQ(read(copied), "The game code is on the clipboard.");
}

// Today's challenge, not yet played, is no number to play.
TEST_F(DialogTest, TheGameNumberIsCopiedAndOnlyAGameNumberIsPlayed) {
    GameNumberDialog dialog(2026, 555);
    open(dialog);
    type(dialog, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "2026");
    type(dialog, Qt::Key_Tab);
    auto* problem = dialog.findChildren<QLabel*>().last();
    for (const char* refused : {"70a", "555"}) {
        type(dialog, refused);
        EXPECT_TRUE(problem->isVisible()) << refused;
        type(dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        type(dialog, Qt::Key_A, Qt::ControlModifier);
    }
    type(dialog, "70");
    EXPECT_FALSE(problem->isVisible());
    type(dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.chosenGame(), 70u);
}

class DialogLanguageTest : public DialogTest, public ::testing::WithParamInterface<std::string> {
  protected:
    Translations m_translations{QLocale(QString::fromStdString(GetParam()))};
};

// Each dialog at its own size shows every text whole, its table's titles too, and fits on the
// smallest screen the game asks for; the Scores dialog's picture goes beside the screenshots.
TEST_P(DialogLanguageTest, EveryTextFitsAndTheDialogsFitASmallScreen) {
    QLocale::setDefault(QLocale(QString::fromStdString(GetParam())));
    ScoresDialog scores(sampleTable(), sampleChallenges(), kToday);
    GameNumberDialog number(2026, 0);
    NameDialog name("Ana Kovač", 2, 880);
    ChallengeEndDialog end({kToday, 1234, 50, 2, {}, {}});
    for (QDialog* dialog : std::initializer_list<QDialog*>{&scores, &number, &name, &end}) {
        open(*dialog);
        EXPECT_LE(dialog->minimumSizeHint().width(), 480) << dialog->windowTitle().toStdString();
        for (const QWidget* shown : dialog->findChildren<QWidget*>()) {
            const bool text =
                qobject_cast<const QLabel*>(shown) || qobject_cast<const QAbstractButton*>(shown);
            if (text && shown->isVisible()) {
                EXPECT_GE(shown->width(), shown->minimumSizeHint().width());
            }
        }
    }
    QDir().mkpath(QStringLiteral(VARN_SCREENSHOT_DIR));
    // Each page shows every column whole and all ten rows of a full table without scrolling.
    for (const char* page : {"bestGames", "challenges"}) {
        auto* table = scores.findChild<QTableWidget*>(page);
        table->window()->findChild<QTabWidget*>()->setCurrentWidget(table->parentWidget());
        const QHeaderView* header = table->horizontalHeader();
        for (int column = 0; column < header->count(); ++column)
            EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column));
        EXPECT_GE(table->viewport()->height(), 10 * table->verticalHeader()->defaultSectionSize());
        EXPECT_TRUE(scores.grab().save(
            QStringLiteral(VARN_SCREENSHOT_DIR "/varn-%1-%2.png").arg(page, GetParam().c_str())));
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogLanguageTest, ::testing::Values("en", VARN_LANGUAGES),
                         [](const auto& language) { return language.param; });

}  // namespace
}  // namespace varn::test
