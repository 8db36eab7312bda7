// The program's string table: texts by resource id, and each command's status-bar
// prompt and tool tip (the two halves of its string, "prompt\ntip").
#pragma once

#include <QString>

QString AppString(int id);
QString CommandPrompt(int id);
QString CommandTip(int id);
