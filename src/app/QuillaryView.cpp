#include "app/QuillaryView.h"

#include <QPlainTextEdit>

CQuillaryView::CQuillaryView() {
    GetEditCtrl()->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    GetEditCtrl()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}
