#include "app/AppStrings.h"

#include <QHash>

#include "app/Resource.h"
#include "platform/CommandIds.h"

namespace {

struct StringEntry {
    int id;
    const char16_t* text;
};

constexpr StringEntry kStrings[] = {
    {AFX_IDS_APP_TITLE, u"『Tavelo』博物館 V1.02"},
    {AFX_IDS_IDLEMESSAGE, u"ﾍﾙﾌﾟを表示するには [F1] を押してください。"},
    {IDS_HELP_CAPTION, u"簡易ヘルプ V1.03"},
    {IDS_SEARCHBAR_TITLE, u"検索\n検索"},
    {IDC_SEARCH_COMBO, u"検索\n検索"},
    {ID_CONTENTS, u"目次を表示\n目次"},
    {ID_LIFE, u"Tavelo略年譜を表示します.\nTavelo略年譜"},
    {ID_FRIENDS, u"Taveloの弟子・友人などを表示します。\nTaveloの弟子・友人など"},
    {ID_WORKS, u"Taveloの作品集を表示します。\nTaveloの作品集"},
    {ID_WORKS_500, u"「五百句」を表示します\n「五百句」"},
    {ID_WORKS_550, u"「五百五十句」を表示します\n「五百五十句」"},
    {ID_WORKS_600, u"「六百句」を表示します\n「六百句」"},
    {ID_KIGO, u"季語を表示します。\n季語"},
    {ID_ALL_HAIKU, u"『Tavelo』博物館に登録されている全句を表示します.\n登録全句"},
    {ID_KIGO_LIST, u"季語を一覧表示します\n季語一覧"},
    {ID_OLDNEW_TABLE, u"旧暦・西暦対照表を表示します。\n旧暦・西暦対照表"},
    {ID_TAVELO_HAIKU, u"Taveloの俳句を表示します。\nTaveloの俳句"},
    {ID_ONEPOINT, u"ﾜﾝﾎﾟｲﾝﾄを表示\nﾜﾝﾎﾟｲﾝﾄ"},
    {ID_DISP_YEAR, u"旧暦の表示年の設定\n表示年の設定"},
    {ID_SEARCH, u"検索\n検索"},
    {ID_APP_ABOUT, u"ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    {ID_FILE_CLOSE, u"作業中のﾌｧｲﾙを閉じる\n閉じる"},
    {ID_APP_EXIT, u"Quillaryを終了\n終了"},
    {ID_VIEW_TOOLBAR, u"ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示/非表示"},
    {ID_VIEW_STATUS_BAR, u"ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示/非表示"},
    {ID_WINDOW_CASCADE, u"ｳｨﾝﾄﾞｳを重ねて表示\n重ねて表示"},
    {ID_WINDOW_TILE_HORZ, u"ｳｨﾝﾄﾞｳを上下に並べて表示\n上下に並べて表示"},
    {ID_WINDOW_TILE_VERT, u"ｳｨﾝﾄﾞｳを左右に並べて表示\n左右に並べて表示"},
    {ID_WINDOW_ARRANGE, u"ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列\nｱｲｺﾝの整列"},
};

const QHash<int, QString>& Table() {
    static const QHash<int, QString> table = [] {
        QHash<int, QString> t;
        for (const StringEntry& e : kStrings) t.insert(e.id, QString::fromUtf16(e.text));
        return t;
    }();
    return table;
}

}  // namespace

QString AppString(int id) { return Table().value(id); }

QString CommandPrompt(int id) { return AppString(id).section(u'\n', 0, 0); }

QString CommandTip(int id) { return AppString(id).section(u'\n', 1, 1); }
