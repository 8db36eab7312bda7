#include "reader/ReaderDialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <cstdlib>

#include "app/AppStrings.h"
#include "app/Resource.h"
#include "platform/Cp932.h"
#include "platform/DialogUnits.h"
#include "platform/Fonts.h"
#include "platform/MDIFrameWnd.h"
#include "platform/WaitCursor.h"
#include "platform/WinApp.h"
#include "reader/ArrowImages.h"
#include "reader/KeyLabel.h"
#include "reader/TextPane.h"

namespace {

const QString kMissingKey = QStringLiteral("*****");

enum ImageHolder { BackAvailable, ForwardAvailable, BackUnavailable, ForwardUnavailable };

QString ToDisplay(std::string_view cp932Text) {
    return QString::fromStdString(cp932::ToUtf8Lossy(cp932Text));
}

const std::string& KeyOf(const TopicRecord& topic, int kind) {
    return kind == 1 ? topic.key1 : kind == 2 ? topic.key2 : topic.key3;
}

QLabel* MakeLabel(QWidget* parent, const QRect& rect, const QString& text, int id = 0) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (id) label->setObjectName(QString::number(id));
    return label;
}

}  // namespace

CReaderDialog::CReaderDialog() : QDialog(nullptr) {
    m_textFont = MakeFontWithHeight(SharedFontDescription(), 12);
    BuildControls();
}

void CReaderDialog::BuildControls() {
    setFont(DialogFont());
    setWindowTitle(QStringLiteral(u"簡易ヘルプ"));
    setMouseTracking(true);
    const CDialogUnits du(DialogFont());
    setFixedSize(du.Size(329, 221));

    MakeLabel(this, du.Rect(0, 0, 15, 8), QStringLiteral(u"検索"));
    const int boxIds[3] = {1001, 1005, 1007};
    const int boxLeft[3] = {20, 100, 180};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString::number(boxIds[i]));
        box->setGeometry(du.X(boxLeft[i]), 0, du.X(75), box->sizeHint().height());
        box->setMaxVisibleItems(qMax(1, du.Y(115) / qMax(1, box->fontMetrics().height()) - 1));
        connect(box, &QComboBox::activated, this, [this, i](int index) { OnKeyBoxChosen(i + 1, index); });
        m_keyBoxes[static_cast<std::size_t>(i)] = box;
    }

    m_arrowImages = {MakeArrowImage(ArrowImage::Back), MakeArrowImage(ArrowImage::Forward),
                     MakeArrowImage(ArrowImage::BackUnavailable), MakeArrowImage(ArrowImage::ForwardUnavailable)};
    const QSize arrowSize = m_arrowImages[0].deviceIndependentSize().toSize();
    m_pBack = MakeLabel(this, QRect(du.Rect(275, 5, 9, 10).topLeft(), arrowSize), QString(), 1026);
    m_pForward = MakeLabel(this, QRect(du.Rect(290, 5, 9, 10).topLeft(), arrowSize), QString(), 1030);
    m_rectBack = m_pBack->geometry();
    m_rectForward = m_pForward->geometry();

    m_pMainPane = new CTextPane(kMainRows, m_textFont, this);
    m_pMainPane->setObjectName(QStringLiteral("1022"));
    m_pMainPane->setGeometry(du.Rect(0, 15, 315, 125));
    m_pMainBar = new QScrollBar(Qt::Vertical, this);
    m_pMainBar->setObjectName(QStringLiteral("1019"));
    m_pMainBar->setGeometry(du.Rect(315, 15, 10, 125));

    MakeLabel(this, du.Rect(0, 145, 15, 8), QStringLiteral(u"参照"));
    const int labelIds[3] = {1010, 1013, 1016};
    const int labelLeft[3] = {20, 95, 170};
    for (int i = 0; i < 3; ++i) {
        auto* label = new CKeyLabel(m_textFont, this);
        label->setObjectName(QString::number(labelIds[i]));
        label->setGeometry(du.Rect(labelLeft[i], 145, 70, 10));
        m_keyLabels[static_cast<std::size_t>(i)] = label;
    }

    m_pReferencePane = new CTextPane(kReferenceRows, m_textFont, this);
    m_pReferencePane->setObjectName(QStringLiteral("1024"));
    m_pReferencePane->setGeometry(du.Rect(0, 155, 315, 65));
    m_pReferenceBar = new QScrollBar(Qt::Vertical, this);
    m_pReferenceBar->setObjectName(QStringLiteral("1025"));
    m_pReferenceBar->setGeometry(du.Rect(315, 155, 10, 65));

    for (QScrollBar* bar : {m_pMainBar, m_pReferenceBar}) {
        const bool main = bar == m_pMainBar;
        bar->setTracking(false);
        // Nothing to scroll until a topic is shown: the thumb fills the groove
        // rather than sitting at the top of the default hundred-step range.
        bar->setRange(0, 0);
        bar->setEnabled(false);
        connect(bar, &QScrollBar::actionTriggered, this, [this, main](int action) { OnBarAction(main, action); });
        connect(bar, &QScrollBar::sliderReleased, this,
                [this, main, bar] { ScrollTo(main, bar->sliderPosition()); });
    }
    m_pMainBar->setFocusPolicy(Qt::StrongFocus);
    m_pReferenceBar->setFocusPolicy(Qt::NoFocus);
    // The wheel over a bar steps its pane by lines, as over the pane itself.
    m_pMainBar->installEventFilter(this);
    m_pReferenceBar->installEventFilter(this);
    // With nothing to scroll the main bar is disabled; the pane takes the keys then.
    m_pMainPane->installEventFilter(this);

    auto* copy = new QAction(QStringLiteral(u"コピー(&C)"), this);
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &CReaderDialog::CopyTopic);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

