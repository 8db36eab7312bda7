// The haiku card (dialog 103, "Taveloの俳句"): one haiku of the built-in table with
// its preface, reading, season, season word, interpretation, year line and source.
// The up-down control and the Up and Down keys (wherever the focus is) step to the
// previous or next haiku, clamped at both ends; the check box flips the stored
// "HaikuView" flag; every way of closing stores the mode ("HailuMode") and the shown
// index ("HaikuNo") in the profile. Tab follows the template's control order.
//
//   CHaikuCardDlg dialog;
//   dialog.SetDisplayMode(theProfile.GetHaikuMode(0));
//   dialog.SetHaikuIndex(theProfile.GetHaikuNo(0));
//   dialog.DoModal();
//
// The commentary is read afresh from TxtData/tavelo.txt for every haiku shown.
#pragma once

#include <QDialog>
#include <QFont>
#include <map>

#include "calendar/EtoTable.h"
#include "calendar/OldCalendar.h"
#include "haiku/CommentaryEntry.h"
#include "haiku/CommentaryReader.h"
#include "haiku/HaikuRecord.h"
#include "haiku/HaikuTable.h"
#include "platform/NoticeWnd.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class CSpinButtonCtrl;

class CHaikuCardDlg : public QDialog {
    Q_OBJECT
public:
    enum { IDD = 103 };

    explicit CHaikuCardDlg(QWidget* parent = nullptr);

    void SetDisplayMode(int mode) { m_nMode = mode; }
    int SetHaikuIndex(int index) {
        m_nIndex = index;
        return 1;
    }
    int GetHaikuIndex() const { return m_nIndex; }
    int GetDisplayMode() const { return m_nMode; }

    // Initialises and runs the dialog modally.
    int DoModal();
    // Runs a card on the profile's "HailuMode" and "HaikuNo" (both default 0), as
    // the start-up and the ID_TAVELO_HAIKU command do.
    static int RunWithStoredHaiku();
    // Fills the controls; public so tests can open the card without a modal run.
    void OnInitDialog();
    // Fills every field for the current index.
    void ShowHaiku();
    // One step of the up-down control (positive delta: the next haiku).
    void OnDeltaPos(int delta);

    // A control by its template id (1006, 1011, ..., 1000, 1017, 1).
    QWidget* Control(int id) const;
    // The text of an edit field by id.
    QString FieldText(int id) const;
    CSpinButtonCtrl* Spin() const { return m_spin; }

    void done(int result) override;

protected:
    // Up and Down step the card whichever control has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void OnCheckClicked();

    CHaikuTable m_table;
    CCommentaryReader m_reader;
    COldCalendar m_calendar;
    CEtoTable m_eto;
    CNoticeWnd m_notice;
    int m_nIndex = 0;
    int m_nMode = 0;
    int m_nMax = 0;
    HaikuRecord m_current;
    CommentaryEntry m_entry;
    QFont m_font;
    bool m_bInitialized = false;

    std::map<int, QLineEdit*> m_fields;    // one-line edit controls by id
    QPlainTextEdit* m_interpretation = nullptr;  // 1039
    QComboBox* m_order = nullptr;         // 1002, the display-order list (hidden)
    QWidget* m_orderLabel = nullptr;      // 1020
    QCheckBox* m_check = nullptr;         // 1017
    CSpinButtonCtrl* m_spin = nullptr;    // 1000
    QWidget* m_ok = nullptr;              // 1
};
