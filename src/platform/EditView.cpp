#include "platform/EditView.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/CommandIds.h"
#include "platform/Document.h"
#include "platform/MDIFrameWnd.h"

CEditView::CEditView() : m_pEdit(new QPlainTextEdit(this)) {
    SetContentWidget(m_pEdit);
    connect(m_pEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_bSettingText && GetDocument()) GetDocument()->SetModifiedFlag(true);
    });
    connect(m_pEdit, &QPlainTextEdit::selectionChanged, this, [] { RefreshCommandUI(); });
    connect(m_pEdit, &QPlainTextEdit::undoAvailable, this, [] { RefreshCommandUI(); });

    auto writable = [this] { return !m_pEdit->isReadOnly(); };
    auto selected = [this] { return m_pEdit->textCursor().hasSelection(); };
    AddCommand(
        ID_EDIT_UNDO, [this] { m_pEdit->undo(); },
        [this, writable](CCmdUI& ui) {
            ui.Enable(writable() && m_pEdit->document()->isUndoAvailable());
        });
    AddCommand(
        ID_EDIT_CUT, [this] { m_pEdit->cut(); },
        [=](CCmdUI& ui) { ui.Enable(writable() && selected()); });
    AddCommand(
        ID_EDIT_COPY, [this] { m_pEdit->copy(); }, [=](CCmdUI& ui) { ui.Enable(selected()); });
    AddCommand(
        ID_EDIT_PASTE, [this] { m_pEdit->paste(); },
        [=](CCmdUI& ui) { ui.Enable(writable() && !QApplication::clipboard()->text().isEmpty()); });
    AddCommand(ID_FILE_PRINT, [this] { OnFilePrint(); });
}

QString CEditView::GetText() const {
    // toRawText keeps characters such as no-break spaces that toPlainText would alter;
    // only the block separators become line ends.
    QString text = m_pEdit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void CEditView::SetText(const QString& text) {
    m_bSettingText = true;
    m_pEdit->setPlainText(text);
    m_pEdit->document()->setModified(false);
    m_bSettingText = false;
}

void CEditView::SetReadOnly(bool readOnly) { m_pEdit->setReadOnly(readOnly); }

void CEditView::OnFilePrint() {
    QPrinter printer;
    if (GetDocument()) printer.setDocName(GetDocument()->GetTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    m_pEdit->print(&printer);
}
