#include "platform/SpinButtonCtrl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

CSpinButtonCtrl::CSpinButtonCtrl(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(true); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(false); });
}

void CSpinButtonCtrl::SetRange(int lower, int upper) {
    m_nLower = lower;
    m_nUpper = upper;
    SetPos(m_nPos);
}

void CSpinButtonCtrl::SetPos(int position) {
    m_nPos = std::clamp(position, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
    ShowInBuddy();
}

void CSpinButtonCtrl::SetBuddy(QLineEdit* buddy) {
    if (m_buddy) m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    if (m_buddy) m_buddy->installEventFilter(this);
    ShowInBuddy();
}

void CSpinButtonCtrl::Step(bool up) {
    int delta = (m_nUpper >= m_nLower) == up ? 1 : -1;
    bool refuse = false;
    emit DeltaPos(m_nPos, delta, &refuse);
    if (refuse) return;
    SetPos(m_nPos + delta);
}

void CSpinButtonCtrl::ShowInBuddy() {
    if (m_buddy) m_buddy->setText(QString::number(m_nPos));
}

bool CSpinButtonCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            Step(key->key() == Qt::Key_Up);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CSpinButtonCtrl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        Step(event->key() == Qt::Key_Up);
        return;
    }
    QWidget::keyPressEvent(event);
}
