#pragma once
// Layout measures are in twips, 15 to the logical pixel.

#include <QStyle>
#include <QWidget>
#include <cmath>

constexpr int TwipsPerPixel = 15;

inline int Px(double twips) {
    return int(std::lround(twips / TwipsPerPixel));
}
inline int Twips(int pixels) {
    return pixels * TwipsPerPixel;
}

// Right to left, the left edge is measured from the parent's right, as Qt's layouts mirror:
// the parent is sized before its children are placed.
inline void place(QWidget* w, int left, int top, int width, int height) {
    const QRect box(Px(left), Px(top), Px(width), Px(height));
    const QWidget* parent = w->parentWidget();
    w->setGeometry(parent ? QStyle::visualRect(w->layoutDirection(), parent->rect(), box) : box);
}

// Left and top of a top-level window, in twips.
inline int LeftTwips(const QWidget& w) {
    return Twips(w.x());
}
inline int TopTwips(const QWidget& w) {
    return Twips(w.y());
}
inline int WidthTwips(const QWidget& w) {
    return Twips(w.frameGeometry().width());
}
inline void MoveTwips(QWidget& w, double left, double top) {
    w.move(Px(left), Px(top));
}

// Left edge that centres a window of `windowWidth` on a screen of `screenWidth` twips: the
// difference rounded half to even, then halved toward zero.
inline int CentredLeft(double screenWidth, double windowWidth) {
    const long difference = std::lrint(screenWidth - windowWidth);
    return int(difference / 2);
}
