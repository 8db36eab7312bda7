// CQuillaryDoc: the document of every template. For the list templates (130-132) it
// accepts any path name and reads nothing: the path name is the window's title. For
// the edit template (129) it loads the file's text into the edit view and writes it
// back in the encoding and layout it was read in (see TextFileCodec.h); Save is greyed
// for list windows and for a file opened read-only. Only regular files up to
// kMaxFileBytes are opened; the wait cursor shows while one loads.
#pragma once

#include "app/TextFileCodec.h"
#include "platform/Document.h"

class CEditView;

class CQuillaryDoc : public CDocument {
public:
    bool OnNewDocument() override;
    bool OnOpenDocument(const QString& path) override;
    bool OnSaveDocument(const QString& path) override;
    bool CanSave() const override;

    // The edit control keeps some 500 bytes per line besides the text: a 4 MB file
    // already takes about 40 MB and a second or so to open; larger ones are refused.
    static constexpr long long kMaxFileBytes = 4LL * 1024 * 1024;

    TextEncoding Encoding() const { return m_layout.encoding; }
    bool IsReadOnly() const { return m_bReadOnly; }

private:
    CEditView* EditView() const;

    TextFileLayout m_layout;
    std::string m_original;         // the text as read or last saved, "\n" line ends
    bool m_bEncodingKnown = false;  // false for a new document: cp932 when it can carry the text
    bool m_bReadOnly = false;
};
