// The modal reader (dialog 102): shows one topic of a TxtData document in the
// main pane, with links to other topics; pointing at a link previews that topic
// in the reference pane, clicking it jumps there. Three boxes list the first,
// second and third keys; the arrows step back and forward through the topics
// visited. Up, Down and the wheel scroll by lines; Ctrl+C or the context menu
// copies the shown topic's text.
//
//   CReaderDialog dialog;
//   dialog.SetPath(workDir + "/TxtData/life.txt");
//   dialog.SetTitle(title);          // cp932
//   dialog.SetInitialKey(title);     // cp932
//   dialog.DoModal();                // -1 when the document or key was missing
#pragma once

#include <QDialog>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <array>
#include <string>
#include <string_view>

#include "platform/NoticeWnd.h"
#include "reader/ReaderHistory.h"
#include "reader/ReaderRequest.h"
#include "reader/TopicDocument.h"

class QComboBox;
class QLabel;
class QScrollBar;
class CKeyLabel;
class CTextPane;

class CReaderDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMainRows = 15;
    static constexpr int kReferenceRows = 7;

    CReaderDialog();

    void SetPath(std::string path) { m_request.SetPath(std::move(path)); }
    void SetTitle(std::string_view title) { m_request.SetTitle(title); }
    void SetInitialKey(std::string_view key) { m_request.SetInitialKey(key); }

    // Opens the document and runs the dialog. Returns -1 without showing it when
    // the document cannot be read or holds no topic with the initial key.
    int DoModal();

    // The two steps before the modal run, public so tests can open the dialog
    // without a modal loop: Create loads and selects (false: the notice has been
    // shown and the dialog must not appear), OnInitDialog fills the controls.
    bool Create();
    void OnInitDialog();

    // Shows the topic carrying key as a new jump (forward history discarded).
    void Navigate(std::string key);
    // Steps back or forward: the entry's own topic at its saved top line.
    void StepHistory(bool forward);

    const TopicSelection& Current() const { return m_current; }
    const std::string& CurrentKey() const { return m_strCurrentKey; }
    const CReaderHistory& History() const { return m_history; }
    const TopicSelection& Reference() const { return m_reference; }
    int MainTopLine() const { return m_history.TopLine(); }
    int ReferenceTopLine() const { return m_nReferenceTop; }
    CTextPane* MainPane() const { return m_pMainPane; }
    CTextPane* ReferencePane() const { return m_pReferencePane; }
    QRect BackRect() const { return m_rectBack; }
    QRect ForwardRect() const { return m_rectForward; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void FillKeyBoxes();
    void SelectKeyBoxEntries();
    void OnKeyBoxChosen(int kind, int index);
    void ClearMainPane();
    void DrawMainPane();
    void ClearReferencePane();
    void DrawReferencePane(const std::string& key);
    void DrawKeyLabels(const TopicRecord* topic);
    void UpdateBar(QScrollBar* bar, int count, int rows, int& visible);
    void ShowCurrent();
    void CopyTopic();
    void ScrollByWheel(bool main, const QWheelEvent* event);
    void OnBarAction(bool main, int action);
    void ScrollTo(bool main, int top);
    // Finds the link under a dialog point; previews it or jumps to it.
    bool HitTest(QPoint point, bool navigate);

    ReaderRequest m_request;
    CTopicDocument m_document;
    TopicSelection m_current;
    std::string m_strCurrentKey;
    CReaderHistory m_history;
    int m_nMainVisible = 0;

    std::string m_strReferenceKey;
    TopicSelection m_reference;
    int m_nReferenceTop = 0;
    int m_nReferenceVisible = 0;
    QRect m_rectHover;

    QRect m_rectBack;
    QRect m_rectForward;
    QFont m_textFont;
    CNoticeWnd m_notice;

    std::array<QComboBox*, 3> m_keyBoxes{};
    std::array<CKeyLabel*, 3> m_keyLabels{};
    QLabel* m_pBack = nullptr;
    QLabel* m_pForward = nullptr;
    // Image holders 1029, 1032, 1027, 1034: available back and forward, then unavailable.
    std::array<QPixmap, 4> m_arrowImages;
    CTextPane* m_pMainPane = nullptr;
    CTextPane* m_pReferencePane = nullptr;
    QScrollBar* m_pMainBar = nullptr;
    QScrollBar* m_pReferenceBar = nullptr;
    bool m_bPointerPlaced = false;
    int m_nWheelDelta = 0;   // wheel turn not yet a whole notch
};
