#pragma once
// Labels "sized to their text": the designed rectangle gives the position and, for a
// wrapping label, the width; the text gives the rest.

#include <QRect>

class QLabel;

namespace bramlow {

// Resizes `label` to its text. A wrapping label keeps the designed width and grows or
// shrinks in height. Otherwise the width follows the text and the designed edge the
// alignment points to stays put (left edge, centre or right edge), so right-aligned
// lines keep one right margin whatever their texts. The top never moves.
void sizeLabelToText(QLabel* label, const QRect& designed);

} // namespace bramlow
