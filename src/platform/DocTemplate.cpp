#include "platform/DocTemplate.h"

#include <QMdiArea>
#include <algorithm>

#include "platform/Document.h"
#include "platform/MDIChildWnd.h"
#include "platform/MDIFrameWnd.h"
#include "platform/View.h"
#include "platform/WaitCursor.h"
#include "platform/WinApp.h"

CMultiDocTemplate::CMultiDocTemplate(int resourceId, QString docString, DocumentFactory newDocument,
                                     FrameFactory newFrame, ViewFactory newView)
    : m_nIDResource(resourceId),
      m_strDocStrings(std::move(docString)),
      m_newDocument(std::move(newDocument)),
      m_newFrame(std::move(newFrame)),
      m_newView(std::move(newView)) {}

CMultiDocTemplate::~CMultiDocTemplate() { CloseAllDocuments(); }

QString CMultiDocTemplate::GetDocString(DocStringIndex index) const {
    return m_strDocStrings.section(u'\n', index, index);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(const QString& path, bool makeVisible) {
    CMDIFrameWnd* main = AfxGetMainWnd();
    if (!main) return nullptr;
    CDocument* document = m_newDocument();
    document->m_pDocTemplate = this;
    m_documents.emplace_back(document);
    CMDIChildWnd* frame = CreateNewFrame(document);

    if (path.isEmpty()) {
        QString name = GetDocString(docName);
        document->SetTitle(name + QString::number(m_nUntitledCount + 1));
        if (!document->OnNewDocument()) {
            DestroyFrame(frame, document);
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        CWaitCursor wait;
        if (!document->OnOpenDocument(path)) {
            DestroyFrame(frame, document);
            return nullptr;
        }
        document->SetPathName(path);
    }
    if (CView* view = frame->GetView()) view->OnInitialUpdate();
    if (makeVisible) {
        // The size the view asks for now that it is filled, as far as the MDI area has
        // room, moved back inside the area where the place it was given is too near an edge.
        const QSize room = main->MdiArea()->viewport()->size();
        const QSize size = frame->sizeHint().boundedTo(room);
        frame->setGeometry(QRect(QPoint(std::clamp(frame->x(), 0, room.width() - size.width()),
                                        std::clamp(frame->y(), 0, room.height() - size.height())),
                                 size));
        frame->show();
        main->MdiArea()->setActiveSubWindow(frame);
        if (CView* view = frame->GetView()) view->setFocus();
    }
    main->OnUpdateFrameTitle();
    main->UpdateCommandUI();
    return document;
}

CMDIChildWnd* CMultiDocTemplate::CreateNewFrame(CDocument* document) {
    CMDIChildWnd* frame = m_newFrame();
    CView* view = m_newView();
    document->AddView(view);
    frame->SetView(view);
    frame->setWindowIcon(m_icon.isNull() ? AfxGetMainWnd()->windowIcon() : m_icon);
    AfxGetMainWnd()->MdiArea()->addSubWindow(frame);
    return frame;
}

void CMultiDocTemplate::DestroyFrame(CMDIChildWnd* frame, CDocument* document) {
    document->m_bAutoDelete = false;
    delete frame;
    RemoveDocument(document);
}

std::vector<CDocument*> CMultiDocTemplate::GetDocuments() const {
    std::vector<CDocument*> list;
    for (const auto& d : m_documents) list.push_back(d.get());
    return list;
}

void CMultiDocTemplate::RemoveDocument(CDocument* document) {
    auto it = std::find_if(m_documents.begin(), m_documents.end(),
                           [document](const auto& d) { return d.get() == document; });
    if (it == m_documents.end()) return;
    std::unique_ptr<CDocument> owned = std::move(*it);
    m_documents.erase(it);
    if (CMDIFrameWnd* main = AfxGetMainWnd()) main->OnUpdateFrameTitle();
}

void CMultiDocTemplate::CloseAllDocuments() {
    while (!m_documents.empty()) m_documents.back()->OnCloseDocument();
}
