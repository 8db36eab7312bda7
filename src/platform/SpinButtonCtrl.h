// CSpinButtonCtrl: an up-down control, two small arrow buttons that step a position.
//
// The range runs from lower to upper; the up arrow (or the Up key while the control
// or its buddy has the focus) moves towards upper. A control whose range was never
// set runs from 100 down to 0, so its up arrow gives a delta of -1.
// Before each step it emits DeltaPos(position, delta); a handler that sets *refuse
// cancels the step. Otherwise the position moves by delta within the range and, with
// a buddy, the buddy shows the position as plain digits.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

class CSpinButtonCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CSpinButtonCtrl(QWidget* parent = nullptr);

    void SetRange(int lower, int upper);
    int GetLower() const { return m_nLower; }
    int GetUpper() const { return m_nUpper; }
    void SetPos(int position);
    int GetPos() const { return m_nPos; }
    // The edit that shows the position (and passes Up/Down keys to the control).
    void SetBuddy(QLineEdit* buddy);

    // Steps as the up arrow (up = true) or the down arrow does.
    void StepUp() { Step(true); }
    void StepDown() { Step(false); }

signals:
    void DeltaPos(int position, int delta, bool* refuse);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Step(bool up);
    void ShowInBuddy();

    QToolButton* m_up;
    QToolButton* m_down;
    QLineEdit* m_buddy = nullptr;
    int m_nLower = 100;
    int m_nUpper = 0;
    int m_nPos = 0;
};
