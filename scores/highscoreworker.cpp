// highscoreworker.cpp: the requests of the high score handed to a file thread, and their answers
// handed back.
#include "highscoreworker.h"

namespace varn {

HighScoreWorker::HighScoreWorker(HighScoreFile file, WindowPost post)
    : m_file(std::move(file)), m_post(std::move(post)) {}

HighScoreWorker::~HighScoreWorker() {
    // Answers are only ever run on the window's thread, the thread that ends the worker.
    *m_alive = false;
}

void HighScoreWorker::load(Loaded loaded) {
    m_worker.post([this, loaded = std::move(loaded)] {
        m_file.load([&](const std::string& line) { answer([loaded, line] { loaded(line); }); });
    });
}

void HighScoreWorker::store(double value, const std::string& text, Done done) {
    m_worker.post([this, value, text, done = std::move(done)] {
        m_file.store(value, text, [&](Outcome outcome, const std::string& line) {
            answer([done, outcome, line] { done(outcome, line); });
        });
    });
}

void HighScoreWorker::answer(std::function<void()> answer) {
    m_post([alive = m_alive, answer = std::move(answer)] {
        if (*alive) answer();
    });
}

}  // namespace varn
