// CChildFrame: the MDI child frame of every list and edit window; the framework's
// child frame with no behaviour of its own.
#pragma once

#include "platform/MDIChildWnd.h"

class CChildFrame : public CMDIChildWnd {
    Q_OBJECT
public:
    CChildFrame() = default;
};
