#include "app/QuillaryDoc.h"

#include <sys/stat.h>

#include <QFile>

#include "platform/EditView.h"
#include "platform/FileRead.h"
#include "platform/NoticeWnd.h"
#include "platform/PrivateProfile.h"
#include "platform/WaitCursor.h"

CEditView* CQuillaryDoc::EditView() const { return dynamic_cast<CEditView*>(GetFirstView()); }

bool CQuillaryDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    m_bEncodingKnown = false;
    m_layout = TextFileLayout{};
    m_original.clear();
    m_bReadOnly = false;
    return true;
}

bool CQuillaryDoc::OnOpenDocument(const QString& path) {
    CEditView* view = EditView();
    if (!view) return CDocument::OnOpenDocument(path);  // a list window: the path is its title
    const std::string fsPath = QFile::encodeName(path).toStdString();
    CNoticeWnd notice;
    struct stat st {};
    // Only a regular file: a FIFO or a device could block the window or never end.
    if (::stat(fsPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        ReportUnreadableFile(notice, fsPath);
        return false;
    }
    if (st.st_size > kMaxFileBytes) {
        notice.MessageBox(TooLargeMessage(fsPath, kMaxFileBytes / (1024 * 1024)));
        return false;
    }
    CWaitCursor wait;
    std::optional<std::string> bytes = ReadWholeFile(fsPath);
    if (!bytes) {
        ReportUnreadableFile(notice, fsPath);
        return false;
    }
    DecodedText text = DecodeTextFile(*bytes);
    bytes.reset();
    m_layout = std::move(text.layout);
    m_bEncodingKnown = true;
    m_bReadOnly = text.readOnly;
    view->SetText(QString::fromStdString(text.utf8));
    // The edit control turns a few characters (frame marks U+FDD0/U+FDD1, say) into line
    // breaks; a text it does not hand back unchanged could not be saved as it was.
    if (!m_bReadOnly && view->GetText().toStdString() != text.utf8) {
        m_bReadOnly = true;
        text.reason = CannotKeepReason();
    }
    m_original = std::move(text.utf8);
    view->SetReadOnly(m_bReadOnly);
    SetModifiedFlag(false);
    if (m_bReadOnly) notice.MessageBox(ReadOnlyMessage(fsPath, text.reason));
    return true;
}

bool CQuillaryDoc::OnSaveDocument(const QString& path) {
    CEditView* view = EditView();
    if (!view || m_bReadOnly) return false;
    const std::string fsPath = QFile::encodeName(path).toStdString();
    const std::string utf8 = view->GetText().toStdString();
    TextFileLayout layout = m_layout;
    if (!m_bEncodingKnown)
        layout.encoding = EncodeTextFile(utf8, m_original, layout) ? TextEncoding::Cp932
                                                                   : TextEncoding::Utf8;
    std::optional<std::string> bytes = EncodeTextFile(utf8, m_original, layout);
    CNoticeWnd notice;
    if (!bytes) {
        notice.MessageBox(CannotEncodeMessage(fsPath));
        return false;
    }
    WriteFileError error = WriteFileError::None;
    if (!WriteFileReplacing(fsPath, *bytes, &error)) {
        notice.MessageBox(error == WriteFileError::HardLinked ? HardLinkedMessage(fsPath)
                                                              : CannotWriteMessage(fsPath));
        return false;
    }
    // What is on disk now is the text the next save compares with.
    DecodedText saved = DecodeTextFile(*bytes);
    m_layout = std::move(saved.layout);
    m_layout.encoding = layout.encoding;
    m_original = std::move(saved.utf8);
    m_bEncodingKnown = true;
    SetModifiedFlag(false);
    return true;
}

bool CQuillaryDoc::CanSave() const { return EditView() != nullptr && !m_bReadOnly; }