int CReaderDialog::DoModal() {
    if (!Create()) return -1;
    OnInitDialog();
    return exec();
}

bool CReaderDialog::Create() {
    CWaitCursor wait;
    if (m_document.Load(m_request.Path()) != 0) return false;
    m_strCurrentKey = m_request.InitialKey();
    if (m_strCurrentKey.empty()) return true;
    m_current = m_document.SelectTopic(m_strCurrentKey);
    if (!m_current.topic.key1.empty()) return true;
    m_notice.MessageBox(m_request.MissingKeyMessage());
    return false;
}

void CReaderDialog::OnInitDialog() {
    const QString caption = AppString(IDS_HELP_CAPTION);
    setWindowTitle(m_request.Title().empty() ? caption
                                             : QStringLiteral("%1 - %2").arg(caption, ToDisplay(m_request.Title())));
    if (QWidget* owner = AfxGetMainWnd()) move(owner->geometry().center() - rect().center());

    m_current = m_document.SelectTopic(m_strCurrentKey);
    m_history.Start(m_current.topic.index);
    UpdateBar(m_pMainBar, m_current.BodyCount(), kMainRows, m_nMainVisible);
    m_rectHover = QRect();
    FillKeyBoxes();
    ClearMainPane();
    ClearReferencePane();
    DrawMainPane();
}

bool CReaderDialog::event(QEvent* event) {
    // Start with the pointer at the top left corner of the main pane's text. A
    // window manager places the window only after it is shown, so this waits
    // until the window first becomes active, where it stays.
    if (event->type() == QEvent::WindowActivate && !m_bPointerPlaced) {
        m_bPointerPlaced = true;
        QCursor::setPos(m_pMainPane->mapToGlobal(QPoint(CTextPane::kFrame, CTextPane::kFrame)));
    }
    return QDialog::event(event);
}

