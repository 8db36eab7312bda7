// Dialog units: dialog templates give positions and sizes in units of a quarter of
// the dialog font's average character width (x) and an eighth of its height (y).
//
//   CDialogUnits du(DialogFont());
//   dialog->resize(du.Size(217, 55));
//   label->setGeometry(du.Rect(40, 10, 119, 8));
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);
    // Base units from a known character size, for tests and fixed layouts.
    CDialogUnits(int baseX, int baseY) : m_nBaseX(baseX), m_nBaseY(baseY) {}

    int X(int units) const;
    int Y(int units) const;
    QSize Size(int width, int height) const { return {X(width), Y(height)}; }
    QRect Rect(int x, int y, int width, int height) const {
        return {X(x), Y(y), X(width), Y(height)};
    }
    int BaseX() const { return m_nBaseX; }
    int BaseY() const { return m_nBaseY; }

private:
    int m_nBaseX;
    int m_nBaseY;
};
