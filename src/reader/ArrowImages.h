// The reader's arrow images, drawn here: a cyan arrow with a black outline
// when the step is available, the same arrow in grey when it is not. 16 x 15
// pixels, as the image resources 137, 138, 141 and 142, drawn at a device pixel
// ratio (by default the screen's).
#pragma once

#include <QPixmap>

enum class ArrowImage {
    Back = 137,
    BackUnavailable = 138,
    Forward = 141,
    ForwardUnavailable = 142,
};

QPixmap MakeArrowImage(ArrowImage image, qreal ratio = 0);
