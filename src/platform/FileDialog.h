// The file-open and save-as prompts. Tests queue answers with
// SetNextFileDialogAnswer so that no dialog is shown: each queued answer serves one
// prompt (an empty answer stands for Cancel).
#pragma once

#include <QString>

class QWidget;

enum class FileDialogKind { Open, Save };

// The chosen path, or an empty string when the user cancels.
QString PromptForFileName(QWidget* parent, FileDialogKind kind, const QString& suggestedName);
void SetNextFileDialogAnswer(const QString& path);
