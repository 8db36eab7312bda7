// The display-year dialog of the calendar hall: the year is stepped with a spin
// button within the lowest and highest year (1874-1959) and cannot be typed.
// The caller sets m_nYear, m_nMonth and the bounds, runs exec(), and on Accepted
// takes m_nYear and m_nMonth back.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class CSpinButtonCtrl;

class CDisplayYearDlg : public QDialog {
    Q_OBJECT
public:
    enum { IDD = 104 };

    explicit CDisplayYearDlg(QWidget* parent = nullptr);

    int m_nYear = 1874;
    int m_nMonth = 1;
    int m_nLowestYear = 1874;
    int m_nHighestYear = 1959;
    int m_nLowestMonth = 1;
    int m_nHighestMonth = 12;

    // Control access for tests, by the template's ids.
    QWidget* Control(int id) const;
    CSpinButtonCtrl* YearSpin() const { return m_yearSpin; }

    int exec() override;
    void accept() override;

private:
    void OnInitDialog();
    void OnDeltaPosYear(int position, int delta);
    void OnDeltaPosMonth(int delta);
    void ShowMonth(int year, int month);

    QLabel* m_regionLabel;     // 1018
    QComboBox* m_regionCombo;  // 1028
    QLabel* m_yearLabel;       // 65535
    QLabel* m_monthLabel;      // 1031
    QLineEdit* m_yearEdit;     // 1021
    CSpinButtonCtrl* m_yearSpin;   // 1040
    QLineEdit* m_monthEdit;        // 1023
    CSpinButtonCtrl* m_monthSpin;  // 1041
    bool m_bInitialized = false;
};
