// CQuillaryApp: the application object theApp. InitInstance runs the start-up in
// its fixed order: profile set-up, standard settings (recent-file list of 4),
// template 129, the main frame, the list templates 130-132, showing the main frame,
// then the start-up dialogs.
//
// A list template is registered in RegisterListTemplates() (QuillaryApp.cpp) once its
// view class exists, with one line:
//   m_pHaikuTemplate = AddListTemplate(IDR_HAIKU_LIST, [] { return new CHaikuListView; });
// Until then its member stays nullptr and the main frame's command for it stays greyed.
#pragma once

#include "platform/DocTemplate.h"
#include "platform/WinApp.h"

class CQuillaryApp : public CWinApp {
public:
    CQuillaryApp();

    bool InitInstance() override;
    int ExitInstance() override;

    void OnAppAbout();

    CMultiDocTemplate* m_pHaikuTemplate = nullptr;   // template 130, the haiku list
    CMultiDocTemplate* m_pKigoTemplate = nullptr;    // template 131, the season words
    CMultiDocTemplate* m_pOldNewTemplate = nullptr;  // template 132, the old/new calendar
    // The greeting dialogs (tips, haiku card) at start-up; window tests that are
    // not about them switch them off.
    bool m_bRunStartupDialogs = true;

private:
    // Start-up step 7: templates 130, 131 and 132, in this order.
    void RegisterListTemplates();
    // Start-up steps 9 and 10: the one-point tips dialog (when "onepointview" is not 0),
    // then the haiku card dialog (when "HaikuView" is not 0), each modal.
    void RunStartupDialogs();
    CMultiDocTemplate* AddListTemplate(int resourceId, CMultiDocTemplate::ViewFactory newView);
};

extern CQuillaryApp theApp;
