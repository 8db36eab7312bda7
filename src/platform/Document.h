// CDocument: the data side of a window. A document belongs to its template
// (CMultiDocTemplate), lists its views, and carries a path name, a title (shown as
// its child frames' caption) and a modified flag. It sits on the command route after
// the active view and serves Save (ID_FILE_SAVE) and Close (ID_FILE_CLOSE).
//
// A subclass overrides what it needs:
//   bool OnOpenDocument(const QString& path) override;  // read (or just accept) a path
//   bool OnSaveDocument(const QString& path) override;  // write; false keeps it modified
//   bool CanSave() const override;                      // false greys Save
// and calls UpdateAllViews(nullptr) after a change so every view redraws.
#pragma once

#include <QString>
#include <vector>

#include "platform/CmdTarget.h"

class CMultiDocTemplate;
class CView;

class CDocument : public CCmdTarget {
public:
    CDocument();
    ~CDocument() override;

    const QString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const QString& title);
    const QString& GetPathName() const { return m_strPathName; }
    // Makes the path absolute, titles the document with its file-name part and, when
    // addToRecent is set, adds it to the application's recent-file list.
    virtual void SetPathName(const QString& path, bool addToRecent = true);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // Calls OnUpdate(sender, hint) of every view except sender.
    void UpdateAllViews(CView* sender, long hint = 0);
    const std::vector<CView*>& GetViews() const { return m_views; }
    CView* GetFirstView() const { return m_views.empty() ? nullptr : m_views.front(); }
    CMultiDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const QString& path);
    virtual bool OnSaveDocument(const QString& path);
    // Whether Save is offered for this document (default: yes).
    virtual bool CanSave() const { return true; }

    // Asks whether to save a modified document; false when the user cancels (or the
    // save fails), so the caller keeps the document open.
    virtual bool SaveModified();
    // Saves under the path name, or asks for one when the document has none.
    bool DoFileSave();
    // Closes every frame of the document; the document is deleted with the last one.
    void OnCloseDocument();

private:
    friend class CMultiDocTemplate;
    friend class CView;
    void AddView(CView* view);
    void RemoveView(CView* view);
    void UpdateFrameCaptions();

    CMultiDocTemplate* m_pDocTemplate = nullptr;
    std::vector<CView*> m_views;
    QString m_strTitle;
    QString m_strPathName;
    bool m_bModified = false;
    bool m_bAutoDelete = true;
};
