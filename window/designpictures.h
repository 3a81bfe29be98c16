// designpictures.h: the pictures of the design at the window's scale, quick at the first frame.
#pragma once

#include <QIcon>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <array>

#include "piece.h"

namespace varn {

class PictureProvider;

// Hands the view its pictures at one scale. Until the window's first frame is on the screen, a
// picture that no file holds is not drawn: a stand-in scaled from the nearest carried scale
// takes its place, so that the window shows as soon as at a scale the game carries. Once the
// frame is shown the pictures are drawn on the provider's thread, and refined() asks the view to
// take them in place of the stand-ins. From then on every picture is the drawn one.
class DesignPictures : public QObject {
    Q_OBJECT

  public:
    // `provider` must outlive the pictures.
    DesignPictures(PictureProvider& provider, QObject* parent);

    // Forgets the pictures of the last scale.
    void setScale(double factor);
    QPixmap picture(const QString& path);
    // One rendering of each pattern at a scale, shared by every cell that shows it.
    const QPixmap& pattern(int index);
    // Draws what is still to come (the effects of a move) and the stand-ins' pictures.
    void firstFrameShown();
    bool shownFirstFrame() const { return m_shown; }
    // The window's icon, drawn the way the pieces are: an icon read from its file would have Qt
    // load its icon engine and every image-format plugin while the game starts.
    QIcon icon();

  signals:
    // The stand-ins' own pictures are at hand: ask for the pictures again.
    void refined();

  private:
    void drawAhead(const QStringList& paths);
    static QStringList dealtPictures();
    static QStringList firstFramePictures();

    PictureProvider& m_provider;
    double m_factor = 1;
    bool m_shown = false;
    QSet<QString> m_standIns;                             // shown in place of their pictures
    std::array<QPixmap, piece::PatternCount> m_patterns;  // Uzorak: null until first shown
};

}  // namespace varn
