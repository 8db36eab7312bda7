// CMDIChildWnd: the MDI child frame around one view. Its caption is its document's
// title. Closing the last frame of a modified document asks whether to save it;
// cancelling keeps the frame open. It is on the command route after the document.
#pragma once

#include <QMdiSubWindow>

#include "platform/CmdTarget.h"

class CView;

class CMDIChildWnd : public QMdiSubWindow, public CCmdTarget {
    Q_OBJECT
public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    CView* GetView() const;
    void SetView(CView* view);
    // Takes the caption from the document's title.
    void OnUpdateFrameTitle();

protected:
    void closeEvent(QCloseEvent* event) override;
};
