#pragma once
// The two mouse pointers over pieces: an open hand and a grasping hand, 32 x 32 with real
// transparency, fingers at the top-left where the pointer's hot spot is.

#include <QImage>

class HandCursors {
public:
    static QImage OpenHand();
    static QImage GraspingHand();

private:
    static QImage Draw(bool grasping);
};
