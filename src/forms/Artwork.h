#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

namespace Artwork {
QIcon appIcon();     // the wristwatch
QIcon playIcon();    // the sound test buttons
QIcon trefoilIcon(); // the clear buttons
QIcon editorImage(); // the editor's side picture
} // namespace Artwork

// A client area painted with a drawing stretched over it.
class Backdrop : public QWidget {
  public:
    Backdrop(const QString& resource, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_resource;
};
