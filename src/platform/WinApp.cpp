#include "platform/WinApp.h"

#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>

#include "platform/CloseSignals.h"
#include "platform/CommandIds.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/FileDialog.h"
#include "platform/MDIChildWnd.h"
#include "platform/MDIFrameWnd.h"
#include "platform/PrivateProfile.h"
#include "platform/View.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

CMDIFrameWnd* AfxGetMainWnd() { return g_app ? g_app->GetMainWnd() : nullptr; }

CWinApp::CWinApp() {
    g_app = this;
    AddCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    AddCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
    AddCommand(ID_APP_EXIT, [this] { OnAppExit(); });
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

int CWinApp::ExitInstance() {
    if (m_pRecentFileList && !m_profileFile.empty())
        m_pRecentFileList->WriteList(CPrivateProfile(m_profileFile));
    m_templates.clear();
    m_pRecentFileList.reset();
    return 0;
}

int CWinApp::Run() {
    if (!InitInstance()) {
        ExitInstance();
        return 1;
    }
    // SIGTERM, SIGHUP and SIGINT close the program as the Exit command does.
    CCloseSignals::Install([this] { OnAppExit(); });
    int code = QApplication::exec();
    // The closed main frame goes now, and with it its bars (the search bar saves its
    // history), before the exit processing writes the recent-file list.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete m_pMainWnd.data();
    ExitInstance();
    return code;
}

void CWinApp::AddDocTemplate(CMultiDocTemplate* docTemplate) {
    m_templates.emplace_back(docTemplate);
}

std::vector<CMultiDocTemplate*> CWinApp::GetDocTemplates() const {
    std::vector<CMultiDocTemplate*> list;
    for (const auto& t : m_templates) list.push_back(t.get());
    return list;
}

CDocument* CWinApp::OpenDocumentFile(const QString& path) {
    if (m_templates.empty() || path.isEmpty()) return nullptr;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (const auto& t : m_templates) {
        for (CDocument* document : t->GetDocuments()) {
            if (document->GetPathName() != absolute) continue;
            CView* view = document->GetFirstView();
            CMDIChildWnd* frame = view ? view->GetParentFrame() : nullptr;
            if (frame && AfxGetMainWnd()) AfxGetMainWnd()->MdiArea()->setActiveSubWindow(frame);
            return document;
        }
    }
    return m_templates.front()->OpenDocumentFile(absolute, true);
}

void CWinApp::OnFileNew() {
    // The first template whose document string names a new-file type.
    for (const auto& t : m_templates) {
        if (!t->GetDocString(CMultiDocTemplate::fileNewName).isEmpty()) {
            t->OpenDocumentFile(QString(), true);
            return;
        }
    }
}

void CWinApp::OnFileOpen() {
    QString path = PromptForFileName(AfxGetMainWnd(), FileDialogKind::Open, QString());
    if (!path.isEmpty()) OpenDocumentFile(path);
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd) m_pMainWnd->close();
}

bool CWinApp::SaveAllModified() {
    for (const auto& t : m_templates)
        for (CDocument* document : t->GetDocuments())
            if (!document->SaveModified()) return false;
    return true;
}

void CWinApp::CloseAllDocuments() {
    for (const auto& t : m_templates) t->CloseAllDocuments();
}

void CWinApp::LoadStdProfileSettings(int maxRecentFiles) {
    m_pRecentFileList = std::make_unique<CRecentFileList>(maxRecentFiles);
    if (!m_profileFile.empty()) m_pRecentFileList->ReadList(CPrivateProfile(m_profileFile));
}

void CWinApp::AddToRecentFileList(const QString& path) {
    if (m_pRecentFileList) m_pRecentFileList->Add(path.toStdString());
}
