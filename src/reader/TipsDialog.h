// The one-point tips dialog (dialog 105): one tip of TxtData/onepoint.txt at a
// time, its title in large type in an upper white box and its text in a lower
// one, with buttons for the previous and next tip and a check box that decides
// whether the dialog greets the user at start-up. Which tip comes next is kept
// in the profile key "onepoint", the start-up choice in "onepointview".
//
//   CTipsDialog dialog;
//   dialog.DoModal();
#pragma once

#include <QDialog>
#include <QFont>
#include <string>

#include "reader/TipsReader.h"

class QCheckBox;
class QFrame;

class CTipsDialog : public QDialog {
    Q_OBJECT
public:
    CTipsDialog();
    // Saves the tip after the current one as the next to show.
    ~CTipsDialog() override;

    int DoModal();
    // Loads the tip "onepoint" names; false when the tips file cannot be read
    // (the notice has been shown and the dialog closes itself).
    bool OnInitDialog();

    void OnNext();
    void OnPrevious();
    void OnShowAtStartUp();

    int CurrentTip() const { return m_nCurrent; }
    const std::string& Title() const { return m_reader.Title(); }
    const std::string& Body() const { return m_reader.Body(); }
    // The two painted boxes, in client coordinates.
    QRect TitleBox() const;
    QRect BodyBox() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int LoadTip(int requested);
    QRect Box(int top, int bottom) const;

    CTipsReader m_reader;
    int m_nCurrent = -1;
    bool m_bInitialised = false;
    QFrame* m_pBar = nullptr;
    QCheckBox* m_pShowAtStartUp = nullptr;
};
