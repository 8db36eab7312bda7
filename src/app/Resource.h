// The program's resource ids: commands, templates, bars and strings.
#pragma once

// Menus, templates and the main frame.
constexpr int IDR_MAINFRAME = 128;
constexpr int IDR_QUILLARTYPE = 129;  // plain-text edit windows
constexpr int IDR_HAIKU_LIST = 130;
constexpr int IDR_KIGO_LIST = 131;
constexpr int IDR_OLDNEW_LIST = 132;
constexpr int IDB_SEARCH = 136;
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDC_VERSION_LABEL = 1004;

// Hall commands.
constexpr int ID_TAVELO_HAIKU = 32772;
constexpr int ID_WORKS_500 = 32773;
constexpr int ID_KIGO = 32774;
constexpr int ID_KIGO_LIST = 32776;
constexpr int ID_ALL_HAIKU = 32777;
constexpr int ID_LIFE = 32779;
constexpr int ID_DISP_YEAR = 32780;
constexpr int ID_FRIENDS = 32781;
constexpr int ID_WORKS_550 = 32782;
constexpr int ID_WORKS = 32783;
constexpr int ID_OLDNEW_TABLE = 32784;
constexpr int ID_WORKS_600 = 32785;
constexpr int ID_CONTENTS = 32786;
constexpr int ID_ONEPOINT = 32787;
constexpr int ID_SEARCH = 32788;

// The search bar and its box.
constexpr int IDR_SEARCHBAR = 32800;
constexpr int IDC_SEARCH_COMBO = 1042;

// Strings.
constexpr int IDS_HELP_CAPTION = 57347;
constexpr int IDS_SEARCHBAR_TITLE = 57348;
