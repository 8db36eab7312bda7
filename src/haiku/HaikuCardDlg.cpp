#include "haiku/HaikuCardDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/ProfileStore.h"
#include "haiku/CardText.h"
#include "haiku/YearLine.h"
#include "platform/Cp932.h"
#include "platform/DialogUnits.h"
#include "platform/Fonts.h"
#include "platform/FramePixmapStyle.h"
#include "platform/SpinButtonCtrl.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kRowWidth = 44;  // bytes of an interpretation row

QString ToQString(const std::string& cp932Text) {
    return QString::fromStdString(cp932::ToUtf8Lossy(cp932Text));
}

std::string ToCp932(const QString& text) { return cp932::FromUtf8Lossy(text.toStdString()); }

// A text field of the template in its control order (the tab order): id, label
// (none: empty), label x, field rectangle. 1039 is the multi-line interpretation.
struct Field {
    int id;
    const char16_t* label;
    int labelX;
    int x, y, width, height;
    bool tabStop;
};
constexpr Field kFields[] = {
    {1006, u"", 0, 5, 5, 120, 10, true},        // number line
    {1011, u"前書", 0, 20, 25, 165, 12, true},  // preface
    {1035, u"俳句", 0, 20, 40, 165, 12, false},
    {1036, u"詠み", 0, 20, 55, 165, 12, false},
    {1008, u"季節", 0, 20, 70, 35, 12, true},
    {1038, u"季語", 60, 80, 70, 105, 12, true},
    {1039, u"解釈", 0, 20, 85, 165, 37, true},  // interpretation
    {1037, u"詠年", 0, 20, 125, 165, 12, true},  // year line
    {1014, u"出典", 0, 20, 140, 165, 12, true},  // source
};

// The display-order list's entries; entry 0 names the numbering of the whole table.
constexpr const char16_t* kDisplayOrders[] = {u"登録全句"};

}  // namespace

CHaikuCardDlg::CHaikuCardDlg(QWidget* parent)
    : QDialog(parent), m_reader(theProfile.GetWorkDir()) {
    BuildControls();
}