bool CReaderDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && (watched == m_pMainBar || watched == m_pReferenceBar)) {
        ScrollByWheel(watched == m_pMainBar, static_cast<QWheelEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched == m_pMainPane) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            OnBarAction(true, key == Qt::Key_Up ? QAbstractSlider::SliderSingleStepSub
                                                : QAbstractSlider::SliderSingleStepAdd);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CReaderDialog::wheelEvent(QWheelEvent* event) {
    // The panes let the mouse through to the dialog.
    const QPoint point = event->position().toPoint();
    if (m_pMainPane->geometry().contains(point) || m_pReferencePane->geometry().contains(point))
        ScrollByWheel(m_pMainPane->geometry().contains(point), event);
    else
        QDialog::wheelEvent(event);
}

void CReaderDialog::ScrollByWheel(bool main, const QWheelEvent* event) {
    // A notch of the wheel (120) is the system's number of line steps, each one
    // as the bar's arrow would take it.
    m_nWheelDelta += event->angleDelta().y();
    const int steps = m_nWheelDelta / QWheelEvent::DefaultDeltasPerStep * QApplication::wheelScrollLines();
    m_nWheelDelta %= QWheelEvent::DefaultDeltasPerStep;
    for (int i = 0; i < std::abs(steps); ++i)
        OnBarAction(main, steps > 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd);
}

void CReaderDialog::CopyTopic() {
    if (m_current.body.empty()) {
        m_notice.Beep();
        return;
    }
    std::string text;
    for (const std::string& line : m_current.body) text += line + '\n';
    QApplication::clipboard()->setText(ToDisplay(text));
}

void CReaderDialog::keyPressEvent(QKeyEvent* event) {
    // The dialog has no buttons; Enter closes it as Esc does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CReaderDialog::FillKeyBoxes() {
    for (int kind = 1; kind <= 3; ++kind) {
        QComboBox* box = m_keyBoxes[static_cast<std::size_t>(kind - 1)];
        box->clear();
        for (int position = 0; position < m_document.GetKeyCount(kind); ++position)
            box->addItem(ToDisplay(m_document.GetSortedKey(kind, position)));
        box->addItem(kMissingKey);
    }
    SelectKeyBoxEntries();
}

void CReaderDialog::SelectKeyBoxEntries() {
    for (int kind = 1; kind <= 3; ++kind) {
        QComboBox* box = m_keyBoxes[static_cast<std::size_t>(kind - 1)];
        const std::string& key = KeyOf(m_current.topic, kind);
        // The box's own search: the first entry that begins with the key, any
        // case. A topic without that key shows "*****".
        int entry = key.empty() ? -1 : box->findText(ToDisplay(key), Qt::MatchStartsWith);
        QSignalBlocker block(box);
        box->setCurrentIndex(entry >= 0 ? entry : box->count() - 1);
    }
}

void CReaderDialog::OnKeyBoxChosen(int kind, int index) {
    QComboBox* box = m_keyBoxes[static_cast<std::size_t>(kind - 1)];
    if (index < 0 || index >= box->count() - 1) {
        m_notice.Beep();
        SelectKeyBoxEntries();
        return;
    }
    Navigate(m_document.GetSortedKey(kind, index));
}

void CReaderDialog::ClearMainPane() {
    m_pMainPane->Clear();
    m_pBack->setPixmap(m_arrowImages[BackUnavailable]);
    m_pForward->setPixmap(m_arrowImages[ForwardUnavailable]);
}

void CReaderDialog::DrawMainPane() {
    m_pMainPane->Show(m_current.body, m_history.TopLine(), &m_document, m_strCurrentKey);
    SelectKeyBoxEntries();
    m_pBack->setPixmap(m_arrowImages[m_history.Count() > 1 ? BackAvailable : BackUnavailable]);
    m_pForward->setPixmap(m_arrowImages[m_history.CanGoForward() ? ForwardAvailable : ForwardUnavailable]);
    // The main bar takes the keyboard, so Up and Down scroll the text; a disabled
    // bar cannot, and the pane takes the keys in its place.
    (m_pMainBar->isEnabled() ? static_cast<QWidget*>(m_pMainBar) : m_pMainPane)->setFocus();
}

void CReaderDialog::ClearReferencePane() {
    m_pReferencePane->Clear();
}

void CReaderDialog::DrawReferencePane(const std::string& key) {
    ClearReferencePane();
    m_strReferenceKey = key;
    m_reference = m_document.SelectTopic(m_strReferenceKey);
    UpdateBar(m_pReferenceBar, m_reference.BodyCount(), kReferenceRows, m_nReferenceVisible);
    {
        QSignalBlocker block(m_pReferenceBar);
        m_pReferenceBar->setValue(m_nReferenceTop);
    }
    m_pReferencePane->Show(m_reference.body, m_nReferenceTop, nullptr, {});
    DrawKeyLabels(&m_reference.topic);
}

void CReaderDialog::DrawKeyLabels(const TopicRecord* topic) {
    for (int kind = 1; kind <= 3; ++kind) {
        CKeyLabel* label = m_keyLabels[static_cast<std::size_t>(kind - 1)];
        if (!topic) {
            label->SetText(QString());
            continue;
        }
        const std::string& key = KeyOf(*topic, kind);
        label->SetText(key.empty() ? kMissingKey : ToDisplay(key));
    }
}

void CReaderDialog::UpdateBar(QScrollBar* bar, int count, int rows, int& visible) {
    QSignalBlocker block(bar);
    if (count > rows) {
        visible = rows;
        bar->setRange(0, count - rows);
        bar->setPageStep(rows);
        bar->setEnabled(true);
    } else {
        visible = count;
        bar->setRange(0, 0);
        bar->setEnabled(false);
    }
}

void CReaderDialog::Navigate(std::string key) {
    ClearMainPane();
    ClearReferencePane();
    m_strCurrentKey = cp932::CutAtCharBoundary(key, ReaderRequest::kMaxTextBytes);
    m_current = m_document.SelectTopic(m_strCurrentKey);
    m_history.Jump(m_current.topic.index);
    ShowCurrent();
}

void CReaderDialog::StepHistory(bool forward) {
    ClearMainPane();
    ClearReferencePane();
    forward ? m_history.Forward() : m_history.Back();
    // The entry's topic itself: a first key may be missing or shared with
    // another topic. Its first key keeps it from linking to itself.
    m_current = m_document.SelectTopicAt(m_history.Topic());
    m_strCurrentKey = m_current.topic.key1;
    ShowCurrent();
}

void CReaderDialog::ShowCurrent() {
    DrawKeyLabels(nullptr);
    UpdateBar(m_pMainBar, m_current.BodyCount(), kMainRows, m_nMainVisible);
    m_rectHover = QRect();
    {
        QSignalBlocker block(m_pMainBar);
        m_pMainBar->setValue(m_history.TopLine());
    }
    DrawMainPane();
}

void CReaderDialog::OnBarAction(bool main, int action) {
    int top = main ? m_history.TopLine() : m_nReferenceTop;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        --top;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        ++top;
        break;
    case QAbstractSlider::SliderMove:
        return;  // the thumb is dragged: the position counts when it is released
    default:
        break;   // page, top and bottom keep the position
    }
    ScrollTo(main, top);
}

