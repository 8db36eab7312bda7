#include "app/QuillaryApp.h"

#include "app/AboutDlg.h"
#include "app/AppStrings.h"
#include "app/ChildFrame.h"
#include "app/MainFrame.h"
#include "app/ProfileStore.h"
#include "app/QuillaryDoc.h"
#include "app/QuillaryView.h"
#include "app/Resource.h"
#include "app/ToolBarImages.h"
#include "calendar/OldNewSimpleListView.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuListView.h"
#include "haiku/KigoListView.h"
#include "platform/CommandIds.h"
#include "reader/TipsDialog.h"

CQuillaryApp theApp;

namespace {
const char16_t kEditDocString[] = u"\nQuillar\nQuillar\n\n\nQuillary.Document\nQuillar Document";
const char16_t kListDocString[] = u"『Tavelo』博物館";
}  // namespace

CQuillaryApp::CQuillaryApp() {
    AddCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
}

bool CQuillaryApp::InitInstance() {
    SetAppTitle(AppString(AFX_IDS_APP_TITLE));
    theProfile.SetupProfile();
    SetProfileFile(theProfile.GetIniPath());
    LoadStdProfileSettings(4);

    auto* editTemplate = new CMultiDocTemplate(
        IDR_QUILLARTYPE, QString::fromUtf16(kEditDocString), [] { return new CQuillaryDoc; },
        [] { return new CChildFrame; }, [] { return new CQuillaryView; });
    editTemplate->SetIcon(DocumentIcon());
    AddDocTemplate(editTemplate);

    auto* frame = new CMainFrame;
    if (!frame->LoadFrame()) {
        delete frame;
        return false;
    }
    m_pMainWnd = frame;

    RegisterListTemplates();

    frame->ShowFrame();
    RunStartupDialogs();
    return true;
}

void CQuillaryApp::RegisterListTemplates() {
    // The list views join here as they are built, in this order:
    // IDR_HAIKU_LIST (m_pHaikuTemplate), IDR_KIGO_LIST (m_pKigoTemplate),
    // IDR_OLDNEW_LIST (m_pOldNewTemplate).
    m_pHaikuTemplate = AddListTemplate(IDR_HAIKU_LIST, [] { return new CHaikuListView; });
    m_pKigoTemplate = AddListTemplate(IDR_KIGO_LIST, [] { return new CKigoListView; });
    m_pOldNewTemplate = AddListTemplate(IDR_OLDNEW_LIST, [] { return new COldNewSimpleListView; });
}

void CQuillaryApp::RunStartupDialogs() {
    if (!m_bRunStartupDialogs) return;
    if (theProfile.GetOnePointView() != 0) {
        CTipsDialog tips;
        tips.DoModal();
    }
    if (theProfile.GetHaikuView() != 0) CHaikuCardDlg::RunWithStoredHaiku();
}

CMultiDocTemplate* CQuillaryApp::AddListTemplate(int resourceId,
                                                 CMultiDocTemplate::ViewFactory newView) {
    auto* docTemplate = new CMultiDocTemplate(
        resourceId, QString::fromUtf16(kListDocString), [] { return new CQuillaryDoc; },
        [] { return new CChildFrame; }, std::move(newView));
    AddDocTemplate(docTemplate);
    return docTemplate;
}

int CQuillaryApp::ExitInstance() {
    m_pHaikuTemplate = nullptr;
    m_pKigoTemplate = nullptr;
    m_pOldNewTemplate = nullptr;
    return CWinApp::ExitInstance();
}

void CQuillaryApp::OnAppAbout() {
    CAboutDlg dialog(GetMainWnd());
    dialog.exec();
}