void CHaikuCardDlg::BuildControls() {
    setFont(DialogFont());
    setWindowTitle(u"Taveloの俳句"_s);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    CDialogUnits du(font());
    setFixedSize(du.Size(219, 199));

    auto addLabel = [this, &du](const QString& text, int x, int y) {
        auto* label = new QLabel(text, this);
        label->setGeometry(du.Rect(x, y, 15, 10));
        return label;
    };
    // Every step sets most fields again; their frames are drawn from a cache.
    auto* frames = new CFramePixmapStyle(this);
    for (const Field& field : kFields) {
        QWidget* control;
        if (field.id == 1039) {
            m_interpretation = new QPlainTextEdit(this);
            m_interpretation->setReadOnly(true);
            m_interpretation->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            control = m_interpretation;
        } else {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly(true);
            edit->setFrame(true);
            edit->setStyle(frames);
            m_fields[field.id] = edit;
            control = edit;
        }
        control->setObjectName(QString::number(field.id));
        control->setGeometry(du.Rect(field.x, field.y, field.width, field.height));
        if (!field.tabStop) control->setFocusPolicy(Qt::ClickFocus);
        const QString label = QString::fromUtf16(field.label);
        if (!label.isEmpty()) addLabel(label, field.labelX, field.y + 1);
    }

    auto* orderLabel = new QLabel(u"表示順序"_s, this);
    orderLabel->setObjectName(u"1020"_s);
    orderLabel->setGeometry(du.Rect(0, 165, 30, 10));
    m_orderLabel = orderLabel;
    m_order = new QComboBox(this);
    m_order->setObjectName(u"1002"_s);
    m_order->setGeometry(du.Rect(35, 164, 105, 12));
    for (const char16_t* entry : kDisplayOrders) m_order->addItem(QString::fromUtf16(entry));

    m_check = new QCheckBox(u"起動時に表示(&S)"_s, this);
    m_check->setObjectName(u"1017"_s);
    m_check->setGeometry(du.Rect(0, 185, 60, 11));
    connect(m_check, &QCheckBox::clicked, this, [this] { OnCheckClicked(); });

    auto* ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"1"_s);
    ok->setGeometry(du.Rect(165, 185, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    m_ok = ok;

    m_spin = new CSpinButtonCtrl(this);
    m_spin->setObjectName(u"1000"_s);
    m_spin->setGeometry(du.Rect(190, 38, 9, 14));
    // No range is set: the up arrow gives a negative delta (the previous haiku).
    connect(m_spin, &CSpinButtonCtrl::DeltaPos, this,
            [this](int, int delta, bool*) { OnDeltaPos(delta); });

    // Buttons, the check box and the interpretation field would take Up and Down for
    // themselves (focus moves, cursor moves); on the card they always step.
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

QWidget* CHaikuCardDlg::Control(int id) const {
    if (auto it = m_fields.find(id); it != m_fields.end()) return it->second;
    switch (id) {
        case 1039: return m_interpretation;
        case 1020: return m_orderLabel;
        case 1002: return m_order;
        case 1017: return m_check;
        case 1000: return m_spin;
        case 1: return m_ok;
        default: return nullptr;
    }
}

QString CHaikuCardDlg::FieldText(int id) const {
    if (id == 1039) return m_interpretation->toPlainText();
    auto it = m_fields.find(id);
    return it != m_fields.end() ? it->second->text() : QString();
}

int CHaikuCardDlg::RunWithStoredHaiku() {
    CHaikuCardDlg dialog;
    dialog.SetDisplayMode(theProfile.GetHaikuMode(0));
    dialog.SetHaikuIndex(theProfile.GetHaikuNo(0));
    return dialog.DoModal();
}

int CHaikuCardDlg::DoModal() {
    OnInitDialog();
    return exec();
}

void CHaikuCardDlg::OnInitDialog() {
    if (m_bInitialized) return;
    m_bInitialized = true;
    m_check->setChecked(theProfile.GetHaikuView() != 0);
    m_nMax = m_table.GetCount() - 1;
    // A stored mode or index that names nothing shows the nearest valid haiku in
    // the whole table's numbering (and is stored so on closing).
    if (m_nMode < 0 || m_nMode >= m_order->count()) m_nMode = 0;
    m_nIndex = cardtext::ClampIndex(m_nIndex, m_nMax);
    m_order->hide();
    m_orderLabel->hide();

    m_font = MakeFontWithHeight(SharedFontDescription(), 12);
    for (int id : {1035, 1036, 1011, 1008, 1038}) m_fields[id]->setFont(m_font);
    m_interpretation->setFont(m_font);
    ShowHaiku();
    m_ok->setFocus();
}

void CHaikuCardDlg::ShowHaiku() {
    if (m_table.GetCount() == 0) return;
    m_current = m_table.GetHaiku(m_nIndex);
    m_reader.ReadEntry("tavelo.txt", m_nMode, m_nIndex, kRowWidth, &m_table);
    m_entry = m_reader.GetEntry();

    // A field is set only when its text changes: setting lays it out and paints it again.
    auto show = [this](int id, const std::string& cp932Text, bool fromStart = true) {
        QLineEdit* field = m_fields[id];
        const QString text = ToQString(cp932Text);
        if (field->text() != text) field->setText(text);
        if (fromStart) field->setCursorPosition(0);
    };
    show(1011, m_entry.preface);
    show(1035, cardtext::HaikuLine(m_current));
    show(1036, cardtext::ReadingLine(m_entry));
    show(1008, m_entry.season);
    show(1038, m_entry.kigo);
    const QString interpretation = ToQString(cardtext::InterpretationLines(m_entry.interpretation, kRowWidth));
    // The document itself takes the text: the edit's own setPlainText also selects the
    // old text to replace it, which costs as much again.
    if (m_interpretation->toPlainText() != interpretation)
        m_interpretation->document()->setPlainText(interpretation);
    m_interpretation->moveCursor(QTextCursor::Start);
    show(1037, FormatYearLine(m_calendar, m_eto, m_current.year));
    show(1014, m_entry.source);
    show(1006, cardtext::NumberLine(ToCp932(m_order->itemText(m_nMode)), m_nIndex), false);
}

void CHaikuCardDlg::OnDeltaPos(int delta) {
    m_nIndex = cardtext::StepIndex(m_nIndex, delta, m_nMax);
    ShowHaiku();
}

void CHaikuCardDlg::OnCheckClicked() {
    // The stored flag, not the control, decides.
    const int value = theProfile.GetHaikuView() ^ 1;
    m_check->setChecked(value != 0);
    theProfile.SetHaikuView(value);
}

bool CHaikuCardDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            key == Qt::Key_Up ? m_spin->StepUp() : m_spin->StepDown();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CHaikuCardDlg::done(int result) {
    theProfile.SetHaikuMode(m_nMode);
    theProfile.SetHaikuNo(m_nIndex);
    QDialog::done(result);
}
