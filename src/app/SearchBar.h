// CSearchBar: the search tool bar, one global theSearchBar. Its window is made by the
// main frame (CMainFrame::CreateSearchBar) and holds an editable drop-down box with
// the sorted search history, and the search button (command ID_SEARCH, served only by
// an active haiku list view, so greyed elsewhere by the command routing).
//
// For the haiku list view:
//   void CHaikuListView::OnActivateView(bool activate) { theSearchBar.EnableSearchBox(activate); }
//   std::string text = theSearchBar.TakeSearchText();   // cp932; joins the history if new
//
// Typing, choosing from the list or pressing Enter in the box starts nothing.
#pragma once

#include <QComboBox>
#include <QPointer>
#include <QString>
#include <QToolBar>
#include <string>
#include <vector>

class QMainWindow;

class CSearchBar {
public:
    // Builds the bar's window as a child of frame, with its box, and loads the history.
    bool Create(QMainWindow* frame);

    void EnableSearchBox(bool enable);
    // The box's text (cp932), added to the history when no entry equals it exactly.
    // An empty text, or one cp932 cannot carry, does not enter the history.
    std::string TakeSearchText();

    QToolBar* GetBar() const { return m_pBar; }
    QComboBox* GetCombo() const { return m_wndCombo; }
    // The history in list order (cp932).
    std::vector<std::string> History() const;

    // Called as the bar's window is destroyed: saves the history.
    void OnDestroy();

private:
    void AddToHistory(const QString& text);
    void LayoutSearchBar();

    QPointer<QToolBar> m_pBar;
    QPointer<QComboBox> m_wndCombo;
};

extern CSearchBar theSearchBar;
