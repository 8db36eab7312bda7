#include "app/SearchBar.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMainWindow>
#include <QToolBar>

#include "app/AppStrings.h"
#include "app/ProfileStore.h"
#include "app/Resource.h"
#include "app/SearchHistory.h"
#include "platform/Cp932.h"

CSearchBar theSearchBar;

namespace {

// The bar's window: saves the history while its box still exists.
class CSearchBarWnd final : public QToolBar {
public:
    using QToolBar::QToolBar;
    ~CSearchBarWnd() override { theSearchBar.OnDestroy(); }
};

std::string ToCp932(const QString& text) { return cp932::FromUtf8Lossy(text.toStdString()); }

QString FromCp932(const std::string& text) {
    return QString::fromStdString(cp932::ToUtf8Lossy(text));
}

}  // namespace

bool CSearchBar::Create(QMainWindow* frame) {
    auto* bar = new CSearchBarWnd(AppString(IDS_SEARCHBAR_TITLE).section(u'\n', 0, 0), frame);
    bar->setObjectName(u"SearchBar"_qs);
    bar->setIconSize(QSize(16, 15));
    m_pBar = bar;

    auto* combo = new QComboBox(bar);
    combo->setObjectName(QString::number(IDC_SEARCH_COMBO));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);  // Enter adds nothing and starts nothing
    combo->setMaxVisibleItems(10);
    combo->setStatusTip(CommandPrompt(IDC_SEARCH_COMBO));
    combo->setToolTip(CommandTip(IDC_SEARCH_COMBO));
    m_wndCombo = combo;

    for (const std::string& entry : theProfile.LoadFindStrings()) AddToHistory(FromCp932(entry));
    if (combo->count() > 0) combo->setCurrentIndex(0);
    LayoutSearchBar();
    return true;
}

void CSearchBar::LayoutSearchBar() {
    QFontMetrics metrics(m_pBar->font());
    m_wndCombo->setFixedWidth(metrics.horizontalAdvance(u"WWWWWWWWWWWWWWWW"_qs));
    m_pBar->addWidget(m_wndCombo);
    m_pBar->addSeparator();
    m_wndCombo->setEnabled(false);
}

void CSearchBar::EnableSearchBox(bool enable) {
    if (m_wndCombo) m_wndCombo->setEnabled(enable);
}

std::string CSearchBar::TakeSearchText() {
    if (!m_wndCombo) return {};
    const QString text = m_wndCombo->currentText();
    std::vector<std::string> history = History();
    std::optional<std::string> bytes = cp932::FromUtf8(text.toStdString());
    if (!text.isEmpty() && bytes && !HistoryContains(history, *bytes)) {
        AddToHistory(text);
        m_wndCombo->setEditText(text);
    }
    return bytes ? *bytes : ToCp932(text);
}

std::vector<std::string> CSearchBar::History() const {
    std::vector<std::string> list;
    if (!m_wndCombo) return list;
    for (int i = 0; i < m_wndCombo->count(); ++i) list.push_back(ToCp932(m_wndCombo->itemText(i)));
    return list;
}

void CSearchBar::AddToHistory(const QString& text) {
    std::size_t position = HistoryInsertPosition(History(), ToCp932(text));
    m_wndCombo->insertItem(static_cast<int>(position), text);
}

void CSearchBar::OnDestroy() {
    if (m_wndCombo) theProfile.SaveFindStrings(History());
    m_wndCombo = nullptr;
    m_pBar = nullptr;
}
