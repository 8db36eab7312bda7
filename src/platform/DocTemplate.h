// CMultiDocTemplate joins a resource id (menu, document string) with the classes of
// a document, its child frame and its view. The application owns its templates.
//
//   auto* t = new CMultiDocTemplate(130, u"..."_s,
//       [] { return new CQuillaryDoc; }, [] { return new CChildFrame; },
//       [] { return new CHaikuListView; });
//   AddDocTemplate(t);                       // CWinApp takes ownership
//   t->OpenDocumentFile(u"登録全句"_s, true); // new document + frame + view
//
// OpenDocumentFile with a path: the document's OnOpenDocument gets the path, the
// title becomes the path's file-name part, the path joins the recent-file list and
// the view's OnInitialUpdate runs. With an empty path: a new untitled document named
// after the document string's document-type name and a running number (Quillar1, ...).
#pragma once

#include <QIcon>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class CDocument;
class CMDIChildWnd;
class CView;

class CMultiDocTemplate {
public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };
    using DocumentFactory = std::function<CDocument*()>;
    using FrameFactory = std::function<CMDIChildWnd*()>;
    using ViewFactory = std::function<CView*()>;

    CMultiDocTemplate(int resourceId, QString docString, DocumentFactory newDocument,
                      FrameFactory newFrame, ViewFactory newView);
    ~CMultiDocTemplate();
    CMultiDocTemplate(const CMultiDocTemplate&) = delete;
    CMultiDocTemplate& operator=(const CMultiDocTemplate&) = delete;

    int GetResourceID() const { return m_nIDResource; }
    // The icon of the template's child frames (none: the main window's icon).
    void SetIcon(const QIcon& icon) { m_icon = icon; }
    // One line of the document string ("\n"-separated), empty when absent.
    QString GetDocString(DocStringIndex index) const;

    // Returns the new document, or nullptr when it could not be opened.
    CDocument* OpenDocumentFile(const QString& path, bool makeVisible = true);

    std::vector<CDocument*> GetDocuments() const;
    // Deletes a document that has no views left.
    void RemoveDocument(CDocument* document);
    // Closes every document (no questions asked).
    void CloseAllDocuments();

private:
    CMDIChildWnd* CreateNewFrame(CDocument* document);
    void DestroyFrame(CMDIChildWnd* frame, CDocument* document);

    int m_nIDResource;
    QString m_strDocStrings;
    DocumentFactory m_newDocument;
    FrameFactory m_newFrame;
    ViewFactory m_newView;
    std::vector<std::unique_ptr<CDocument>> m_documents;
    int m_nUntitledCount = 0;
    QIcon m_icon;
};
