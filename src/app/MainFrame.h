// CMainFrame: the program's MDI main window with its menus (128 without a child
// window, 129-132 with one), tool bar, search bar and status bar; it remembers its
// placement in "WindowPos" and turns the hall commands into windows.
//
// Its commands are declared in one place, DeclareCommands() in MainFrame.cpp: one
// AddCommand line and one On... method per command. A hall whose window or dialog is
// not built yet has no line there, so the routing keeps its menu item and button greyed.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "platform/MDIFrameWnd.h"

class CLockIndicators;
class CMultiDocTemplate;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;

class CMainFrame : public CMDIFrameWnd {
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    // Builds the menus, bars and search bar and restores the saved placement; false
    // when a bar cannot be built.
    bool LoadFrame();
    // Shows the frame as the saved placement says (maximised or normal).
    void ShowFrame();

    // 128 while no child window is open, else the active child's template id.
    int CurrentMenuId() const;
    QToolBar* ToolBar() const { return m_wndToolBar; }
    QStatusBar* StatusBar() const { return m_wndStatusBar; }
    QMenu* Menu(int index) const;  // popups in menu order, "ﾌｧｲﾙ(&F)" = 0
    // Where the indicator panes ｶﾅ, CAP, NUM and SCRL take their states from (the
    // platform's keyboard unless replaced); they are read again after every key.
    void SetLockIndicators(std::unique_ptr<CLockIndicators> source);

    // Command handlers.
    void OnAllHaiku();
    void OnKigoList();
    void OnOldNewTable();
    void OnTaveloHaiku();
    void OnContents();
    void OnLife();
    void OnFriends();
    void OnWorks();
    void OnWorks500();
    void OnWorks550();
    void OnWorks600();
    void OnKigo();
    void OnOnePoint();
    void OnViewToolBar();
    void OnViewStatusBar();

protected:
    bool OnClose() override;
    void OnActiveChildChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DeclareCommands();
    void CreateActions();
    void CreateMenus();
    bool CreateToolBar();
    bool CreateStatusBar();
    bool CreateSearchBar();
    void SaveWindowPos();
    bool LoadWindowPos();
    void OpenReader(const char* fileName, const QString& title);
    void OpenListWindow(CMultiDocTemplate* docTemplate, const QString& title);
    void ShowIdleMessage(const QString& message);
    void UpdateLockIndicators();

    QStatusBar* m_wndStatusBar = nullptr;
    QLabel* m_indicators[4] = {};  // ｶﾅ, CAP, NUM, SCRL
    std::unique_ptr<CLockIndicators> m_locks;
    QToolBar* m_wndToolBar = nullptr;
    QString m_szListTitle;    // the path name handed to a list template
    std::string m_szDocPath;  // the document path handed to the reader dialog
    QList<QMenu*> m_menus;
    QAction* m_pWindowMenuAction = nullptr;
    QAction* m_pSearchSeparator = nullptr;
    QAction* m_pSearchItem = nullptr;
    bool m_bShowMaximized = false;
};
