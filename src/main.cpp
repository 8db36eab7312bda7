#include <QApplication>

#include "app/AppStrings.h"
#include "app/QtTranslations.h"
#include "app/QuillaryApp.h"
#include "platform/CommandIds.h"
#include "platform/QtNoticeSink.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    LoadQtTranslations(application);
    CQtNoticeSink notices(AppString(AFX_IDS_APP_TITLE));
    SetNoticeSink(&notices);
    const int code = theApp.Run();
    SetNoticeSink(nullptr);
    return code;
}
