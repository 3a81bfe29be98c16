// scoreview.h: what the scores need of the window: the two value labels and the beep.
#pragma once

#include <string>

namespace varn {

enum class ScoreLabel {
    Label4,  // the running score
    Label8,  // the high score
};

class ScoreView {
  public:
    virtual ~ScoreView() = default;
    virtual std::string labelText(ScoreLabel label) const = 0;
    virtual void setLabelText(ScoreLabel label, const std::string& text) = 0;
    virtual void beep() = 0;
};

}  // namespace varn
