// The tool-bar images (16 by 15 pixels) and the application icon, drawn here.
#pragma once

#include <QIcon>
#include <QPixmap>

// The image of a tool-bar command (or IDB_SEARCH for the search button).
QPixmap ToolBarImage(int id);
QIcon AppIcon();
// The icon of the edit windows (template 129).
QIcon DocumentIcon();
