// CWinApp: the application object. A subclass (CQuillaryApp) overrides InitInstance,
// registers its templates with AddDocTemplate and creates the main frame:
//
//   bool CQuillaryApp::InitInstance() {
//       ...; AddDocTemplate(new CMultiDocTemplate(...)); m_pMainWnd = frame; return true;
//   }
//
// Run() calls InitInstance (false ends the program), then the Qt event loop until the
// main frame closes, then ExitInstance (writes the recent-file list, drops templates).
// The application is the last target of the command route; it serves File New,
// File Open and Exit.
#pragma once

#include <QPointer>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "platform/CmdTarget.h"
#include "platform/MDIFrameWnd.h"
#include "platform/RecentFileList.h"

class CDocument;
class CMultiDocTemplate;

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    virtual bool InitInstance() { return true; }
    virtual int ExitInstance();
    int Run();

    void AddDocTemplate(CMultiDocTemplate* docTemplate);
    std::vector<CMultiDocTemplate*> GetDocTemplates() const;

    // Opens a file through the first template, or activates its window when the path
    // is open already.
    CDocument* OpenDocumentFile(const QString& path);
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();

    // Asks each modified document whether to save; false when the user cancels.
    bool SaveAllModified();
    void CloseAllDocuments();

    // The INI file that holds the recent-file list (set by the profile set-up).
    void SetProfileFile(std::string path) { m_profileFile = std::move(path); }
    const std::string& GetProfileFile() const { return m_profileFile; }
    void LoadStdProfileSettings(int maxRecentFiles);
    void AddToRecentFileList(const QString& path);
    const CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }

    const QString& GetAppTitle() const { return m_strAppTitle; }
    void SetAppTitle(QString title) { m_strAppTitle = std::move(title); }

    CMDIFrameWnd* GetMainWnd() const { return m_pMainWnd; }
    // Called by the main frame as it is destroyed.
    void ForgetMainWnd() { m_pMainWnd = nullptr; }

protected:
    QPointer<CMDIFrameWnd> m_pMainWnd;

private:
    std::vector<std::unique_ptr<CMultiDocTemplate>> m_templates;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::string m_profileFile;
    QString m_strAppTitle;
};

CWinApp* AfxGetApp();
CMDIFrameWnd* AfxGetMainWnd();
