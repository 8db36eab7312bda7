// CQuillaryView: the plain-text edit view of template 129. Lines wrap at the window's
// width (no horizontal scroll bar); Ctrl+P prints through the print dialog.
#pragma once

#include "platform/EditView.h"

class CQuillaryView : public CEditView {
    Q_OBJECT
public:
    CQuillaryView();
};
