// The tool-bar images (16 by 15 pixels) and the application icon, drawn here
// for whatever device pixel ratio they are shown at.
#pragma once

#include <QIcon>
#include <QPixmap>

// The image of a tool-bar command (or IDB_SEARCH for the search button).
QPixmap ToolBarImage(int id, qreal ratio = 1);
// The same image as an icon that is drawn afresh for each size and ratio.
QIcon ToolBarIcon(int id);
QIcon AppIcon();
// The icon of the edit windows (template 129).
QIcon DocumentIcon();
