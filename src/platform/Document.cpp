#include "platform/Document.h"

#include <QFileInfo>
#include <algorithm>

#include "platform/CommandIds.h"
#include "platform/Cp932.h"
#include "platform/DocTemplate.h"
#include "platform/FileDialog.h"
#include "platform/MDIChildWnd.h"
#include "platform/MDIFrameWnd.h"
#include "platform/NoticeWnd.h"
#include "platform/View.h"
#include "platform/WinApp.h"

CDocument::CDocument() {
    AddCommand(
        ID_FILE_SAVE, [this] { DoFileSave(); }, [this](CCmdUI& ui) { ui.Enable(CanSave()); });
    AddCommand(ID_FILE_CLOSE, [this] {
        if (SaveModified()) OnCloseDocument();
    });
}

CDocument::~CDocument() = default;

void CDocument::SetTitle(const QString& title) {
    m_strTitle = title;
    UpdateFrameCaptions();
}

void CDocument::SetPathName(const QString& path, bool addToRecent) {
    QFileInfo info(path);
    m_strPathName = info.absoluteFilePath();
    SetTitle(info.fileName());
    if (addToRecent && AfxGetApp()) AfxGetApp()->AddToRecentFileList(m_strPathName);
}

void CDocument::UpdateAllViews(CView* sender, long hint) {
    for (CView* view : m_views)
        if (view != sender) view->OnUpdate(sender, hint);
}

bool CDocument::OnNewDocument() {
    m_strPathName.clear();
    m_bModified = false;
    return true;
}

bool CDocument::OnOpenDocument(const QString&) {
    m_bModified = false;
    return true;
}

bool CDocument::OnSaveDocument(const QString&) {
    m_bModified = false;
    return true;
}

bool CDocument::SaveModified() {
    if (!IsModified()) return true;
    QString name = m_strTitle.isEmpty() ? m_strPathName : m_strTitle;
    std::string text = cp932::FromUtf8Lossy((name + u" への変更を保存しますか?"_qs).toStdString());
    switch (CNoticeWnd().AskYesNoCancel(text)) {
        case NoticeAnswer::Yes:
            return DoFileSave();
        case NoticeAnswer::No:
            return true;
        case NoticeAnswer::Cancel:
            return false;
    }
    return false;
}

bool CDocument::DoFileSave() {
    if (!CanSave()) return false;
    QString path = m_strPathName;
    if (path.isEmpty()) {
        path = PromptForFileName(AfxGetMainWnd(), FileDialogKind::Save, m_strTitle);
        if (path.isEmpty()) return false;
    }
    if (!OnSaveDocument(path)) return false;
    if (path != m_strPathName) SetPathName(path);
    return true;
}

void CDocument::OnCloseDocument() {
    m_bAutoDelete = false;  // the frames go first; the document goes last
    std::vector<CView*> views = m_views;
    for (CView* view : views) {
        if (CMDIChildWnd* frame = view->GetParentFrame())
            delete frame;
        else
            delete view;
    }
    m_bAutoDelete = true;
    if (m_pDocTemplate) m_pDocTemplate->RemoveDocument(this);  // deletes this
}

void CDocument::AddView(CView* view) {
    m_views.push_back(view);
    view->m_pDocument = this;
}

void CDocument::RemoveView(CView* view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
    view->m_pDocument = nullptr;
    if (m_views.empty() && m_bAutoDelete && m_pDocTemplate) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::UpdateFrameCaptions() {
    for (CView* view : m_views)
        if (CMDIChildWnd* frame = view->GetParentFrame()) frame->OnUpdateFrameTitle();
    if (CMDIFrameWnd* main = AfxGetMainWnd()) main->OnUpdateFrameTitle();
}
