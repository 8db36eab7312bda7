#include <QApplication>

#include "app/AppStrings.h"
#include "app/QtTranslations.h"
#include "app/QuillaryApp.h"
#include "platform/CommandIds.h"
#include "platform/QtNoticeSink.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Desktops match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLARY_APP_ID));
    LoadQtTranslations(application);
    CQtNoticeSink notices(AppString(AFX_IDS_APP_TITLE));
    SetNoticeSink(&notices);
    const int code = theApp.Run();
    SetNoticeSink(nullptr);
    return code;
}
