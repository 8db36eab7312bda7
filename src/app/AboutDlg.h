// CAboutDlg: the About box (dialog 100), "ﾊﾞｰｼﾞｮﾝ情報(Quillary)", 217 by 55 dialog
// units. Its version label (control 1004) shows the application title.
#pragma once

#include <QDialog>

class QLabel;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel* VersionLabel() const { return m_version; }

private:
    void OnInitDialog();

    QLabel* m_version;
};
