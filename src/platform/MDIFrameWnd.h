// CMDIFrameWnd: the MDI main window. It owns one QAction per command id (shared by
// menus, tool bars and accelerators), routes each command along
//   active view -> its document -> its child frame -> this frame -> the application
// and greys every command that nobody on that route serves. Greying is refreshed
// when the active child changes, when a menu opens, before a shortcut is matched and
// after every command; call RefreshCommandUI() when a target's own state changes.
//
// A subclass (CMainFrame) creates actions with CommandAction(id), puts them in its
// menus and bars, and declares its own handlers with AddCommand (CmdTarget.h).
#pragma once

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <map>

#include "platform/CmdTarget.h"

class QMdiArea;
class QMenu;
class CDocument;
class CMDIChildWnd;
class CView;

class CMDIFrameWnd : public QMainWindow, public CCmdTarget {
    Q_OBJECT
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    QMdiArea* MdiArea() const { return m_pMdiArea; }
    CMDIChildWnd* MDIGetActive() const;
    CView* GetActiveView() const;
    CDocument* GetActiveDocument() const;

    // The action of a command id, created on first use.
    QAction* CommandAction(int id);
    const std::map<int, QAction*>& CommandActions() const { return m_actions; }
    // Keys for a command (an accelerator table entry). They live on an action of their
    // own, added to this window only, and are greyed with the command.
    void AddAccelerator(int id, const QList<QKeySequence>& keys);
    QAction* AcceleratorAction(int id) const;
    // Runs the command on the first target of the route that serves it; false if none.
    bool RouteCommand(int id);
    // Whether anyone on the route serves the command now, with its enabled/checked state.
    bool UpdateCommand(CCmdUI& ui) const;
    // Greys, enables and checks every action.
    void UpdateCommandUI();

    // The caption: the application title, plus " - " and the active document's title.
    void SetAppTitle(const QString& title);
    void OnUpdateFrameTitle();

    // The popup that lists the open child windows at its end.
    void SetWindowMenu(QMenu* menu);

    void MDICascade();
    void MDITileHorz();  // one above the other
    void MDITileVert();  // side by side
    void MDIIconArrange();

    // Called by a child frame as it is destroyed, while its view still exists.
    void OnChildDestroyed(CMDIChildWnd* child);

signals:
    void activeChildChanged();

protected:
    // Closing: false keeps the window open. The default asks every modified document
    // whether to save it, then closes all documents.
    virtual bool OnClose();
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Called after the active child (and so the menus' template) changed.
    virtual void OnActiveChildChanged() {}

private:
    std::array<CCmdTarget*, 5> Route() const;
    void OnSubWindowActivated();
    void RebuildWindowList();

    QMdiArea* m_pMdiArea;
    std::map<int, QAction*> m_actions;
    std::map<int, QAction*> m_accelerators;
    QPointer<CView> m_pActiveView;
    QString m_strAppTitle;
    QPointer<QMenu> m_pWindowMenu;
    QList<QAction*> m_windowListActions;
    bool m_bSettingTitle = false;
};

// Refreshes the greying of the application's main frame, if there is one.
void RefreshCommandUI();
