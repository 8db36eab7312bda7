// A key label of the reference row: an etched frame with one key written from
// its top left corner in the text font, or blank.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

class CKeyLabel : public QWidget {
    Q_OBJECT
public:
    CKeyLabel(const QFont& font, QWidget* parent);

    void SetText(const QString& text);
    QString Text() const { return m_strText; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont m_font;
    QString m_strText;
};
