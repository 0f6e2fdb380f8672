#pragma once
// A scroll bar whose thumb and trough click differ: Qt's page step sizes the thumb and is also the
// distance a click in the trough moves, while the undo/redo bar's thumb stands for one position
// of the attempt and a trough click moves ten.

class QScrollBar;

namespace w4 {

// Page step 1 (a thumb of one position); a click in the trough, and each repeat while it is held,
// moves 'step' positions, stopping at the ends.
void SetTroughStep(QScrollBar* bar, int step);

} // namespace w4
