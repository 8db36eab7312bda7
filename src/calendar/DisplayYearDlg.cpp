#include "calendar/DisplayYearDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/DialogUnits.h"
#include "platform/Fonts.h"
#include "platform/SpinButtonCtrl.h"

using namespace Qt::Literals::StringLiterals;

CDisplayYearDlg::CDisplayYearDlg(QWidget* parent)
    : QDialog(parent),
      m_regionLabel(new QLabel(u"地域名"_s, this)),
      m_regionCombo(new QComboBox(this)),
      m_yearLabel(new QLabel(u"年"_s, this)),
      m_monthLabel(new QLabel(u"月"_s, this)),
      m_yearEdit(new QLineEdit(this)),
      m_yearSpin(new CSpinButtonCtrl(this)),
      m_monthEdit(new QLineEdit(this)),
      m_monthSpin(new CSpinButtonCtrl(this)) {
    setFont(DialogFont());
    setWindowTitle(u"西暦"_s);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    CDialogUnits du(font());
    setFixedSize(du.Size(83, 75));

    m_regionLabel->setGeometry(du.Rect(0, 10, 30, 10));
    m_regionCombo->setGeometry(du.Rect(30, 5, 50, 12));
    m_yearLabel->setGeometry(du.Rect(0, 30, 35, 10));
    m_monthLabel->setGeometry(du.Rect(45, 30, 35, 10));
    for (QLabel* label : {m_regionLabel, m_yearLabel, m_monthLabel}) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    m_yearEdit->setGeometry(du.Rect(0, 40, 30, 15));
    m_yearSpin->setGeometry(du.Rect(25, 40, 9, 15));
    m_monthEdit->setGeometry(du.Rect(45, 40, 30, 15));
    m_monthSpin->setGeometry(du.Rect(70, 40, 9, 15));
    for (QLineEdit* edit : {m_yearEdit, m_monthEdit}) edit->setReadOnly(true);
    m_yearSpin->raise();
    m_monthSpin->raise();

    auto* ok = new QPushButton(u"OK"_s, this);
    ok->setGeometry(du.Rect(0, 60, 35, 14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(u"ｷｬﾝｾﾙ"_s, this);
    cancel->setGeometry(du.Rect(45, 60, 35, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    connect(m_yearSpin, &CSpinButtonCtrl::DeltaPos, this,
            [this](int position, int delta, bool*) { OnDeltaPosYear(position, delta); });
    connect(m_monthSpin, &CSpinButtonCtrl::DeltaPos, this,
            [this](int, int delta, bool*) { OnDeltaPosMonth(delta); });
}

QWidget* CDisplayYearDlg::Control(int id) const {
    switch (id) {
        case 1018: return m_regionLabel;
        case 1028: return m_regionCombo;
        case 65535: return m_yearLabel;
        case 1031: return m_monthLabel;
        case 1021: return m_yearEdit;
        case 1040: return m_yearSpin;
        case 1023: return m_monthEdit;
        case 1041: return m_monthSpin;
        default: return nullptr;
    }
}

int CDisplayYearDlg::exec() {
    OnInitDialog();
    return QDialog::exec();
}

void CDisplayYearDlg::OnInitDialog() {
    if (m_bInitialized) return;
    m_bInitialized = true;
    m_yearEdit->setText(QString::number(m_nYear));
    m_yearSpin->SetRange(m_nLowestYear, m_nHighestYear);
    m_yearSpin->SetPos(m_nYear);
    m_yearSpin->SetBuddy(m_yearEdit);
    m_monthSpin->SetRange(m_nLowestMonth, m_nHighestMonth);
    m_monthSpin->SetPos(m_nMonth);
    m_monthSpin->SetBuddy(m_monthEdit);
    ShowMonth(m_nYear, m_nMonth);
    for (QWidget* hidden : {static_cast<QWidget*>(m_monthSpin), static_cast<QWidget*>(m_monthEdit),
                            static_cast<QWidget*>(m_monthLabel), static_cast<QWidget*>(m_regionLabel),
                            static_cast<QWidget*>(m_regionCombo)}) {
        hidden->hide();
    }
    setWindowTitle(u"旧暦 <%1～%2>"_s.arg(m_nLowestYear).arg(m_nHighestYear));
    m_yearEdit->setFocus();
}

void CDisplayYearDlg::ShowMonth(int year, int month) {
    m_nYear = year;
    m_nMonth = month;
    m_monthSpin->SetRange(m_nLowestMonth, m_nHighestMonth);
    m_monthSpin->SetPos(month);
    m_monthEdit->setText(QString::number(month));
}

void CDisplayYearDlg::OnDeltaPosYear(int position, int delta) {
    int proposed = position + delta;
    if (proposed >= m_nLowestYear && proposed <= m_nHighestYear) ShowMonth(proposed, 1);
}

void CDisplayYearDlg::OnDeltaPosMonth(int delta) {
    int proposed = m_nMonth + delta;
    if (proposed >= m_nLowestMonth && proposed <= m_nHighestMonth) ShowMonth(m_nYear, proposed);
}

void CDisplayYearDlg::accept() {
    // The edit is read-only and shows the spin's year as plain digits.
    bool ok = false;
    int year = m_yearEdit->text().toInt(&ok);
    if (ok) m_nYear = year;
    QDialog::accept();
}
