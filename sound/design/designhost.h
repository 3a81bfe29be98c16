// designhost.h: the host of one sound player, backed by its instance of the saved design.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "designinstance.h"
#include "embedsound.h"
#include "soundhost.h"

namespace varn {

// Used by the design tool (design mode, message boxes shown) and by the running window (run
// mode, which shows none). The window injects its own "let events run once".
class DesignHost : public SoundHost {
  public:
    enum class Mode { Design, Run };
    using MessageBox = std::function<void(const std::string& text, const std::string& title)>;

    DesignHost(DesignInstance& instance, Mode mode);

    void setDoEvents(std::function<void()> doEvents) { m_doEvents = std::move(doEvents); }
    void setMessageBox(MessageBox messageBox) { m_messageBox = std::move(messageBox); }
    void setTwipsPerPixel(int x, int y);

    // Saves the control into the instance afresh, so the values stand in the order written.
    void save(EmbedSound& control);
    // True once the control reported a change of the property of that name.
    bool modified(const std::string& name) const;

    bool runMode() const override { return m_mode == Mode::Run; }
    void propertyChanged(const std::string& name) override;
    int twipsPerPixelX() const override { return m_twipsX; }
    int twipsPerPixelY() const override { return m_twipsY; }
    void setSize(int widthTwips, int heightTwips) override;
    void doEvents() override;
    PropertyValue readProperty(const std::string& key, const PropertyValue& defaultValue) override;
    void writeProperty(const std::string& key, const PropertyValue& value,
                       const PropertyValue& defaultValue) override;
    void messageBox(const std::string& text, const std::string& title) override;

  private:
    DesignInstance& m_instance;
    Mode m_mode;
    int m_twipsX = 15;
    int m_twipsY = 15;
    std::vector<std::string> m_changed;
    std::function<void()> m_doEvents;
    MessageBox m_messageBox;
};

}  // namespace varn