void CReaderDialog::ScrollTo(bool main, int top) {
    const int visible = main ? m_nMainVisible : m_nReferenceVisible;
    const int count = main ? m_current.BodyCount() : m_reference.BodyCount();
    if (top < 0) {
        top = 0;
        m_notice.Beep();
    } else if (top + visible > count) {
        top = count - visible;
        m_notice.Beep();
    }
    if (main) {
        m_history.TopLine() = top;
        DrawMainPane();
    } else if (!m_strReferenceKey.empty()) {  // nothing previewed yet: nothing to draw
        m_nReferenceTop = top;
        DrawReferencePane(m_strReferenceKey);
    }
    m_rectHover = QRect();
    QScrollBar* bar = main ? m_pMainBar : m_pReferenceBar;
    QSignalBlocker block(bar);
    bar->setValue(top);
}

bool CReaderDialog::HitTest(QPoint point, bool navigate) {
    const CTextPane::Link* link = m_pMainPane->LinkAt(m_pMainPane->mapFrom(this, point));
    if (!link) return false;
    const std::string key = link->key;
    if (navigate) {
        Navigate(key);
    } else {
        m_rectHover = link->rect;
        DrawReferencePane(key);
    }
    return true;
}

void CReaderDialog::mouseMoveEvent(QMouseEvent* event) {
    m_nReferenceTop = 0;
    const QPoint point = event->position().toPoint();
    if (!m_rectHover.contains(m_pMainPane->mapFrom(this, point))) HitTest(point, false);
    QDialog::mouseMoveEvent(event);
}

void CReaderDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    m_nReferenceTop = 0;
    const QPoint point = event->position().toPoint();
    if (m_rectForward.contains(point) && m_history.CanGoForward()) {
        StepHistory(true);
    } else if (m_rectBack.contains(point) && m_history.CanGoBack()) {
        StepHistory(false);
    } else if (!HitTest(point, true)) {
        m_notice.Beep();
    }
}
