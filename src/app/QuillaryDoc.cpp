#include "app/QuillaryDoc.h"

#include <QFile>

#include "platform/Cp932.h"
#include "platform/EditView.h"
#include "platform/NoticeWnd.h"
#include "platform/PrivateProfile.h"

CEditView* CQuillaryDoc::EditView() const { return dynamic_cast<CEditView*>(GetFirstView()); }

bool CQuillaryDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    m_bEncodingKnown = false;
    m_bCrLf = true;
    m_bReadOnly = false;
    return true;
}

bool CQuillaryDoc::OnOpenDocument(const QString& path) {
    CEditView* view = EditView();
    if (!view) return CDocument::OnOpenDocument(path);  // a list window: the path is its title
    const std::string fsPath = QFile::encodeName(path).toStdString();
    std::optional<std::string> bytes = ReadWholeFile(fsPath);
    CNoticeWnd notice;
    if (!bytes) {
        ReportUnreadableFile(notice, fsPath);
        return false;
    }
    DecodedText text = DecodeTextFile(*bytes);
    m_encoding = text.encoding;
    m_bEncodingKnown = true;
    m_bCrLf = text.crlf;
    m_bReadOnly = text.readOnly;
    view->SetText(QString::fromStdString(text.utf8));
    view->SetReadOnly(m_bReadOnly);
    SetModifiedFlag(false);
    if (m_bReadOnly) {
        std::string message = cp932::FromUtf8Lossy(fsPath);
        message += '\n';
        message += text.reason;
        notice.MessageBox(message);
    }
    return true;
}

bool CQuillaryDoc::OnSaveDocument(const QString& path) {
    CEditView* view = EditView();
    if (!view || m_bReadOnly) return false;
    const std::string fsPath = QFile::encodeName(path).toStdString();
    const std::string utf8 = view->GetText().toStdString();
    TextEncoding encoding = m_encoding;
    if (!m_bEncodingKnown)
        encoding = EncodeTextFile(utf8, TextEncoding::Cp932, m_bCrLf) ? TextEncoding::Cp932
                                                                      : TextEncoding::Utf8;
    std::optional<std::string> bytes = EncodeTextFile(utf8, encoding, m_bCrLf);
    CNoticeWnd notice;
    if (!bytes) {
        notice.MessageBox(CannotEncodeMessage(fsPath));
        return false;
    }
    if (!WriteFileReplacing(fsPath, *bytes)) {
        notice.MessageBox(CannotWriteMessage(fsPath));
        return false;
    }
    m_encoding = encoding;
    m_bEncodingKnown = true;
    SetModifiedFlag(false);
    return true;
}

bool CQuillaryDoc::CanSave() const { return EditView() != nullptr && !m_bReadOnly; }
