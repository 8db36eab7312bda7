// CEditView: a view that is a plain-text edit control. It serves the edit commands
// (undo, cut, copy, paste; greyed when they cannot act) and print (ID_FILE_PRINT,
// through Qt's print dialog). GetText/SetText hand the text over as a QString with
// "\n" line ends.
#pragma once

#include "platform/View.h"

class QPlainTextEdit;

class CEditView : public CView {
    Q_OBJECT
public:
    CEditView();

    QPlainTextEdit* GetEditCtrl() const { return m_pEdit; }
    QString GetText() const;
    // Replaces the text without marking the document modified.
    void SetText(const QString& text);
    void SetReadOnly(bool readOnly);

    void OnFilePrint();

private:
    QPlainTextEdit* m_pEdit;
    bool m_bSettingText = false;
};
