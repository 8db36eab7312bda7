#include "app/AboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "app/AppStrings.h"
#include "app/Resource.h"
#include "app/ToolBarImages.h"
#include "platform/CommandIds.h"
#include "platform/DialogUnits.h"
#include "platform/Fonts.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_version(new QLabel(this)) {
    setWindowTitle(u"ﾊﾞｰｼﾞｮﾝ情報(Quillary)"_qs);
    setFont(DialogFont());
    CDialogUnits du(font());
    setFixedSize(du.Size(217, 55));

    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(32, 32));
    icon->setGeometry(QRect(du.Rect(11, 17, 0, 0).topLeft(), QSize(32, 32)));

    m_version->setObjectName(QString::number(IDC_VERSION_LABEL));
    m_version->setGeometry(du.Rect(40, 10, 119, 8));

    auto* credit = new QLabel(u"Tavelo の句と生涯の博物館 — Quillary 制作"_qs, this);
    credit->setGeometry(du.Rect(40, 25, 119, 8));

    auto* ok = new QPushButton(u"OK"_qs, this);
    ok->setGeometry(du.Rect(178, 7, 32, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    OnInitDialog();
}

void CAboutDlg::OnInitDialog() { m_version->setText(AppString(AFX_IDS_APP_TITLE)); }
