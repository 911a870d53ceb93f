#pragma once

#include <QIcon>
#include <QLabel>
#include <QString>
#include <QWidget>

namespace Artwork {
QIcon appIcon();     // the wristwatch
QIcon playIcon();    // the sound test buttons
QIcon trefoilIcon(); // the clear buttons
QIcon editorImage(); // the editor's side picture
} // namespace Artwork

// Fonts are set on each widget rather than through style sheets: a style sheet on a widget
// costs tens of kilobytes of style data, and the editor has over two hundred widgets.
enum class Face { Arial, Inherited };
void SetFont(QWidget* widget, int points, bool bold = false, bool italic = false,
             Face face = Face::Arial);

// The clock window's date and time: bright green on black in a thin grey frame.
class DisplayLabel : public QLabel {
  public:
    DisplayLabel(const QString& text, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A client area painted with a drawing stretched over it. The drawing is rendered once per
// size and shared by every window showing it: labels on it repaint it every tick.
class Backdrop : public QWidget {
  public:
    Backdrop(const char* picture, QWidget* parent); // "clock-back", "about-back", "stone"

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const char* m_picture;
};
