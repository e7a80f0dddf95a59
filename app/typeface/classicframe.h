#pragma once

class QGroupBox;

// Draws a frame the classic way, its caption on the top edge, which keeps
// the designed positions inside the frame clear of the caption. Only the
// frame takes this style; its contents keep the desktop's own.
void useClassicFrame(QGroupBox *frame);
