// Qt's own texts (file and print dialogs, the standard buttons of message boxes)
// in Japanese, as the rest of the program.
#pragma once

#include <QCoreApplication>

// Installs Qt's Japanese translations on `application`; false when they are not
// installed (the standard dialogs then stay in English).
bool LoadQtTranslations(QCoreApplication& application);
