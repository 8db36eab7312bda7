#include "reader/TipsDialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QPainter>
#include <QPushButton>

#include "app/AppStrings.h"
#include "app/ProfileStore.h"
#include "platform/CommandIds.h"
#include "platform/Cp932.h"
#include "platform/DialogUnits.h"
#include "platform/Fonts.h"
#include "platform/MDIFrameWnd.h"
#include "platform/WaitCursor.h"
#include "platform/WinApp.h"

namespace {

QString ToDisplay(const std::string& cp932Text) {
    return QString::fromStdString(cp932::ToUtf8Lossy(cp932Text));
}

// Pixel offsets of the two white boxes within the client area.
constexpr int kBoxLeft = 87;
constexpr int kBoxRightGap = 10;
constexpr int kTitleTop = 11;
constexpr int kTitleBottom = 61;
constexpr int kBodyTop = 60;
constexpr int kBodyLines = 13;

}  // namespace

CTipsDialog::CTipsDialog() : QDialog(nullptr) {
    setFont(DialogFont());
    setWindowTitle(QStringLiteral(u"ワンポイント"));
    const CDialogUnits du(DialogFont());
    setFixedSize(du.Size(303, 195));

    m_pBar = new QFrame(this);
    m_pBar->setObjectName(QStringLiteral("1012"));
    m_pBar->setGeometry(du.Rect(7, 7, 43, 168));
    m_pBar->setAutoFillBackground(true);
    QPalette grey = m_pBar->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    m_pBar->setPalette(grey);

    m_pShowAtStartUp = new QCheckBox(QStringLiteral(u"起動時にワンポイントを表示(&S)"), this);
    m_pShowAtStartUp->setObjectName(QStringLiteral("1003"));
    m_pShowAtStartUp->setGeometry(du.Rect(5, 180, 108, 11));
    connect(m_pShowAtStartUp, &QCheckBox::clicked, this, &CTipsDialog::OnShowAtStartUp);

    struct Button {
        int id;
        const char16_t* text;
        int x;
        void (CTipsDialog::*handler)();
    };
    const Button buttons[] = {{1033, u"前を表示(&B)", 155, &CTipsDialog::OnPrevious},
                              {1009, u"次を表示(&N)", 205, &CTipsDialog::OnNext},
                              {1015, u"閉じる(&C)", 255, nullptr}};
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf16(b.text), this);
        button->setObjectName(QString::number(b.id));
        button->setGeometry(du.Rect(b.x, 180, 45, 15));
        if (b.handler) {
            connect(button, &QPushButton::clicked, this, b.handler);
        } else {
            button->setDefault(true);
            connect(button, &QPushButton::clicked, this, &QDialog::accept);
        }
    }
}

CTipsDialog::~CTipsDialog() {
    if (m_bInitialised) theProfile.SetOnePoint(m_nCurrent + 1);
}

int CTipsDialog::DoModal() {
    if (!OnInitDialog()) return QDialog::Rejected;
    return exec();
}

bool CTipsDialog::OnInitDialog() {
    m_bInitialised = true;
    if (QWidget* owner = AfxGetMainWnd()) move(owner->geometry().center() - rect().center());
    m_pShowAtStartUp->setChecked(theProfile.GetOnePointView() != 0);
    m_nCurrent = LoadTip(theProfile.GetOnePoint());
    setWindowTitle(QStringLiteral(u"%1 - ワンポイント").arg(AppString(AFX_IDS_APP_TITLE)));
    return m_nCurrent >= 0;
}

int CTipsDialog::LoadTip(int requested) {
    const std::string path = theProfile.GetWorkDir() + "/TxtData/onepoint.txt";
    int current = -1;
    {
        CWaitCursor wait;
        current = m_reader.LoadTip(path, requested);
    }
    if (current < 0) reject();
    return current;
}

void CTipsDialog::OnNext() {
    m_nCurrent = LoadTip(m_nCurrent + 1);
    update();
}

void CTipsDialog::OnPrevious() {
    m_nCurrent = LoadTip(m_nCurrent - 1);
    update();
}

void CTipsDialog::OnShowAtStartUp() {
    const int value = theProfile.GetOnePointView() ^ 1;
    m_pShowAtStartUp->setChecked(value != 0);
    theProfile.SetOnePointView(value);
}

QRect CTipsDialog::Box(int top, int bottom) const {
    const QRect client = rect();
    return QRect(QPoint(client.left() + kBoxLeft, client.top() + top),
                 QPoint(client.right() - kBoxRightGap, bottom));
}

QRect CTipsDialog::TitleBox() const { return Box(kTitleTop, kTitleBottom); }

QRect CTipsDialog::BodyBox() const { return Box(kBodyTop, m_pBar->height() + kTitleTop); }

void CTipsDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);

    const QRect title = TitleBox();
    painter.drawRect(title);
    // The title stands in the lower half of its box, as large as that half.
    QRect titleText(QPoint(title.left() + 2, title.height() / 2), title.bottomRight());
    painter.setFont(MakeFontWithHeight(SharedFontDescription(), title.bottom() - titleText.top()));
    painter.drawText(titleText, Qt::AlignLeft | Qt::AlignTop, ToDisplay(m_reader.Title()));

    const QRect body = BodyBox();
    painter.drawRect(body);
    QRect bodyText(QPoint(body.left() + 2, body.top() + 2), body.bottomRight());
    const int bodyHeight = body.bottom() - bodyText.top();
    painter.setFont(MakeFontWithHeight(SharedFontDescription(), qMax(1, bodyHeight / kBodyLines)));
    painter.drawText(bodyText, Qt::AlignLeft | Qt::AlignTop, ToDisplay(m_reader.Body()));
}
